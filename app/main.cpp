#include <QApplication>
#include <QCoreApplication>

#include "window/user/LocalCurrentUser.h"
#include "window/Startup.h"
#include "cli/CommandLine.h"
#include "window/screen/Messages.h"
#include "window/frmESOA_Items.h"

namespace {

void SetIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral("ESOA Mapper"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ESOA_VERSION));
}

}  // namespace

int main(int argc, char** argv) {
    // The arguments are read before any application object exists: the commands and --help must
    // answer on a machine without a display, and Qt allows one application object per process.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const esoa::cli::Invocation invocation = esoa::cli::Parse(arguments);
    if (invocation.kind != esoa::cli::Invocation::Kind::Window) {
        QCoreApplication app(argc, argv);
        SetIdentity();
        return esoa::cli::Run(invocation);
    }

    // --connection overrides the current user's setting for this run, as its environment variable does.
    if (!invocation.connection.isEmpty()) qputenv("ZEMORA_CONNECTION", invocation.connection.toUtf8());
    QApplication app(argc, argv);
    SetIdentity();
    // No display name of its own: the platform would append it to the window's title. Message
    // boxes still read the program's name through applicationDisplayName(), which falls back to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("esoa-mapper"));
    if (invocation.verbose) esoa::cli::EnableStatementLog();

    esoa::MessageBoxes messages;
    esoa::Startup startup(
        [] {
            return std::make_unique<esoa::LocalCurrentUser>(esoa::ShowComponentNotice, esoa::AskComponentQuestion,
                                                            esoa::ShowComponentConnecting, esoa::ShowUpkeepProgress);
        },
        [&messages](esoa::CurrentUser& user) { return std::make_unique<esoa::frmESOA_Items>(user, messages); },
        [&messages](const QString& description) { messages.Show(description); });
    if (!startup.Main()) return 0;
    return QApplication::exec();
}
