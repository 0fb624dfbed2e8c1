#include "app/LocalCurrentUser.h"

#include <QDir>
#include <algorithm>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>
#include <stdexcept>

#include "app/Databases.h"
#include "app/DbError.h"
#include "app/DemoDatabase.h"

namespace esoa {
namespace {

constexpr char kEnvironment[] = "ZEMORA_CONNECTION";
constexpr char kSettingKey[] = "Connection";

QString placementKey(const QWidget& form) {
    return QStringLiteral("WindowPlacement/%1").arg(form.objectName().isEmpty() ? QStringLiteral("form") : form.objectName());
}

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
            .arg(text)
            .toStdString());
}

ConnectionSetting ConnectionSetting::Current(QSettings& settings) {
    const QString fromEnvironment = qEnvironmentVariable(kEnvironment);
    if (!fromEnvironment.isEmpty()) return Parse(fromEnvironment);
    const QString fromSettings = settings.value(QLatin1String(kSettingKey)).toString();
    if (!fromSettings.isEmpty()) return Parse(fromSettings);
    return {Kind::Embedded, DemoFolder(), true};
}

QString ConnectionSetting::DemoFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("ZEMORA/demo"));
}

void SettingsWindowStore::loadwinsettings(QWidget& form) {
    const QByteArray geometry = settings_.value(placementKey(form)).toByteArray();
    // restoreGeometry moves a window whose screen is gone back onto an available one.
    if (!geometry.isEmpty() && form.restoreGeometry(geometry)) return;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        QRect frame = form.frameGeometry();
        frame.moveCenter(available.center());
        // A window larger than the screen keeps its title bar on it.
        form.move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
    }
}

void SettingsWindowStore::Savewinsettings(QWidget& form) {
    settings_.setValue(placementKey(form), form.saveGeometry());
    settings_.sync();
}

std::unique_ptr<QSettings> LocalCurrentUser::OpenSettings() {
    return std::make_unique<QSettings>(QStringLiteral("ZEMORA"), QStringLiteral("CurrentUser"));
}

LocalCurrentUser::LocalCurrentUser(Notice notice)
    : notice_(std::move(notice)), settings_(OpenSettings()), store_(*settings_) {}

LocalCurrentUser::~LocalCurrentUser() = default;

void LocalCurrentUser::showmain() {
    connection_.reset();
    try {
        const ConnectionSetting setting = ConnectionSetting::Current(*settings_);
        std::unique_ptr<Connection> connection;
        if (setting.kind == ConnectionSetting::Kind::Odbc) {
            connection = OpenOdbc(setting.target, Dialect::SqlServer);
        } else {
            connection = OpenEmbedded(setting.target);
            if (setting.demo && !demo::IsSeeded(*connection)) demo::Seed(*connection);
        }
        connection_ = std::move(connection);
    } catch (const std::exception& e) {
        notice_(QStringLiteral("Cannot connect to the hospital database.\n\n%1").arg(DescriptionOf(e)));
    }
}

Connection& LocalCurrentUser::sqlconnection() {
    if (!connection_) throw DbError(QStringLiteral("Not connected to the hospital database."));
    return *connection_;
}

void ShowComponentNotice(const QString& text) {
    QMessageBox::warning(nullptr, QStringLiteral("ZEMORA"), text);
}

}  // namespace esoa
