#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "app/LocalCurrentUser.h"
#include "app/Startup.h"
#include "screen/Messages.h"
#include "screen/frmESOA_Items.h"

namespace {

const auto kName = QStringLiteral("ESOA Mapper");

void SetIdentity() {
    QCoreApplication::setApplicationName(kName);
    QCoreApplication::setApplicationVersion(QStringLiteral(ESOA_VERSION));
}

// --help and --version must answer on a machine without a display (a terminal, CI, the package
// check), and QApplication cannot start there. Qt allows one application object per process, so
// these two are spotted in argv first and answered by a QCoreApplication; everything else starts
// the window exactly as before.
bool AsksForTextOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* flag : {"--help", "-h", "-?", "--help-all", "--version", "-v"})
            if (std::strcmp(argv[i], flag) == 0) return true;
    }
    return false;
}

int AnswerTextOnly(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SetIdentity();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Links PhilHealth eSOA reference codes to the hospital's chargeable items."));
    parser.addHelpOption();
    parser.addVersionOption();
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(parser.errorText()), qPrintable(parser.helpText()));
        return 2;
    }
    parser.process(app);  // prints the help or the version and exits
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (AsksForTextOnly(argc, argv)) return AnswerTextOnly(argc, argv);

    QApplication app(argc, argv);
    SetIdentity();
    // No display name of its own: the platform would append it to the window's title. Message
    // boxes still read the program's name through applicationDisplayName(), which falls back to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("esoa-mapper"));

    esoa::MessageBoxes messages;
    esoa::Startup startup(
        [] {
            return std::make_unique<esoa::LocalCurrentUser>(esoa::ShowComponentNotice, esoa::AskComponentQuestion,
                                                            esoa::ShowComponentConnecting);
        },
        [&messages](esoa::CurrentUser& user) { return std::make_unique<esoa::frmESOA_Items>(user, messages); },
        [&messages](const QString& description) { messages.Show(description); });
    if (!startup.Main()) return 0;
    return QApplication::exec();
}
