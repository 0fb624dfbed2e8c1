#include "core/ConnectionSetting.h"

#include <QDir>
#include <QStandardPaths>
#include <stdexcept>

#include "core/demo/DemoDatabase.h"
#include "database/odbc/OdbcConnection.h"

namespace esoa {
namespace {

constexpr char kEnvironment[] = "ZEMORA_CONNECTION";
constexpr char kSettingKey[] = "Connection";

}  // namespace

ConnectionSetting ConnectionSetting::Parse(const QString& text) {
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QString kind = text.left(colon).trimmed().toLower();
    const QString target = colon < 0 ? QString() : text.mid(colon + 1).trimmed();
    if (kind == QLatin1String("demo") && target.isEmpty()) return {Kind::Embedded, DemoFolder(), true};
    if (kind == QLatin1String("embedded") && !target.isEmpty()) return {Kind::Embedded, target, false};
    if (kind == QLatin1String("odbc") && !target.isEmpty()) return {Kind::Odbc, target, false};
    throw std::invalid_argument(
        QStringLiteral("The connection setting \"%1\" is not understood: use embedded:<folder>, odbc:<connection "
                       "string> or demo.")
            .arg(ShownSetting(text))
            .toStdString());
}

ConnectionSetting ConnectionSetting::Current(QSettings& settings) {
    const QString fromEnvironment = qEnvironmentVariable(kEnvironment);
    if (!fromEnvironment.isEmpty()) return Parse(fromEnvironment);
    const QString fromSettings = settings.value(QLatin1String(kSettingKey)).toString();
    if (!fromSettings.isEmpty()) return Parse(fromSettings);
    return {Kind::Embedded, DemoFolder(), true};
}

Timeouts ConnectionSetting::CurrentTimeouts(QSettings& settings) {
    Timeouts t;
    bool ok = false;
    const int login = settings.value(QStringLiteral("LoginTimeout")).toInt(&ok);
    if (ok && login >= 0) t.loginSeconds = login;
    const int statement = settings.value(QStringLiteral("StatementTimeout")).toInt(&ok);
    if (ok && statement >= 0) t.statementSeconds = statement;
    return t;
}

QString ShownSetting(const QString& text) {
    constexpr int kLongest = 160;
    QString shown = MaskedConnectionString(text);
    if (shown.size() > kLongest) shown = shown.left(kLongest - 1) + QChar(0x2026);
    return shown;
}

QString ConnectionSetting::DemoFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("ZEMORA/demo"));
}

std::unique_ptr<QSettings> OpenComponentSettings() {
    return std::make_unique<QSettings>(QStringLiteral("ZEMORA"), QStringLiteral("CurrentUser"));
}

std::unique_ptr<Connection> OpenSetting(const ConnectionSetting& setting, Timeouts timeouts,
                                        const std::function<void(const QString&)>& notice,
                                        const UpkeepReport& upkeep) {
    if (setting.kind == ConnectionSetting::Kind::Odbc)
        return OpenOdbc(setting.target, Dialect::SqlServer, {}, timeouts);
    if (setting.demo) return demo::OpenDemo(setting.target, {}, notice);
    return OpenEmbedded(setting.target, false, upkeep);
}

}  // namespace esoa
