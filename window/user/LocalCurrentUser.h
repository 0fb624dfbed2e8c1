#pragma once

#include <QSettings>
#include <QString>
#include <functional>
#include <memory>

#include "core/ConnectionSetting.h"
#include "core/CurrentUser.h"
#include "database/Connection.h"

namespace esoa {

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
    // Shown while older embedded files are brought up to date (OpenEmbedded); called with no steps
    // when the opening is over.
    using Upkeep = std::function<void(const UpkeepProgress& progress)>;
    explicit LocalCurrentUser(Notice notice, Ask ask = {}, Connecting connecting = {}, Upkeep upkeep = {});
    ~LocalCurrentUser() override;

    void showmain() override;
    std::optional<bool> Connected() const override { return connection_ != nullptr; }
    Connection& sqlconnection() override;
    ZemoraClasses& ZEMORAClasses() override { return store_; }
    // The login name of the user running the program.
    QString UserName() const override;

    // The component's own settings file (organisation ZEMORA, application CurrentUser).
    static std::unique_ptr<QSettings> OpenSettings();

private:
    std::unique_ptr<Connection> Open();

    Notice notice_;
    Ask ask_;
    Connecting connecting_;
    Upkeep upkeep_;
    std::unique_ptr<QSettings> settings_;
    SettingsWindowStore store_;
    std::unique_ptr<Connection> connection_;
};

// The component's message box and question (its own UI, not the tool's).
void ShowComponentNotice(const QString& text);
bool AskComponentQuestion(const QString& text);
// A small window that says the component is connecting; an empty text closes it.
void ShowComponentConnecting(const QString& text);
// A progress window that says why opening older embedded files waits and how far it is; progress
// without steps closes it.
void ShowUpkeepProgress(const UpkeepProgress& progress);

}  // namespace esoa
