#include "window/user/LocalCurrentUser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <algorithm>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>
#include <stdexcept>

#include "database/Databases.h"
#include "database/DbError.h"
#include "core/history/Action.h"

namespace esoa {
namespace {


QString placementKey(const QWidget& form) {
    return QStringLiteral("WindowPlacement/%1").arg(form.objectName().isEmpty() ? QStringLiteral("form") : form.objectName());
}

}  // namespace

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
    // The settings may hold a connection string with its password: for its owner's eyes only.
    QFile::setPermissions(settings_.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

std::unique_ptr<QSettings> LocalCurrentUser::OpenSettings() { return OpenComponentSettings(); }

LocalCurrentUser::LocalCurrentUser(Notice notice, Ask ask, Connecting connecting, Upkeep upkeep)
    : notice_(std::move(notice)),
      ask_(std::move(ask)),
      connecting_(std::move(connecting)),
      upkeep_(std::move(upkeep)),
      settings_(OpenSettings()),
      store_(*settings_) {}

LocalCurrentUser::~LocalCurrentUser() = default;

std::unique_ptr<Connection> LocalCurrentUser::Open() {
    const ConnectionSetting setting = ConnectionSetting::Current(*settings_);
    const bool server = setting.kind == ConnectionSetting::Kind::Odbc;
    if (server && connecting_) connecting_(QStringLiteral("Connecting to %1 ...").arg(ShownSetting(setting.target)));
    struct Done {
        const Connecting& c;
        bool active;
        ~Done() {
            if (active && c) c(QString());
        }
    } done{connecting_, server};
    bool upkeepShown = false;
    const UpkeepReport upkeep = [this, &upkeepShown](const UpkeepProgress& p) {
        upkeepShown = true;
        if (upkeep_) upkeep_(p);
    };
    struct UpkeepDone {
        const Upkeep& u;
        const bool& shown;
        ~UpkeepDone() {
            if (shown && u) u({});
        }
    } upkeepDone{upkeep_, upkeepShown};
    try {
        return OpenSetting(setting, ConnectionSetting::CurrentTimeouts(*settings_), notice_, upkeep);
    } catch (const DbError& e) {
        // A hospital's own folder is never filled with empty files behind the user's back.
        const bool missingFiles = !server && !setting.demo && e.cause() == DbError::Cause::MissingFile;
        if (!missingFiles) throw;
        const QString question = QStringLiteral("%1\n\nCreate empty databases in %2?")
                                     .arg(e.description(), QDir::toNativeSeparators(setting.target));
        if (!ask_ || !ask_(question)) throw;
        return OpenEmbedded(setting.target, true, upkeep);
    }
}

void LocalCurrentUser::showmain() {
    connection_.reset();
    try {
        connection_ = Open();
    } catch (const std::exception& e) {
        notice_(QStringLiteral("Cannot connect to the hospital database.\n\n%1").arg(DescriptionOf(e)));
    }
}

Connection& LocalCurrentUser::sqlconnection() {
    if (!connection_) throw DbError(QStringLiteral("Not connected to the hospital database."));
    return *connection_;
}

QString LocalCurrentUser::UserName() const { return history::LoginName(); }

void ShowComponentNotice(const QString& text) {
    QMessageBox::warning(nullptr, QStringLiteral("ZEMORA"), text);
}

bool AskComponentQuestion(const QString& text) {
    return QMessageBox::question(nullptr, QStringLiteral("ZEMORA"), text) == QMessageBox::Yes;
}

void ShowComponentConnecting(const QString& text) {
    static QLabel* window = nullptr;
    if (text.isEmpty()) {
        delete window;
        window = nullptr;
        return;
    }
    if (!window) {
        window = new QLabel;
        window->setWindowTitle(QStringLiteral("ZEMORA"));
        window->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        window->setMargin(24);
        window->setFrameStyle(QFrame::Panel | QFrame::Raised);
    }
    window->setText(text);
    window->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
    // The connection is made on this thread: let the window paint before it blocks.
    QApplication::processEvents();
}

void ShowUpkeepProgress(const UpkeepProgress& progress) {
    static QProgressDialog* window = nullptr;
    if (progress.steps <= 0) {
        delete window;
        window = nullptr;
        return;
    }
    if (!window) {
        window = new QProgressDialog;
        window->setWindowTitle(QStringLiteral("ZEMORA"));
        window->setCancelButton(nullptr);
        window->setWindowModality(Qt::ApplicationModal);
        window->setMinimumDuration(0);
        window->setAutoClose(false);
        window->setAutoReset(false);
        auto* label = new QLabel;
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        window->setLabel(label);
        window->setMinimumWidth(480);
    }
    window->setLabelText(
        QStringLiteral("The database files were written by an older version of the program: they are "
                       "brought up to date, once. This may take a minute; later openings are quick.\n\n"
                       "Step %1 of %2: %3")
            .arg(progress.step)
            .arg(progress.steps)
            .arg(progress.why));
    window->setRange(0, progress.steps);
    window->setValue(progress.step - 1);
    window->show();
    // The files are brought up to date on this thread: let the window paint between its reports.
    QApplication::processEvents();
}

}  // namespace esoa
