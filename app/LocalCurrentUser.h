#pragma once

#include <QSettings>
#include <QString>
#include <functional>
#include <memory>

#include "app/Connection.h"
#include "app/CurrentUser.h"
#include "app/Databases.h"

namespace esoa {

// Where the component connects. Named by the component's environment variable ZEMORA_CONNECTION
// (for automation and tests) or else by its own settings (key "Connection"), in the same form:
//   "embedded:<folder>"          the two SQLite files in <folder>
//   "odbc:<connection string>"   SQL Server through ODBC, statements sent unchanged
// With nothing set: the demo database in the user's data folder, created and seeded on first use.
// The settings also hold how long the database may keep the program waiting: "LoginTimeout"
// (seconds, default 15) and "StatementTimeout" (seconds, default 60; 0: no limit).
struct ConnectionSetting {
    enum class Kind { Embedded, Odbc } kind = Kind::Embedded;
    QString target;  // folder or ODBC connection string
    bool demo = false;

    static ConnectionSetting Parse(const QString& text);  // throws std::invalid_argument
    static ConnectionSetting Current(QSettings& settings);
    static QString DemoFolder();
    static Timeouts CurrentTimeouts(QSettings& settings);
};

// A setting or connection string as it may be shown: passwords masked, and cut to a length that
// fits on the screen.
QString ShownSetting(const QString& text);

// Window placements kept in the component's settings, one per form (by object name).
class SettingsWindowStore : public ZemoraClasses {
public:
    explicit SettingsWindowStore(QSettings& settings) : settings_(settings) {}
    void loadwinsettings(QWidget& form) override;
    void Savewinsettings(QWidget& form) override;

private:
    QSettings& settings_;
};

// Our stand-in for the hospital system's current-user component. It owns the connection and the
// class library for its whole life. It never throws from showmain: a failure to connect is told to
// the user through `notice` (the component's own message) and leaves Connected() false.
class LocalCurrentUser : public CurrentUser {
public:
    using Notice = std::function<void(const QString& text)>;
    // A yes/no question of the component's own (default: no).
    using Ask = std::function<bool(const QString& question)>;
    // Shown while the connection is being made; called with an empty text when it is made or failed.
    using Connecting = std::function<void(const QString& text)>;
    explicit LocalCurrentUser(Notice notice, Ask ask = {}, Connecting connecting = {});
    ~LocalCurrentUser() override;

    void showmain() override;
    std::optional<bool> Connected() const override { return connection_ != nullptr; }
    Connection& sqlconnection() override;
    ZemoraClasses& ZEMORAClasses() override { return store_; }

    // The component's own settings file (organisation ZEMORA, application CurrentUser).
    static std::unique_ptr<QSettings> OpenSettings();

private:
    std::unique_ptr<Connection> Open();

    Notice notice_;
    Ask ask_;
    Connecting connecting_;
    std::unique_ptr<QSettings> settings_;
    SettingsWindowStore store_;
    std::unique_ptr<Connection> connection_;
};

// The component's message box and question (its own UI, not the tool's).
void ShowComponentNotice(const QString& text);
bool AskComponentQuestion(const QString& text);
// A small window that says the component is connecting; an empty text closes it.
void ShowComponentConnecting(const QString& text);

}  // namespace esoa
