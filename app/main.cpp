#include <QApplication>

#include "app/LocalCurrentUser.h"
#include "app/Startup.h"
#include "screen/Messages.h"
#include "screen/frmESOA_Items.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ESOA Mapper"));
    QApplication::setApplicationDisplayName(QStringLiteral("ESOA Mapper"));

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
