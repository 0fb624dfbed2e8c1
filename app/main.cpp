#include <QApplication>
#include <QCoreApplication>

#ifdef __GLIBC__
#include <malloc.h>
#endif

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
#ifdef __GLIBC__
    // The program makes and frees millions of small texts (a whole inventory read for suggestions), many
    // freed on another thread than the one that made them: glibc's fast bins, consolidated again and
    // again, cost more there than they save (a tenth of the time of a suggestion over a million items).
    mallopt(M_MXFAST, 0);
#endif
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
