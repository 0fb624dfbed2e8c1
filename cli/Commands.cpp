#include "cli/Commands.h"

#include <QCoreApplication>

#include "cli/Terminal.h"
#include "core/ConnectionSetting.h"
#include "database/Connection.h"

namespace esoa::cli {
namespace {

std::optional<ReferenceList> ListNamed(const QString& list) {
    // The lists' own names ("ESOA ITEM") are the window's; the command line takes item and er.
    if (list.startsWith(QLatin1String("ESOA"), Qt::CaseInsensitive)) return std::nullopt;
    return ReferenceList::Named(list);
}

}  // namespace

const std::vector<Command>& CommandTable() {
    static const std::vector<Command> table{ImportCommand(),  ExportLinksCommand(), ReportCommand(),
                                            SuggestCommand(), ImportLinksCommand(), HistoryCommand(),
                                            UndoCommand()};
    return table;
}

const Command* FindCommand(const QString& name) {
    for (const Command& command : CommandTable()) {
        if (command.name == name) return &command;
    }
    return nullptr;
}

CommandOption ListOption() {
    return {{QStringLiteral("list"), QStringLiteral("The reference list: item or er."),
             QStringLiteral("item|er")},
            true,
            [](const QString& list) {
                return ListNamed(list) ? QString()
                                       : QStringLiteral("--list must be item or er, not \"%1\".").arg(list);
            }};
}

CommandOption FolderOption() {
    return {{QStringLiteral("folder"),
             QStringLiteral("Folder of the reference files (default: the program's folder)."),
             QStringLiteral("DIR")}};
}

CommandOption FormatOption() {
    return {
        {QStringLiteral("format"), QStringLiteral("text or csv (default text)."), QStringLiteral("text|csv")},
        false,
        [](const QString& format) {
            const QString f = format.toLower();
            return f.isEmpty() || f == QLatin1String("text") || f == QLatin1String("csv")
                       ? QString()
                       : QStringLiteral("--format must be text or csv, not \"%1\".").arg(format);
        }};
}

ReferenceList ListOf(const Options& options) {
    const QString list = options.Value("list");
    if (const auto named = ListNamed(list)) return *named;
    throw UsageError{list.isEmpty() ? QStringLiteral("--list item|er is needed.")
                                    : QStringLiteral("--list must be item or er, not \"%1\".").arg(list)};
}

QString FolderOf(const Options& options) {
    const QString folder = options.Value("folder");
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

bool AsCsv(const Options& options) {
    return options.Value("format").toLower() == QLatin1String("csv");
}

ConnectionSetting SettingOf(const Options& options) {
    if (!options.connection.isEmpty()) return ConnectionSetting::Parse(options.connection);
    const auto settings = OpenComponentSettings();
    return ConnectionSetting::Current(*settings);
}

std::unique_ptr<Connection> OpenConnection(const Options& options) {
    const auto settings = OpenComponentSettings();
    // The component tells its user why a demo is built again; here that is the terminal. The
    // one-time upkeep of older files shows on the progress line, cleared once the files are open.
    ProgressLine progress;
    return OpenSetting(
        SettingOf(options), ConnectionSetting::CurrentTimeouts(*settings),
        [](const QString& text) { Err(text + QLatin1Char('\n')); },
        [&progress](const UpkeepProgress& p) {
            progress.Show(
                QStringLiteral("Older files, once (%1/%2): %3").arg(p.step).arg(p.steps).arg(p.why));
        });
}

}  // namespace esoa::cli
