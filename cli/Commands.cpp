#include "cli/Commands.h"

#include <QCoreApplication>
#include <QDir>

#include "database/Connection.h"
#include "core/ConnectionSetting.h"
#include "database/DbError.h"
#include "cli/Terminal.h"
#include "core/reference/FirstLines.h"
#include "core/reference/ImportRun.h"
#include "core/reference/ReferenceFile.h"

namespace esoa::cli {

ReferenceList ListOf(const Options& options) {
    const QString list = options.Value("list");
    if (const auto named = ReferenceList::Named(list); named && !list.startsWith(QLatin1String("ESOA"), Qt::CaseInsensitive))
        return *named;
    throw UsageError{list.isEmpty() ? QStringLiteral("--list item|er is needed.")
                                    : QStringLiteral("--list must be item or er, not \"%1\".").arg(list)};
}

QString FolderOf(const Options& options) {
    const QString folder = options.Value("folder");
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

ConnectionSetting SettingOf(const Options& options) {
    if (!options.connection.isEmpty()) return ConnectionSetting::Parse(options.connection);
    const auto settings = OpenComponentSettings();
    return ConnectionSetting::Current(*settings);
}

std::unique_ptr<Connection> OpenConnection(const Options& options) {
    const auto settings = OpenComponentSettings();
    // The component tells its user why a demo is built again; here that is the terminal.
    return OpenSetting(SettingOf(options), ConnectionSetting::CurrentTimeouts(*settings),
                       [](const QString& text) { Err(text + QLatin1Char('\n')); });
}

int ImportCommand(const Options& options) {
    const ReferenceList list = ListOf(options);
    const QDir folder(FolderOf(options));
    if (!folder.exists()) {
        Err(QStringLiteral("The folder %1 does not exist.\n").arg(QDir::toNativeSeparators(folder.path())));
        return 1;
    }
    if (options.IsSet("dry-run")) return ReportCommand(options, QStringLiteral("changes"));
    // Every file before anything is stored: a list is imported whole or not at all when a file is
    // missing, as no one is there to agree to half of it.
    const std::vector<ListFile> files = ReadListFiles(folder.path(), list.names);
    QStringList needed;
    bool readable = true;
    for (const ListFile& file : files) {
        needed << file.fileName();
        if (file.readable()) continue;
        Err(QStringLiteral("%1 cannot be read: %2\n").arg(file.fileName(), file.error));
        readable = false;
    }
    if (!readable) {
        Err(QStringLiteral("Nothing was imported: the list needs all of %1.\n")
                .arg(needed.join(QStringLiteral(", "))));
        return 1;
    }
    std::unique_ptr<Connection> c = OpenConnection(options);
    bool everything = true;
    FirstLines first;
    for (const ListFile& file : files) {
        ProgressLine progress;
        ImportRun run(*c, list.table);
        run.setFirstLines(first);
        const ImportSummary summary = run.Import(file, [&](int done, int total) {
            if (done % 200 == 0 || done == total)
                progress.Show(QStringLiteral("Importing %1: %2 of %3 lines")
                                  .arg(file.fileName(), QString::number(done), QString::number(total)));
            return true;
        });
        progress.Clear();
        Out(summary.Counts() + QLatin1Char('\n'));
        for (const LineNote& refused : summary.refused)
            Out(QStringLiteral("  ") + refused.Text() + QLatin1Char('\n'));
        for (const LineNote& warning : summary.warnings)
            Out(QStringLiteral("  warning: ") + warning.Text() + QLatin1Char('\n'));
        if (!summary.finished()) {
            Err(summary.Message(0, ImportSummary::Reader::Terminal) + QLatin1Char('\n'));
            return 1;
        }
        everything = everything && summary.refused.empty();
    }
    return everything ? 0 : 1;
}

}  // namespace esoa::cli
