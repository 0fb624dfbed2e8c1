#pragma once

#include <QSettings>
#include <QString>
#include <functional>
#include <memory>

#include "database/Databases.h"

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

// The component's own settings file (organisation ZEMORA, application CurrentUser).
std::unique_ptr<QSettings> OpenComponentSettings();

// Opens the connection a setting names, as the component would, without asking anything: the demo
// is created or rebuilt when needed (`notice` is told before a rebuild, see demo::OpenDemo), a
// hospital's embedded folder must hold its files; `upkeep` hears of the one-time upkeep of its
// older files (OpenEmbedded). Throws DbError.
std::unique_ptr<Connection> OpenSetting(const ConnectionSetting& setting, Timeouts timeouts,
                                        const std::function<void(const QString&)>& notice = {},
                                        const UpkeepReport& upkeep = {});

// A setting or connection string as it may be shown: passwords masked, and cut to a length that
// fits on the screen.
QString ShownSetting(const QString& text);

}  // namespace esoa
