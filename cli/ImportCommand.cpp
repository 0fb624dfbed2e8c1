#include <QDir>

#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "core/reference/FirstLines.h"
#include "core/reference/ImportRun.h"
#include "core/reference/ReferenceFile.h"
#include "database/Connection.h"
#include "database/DbError.h"

namespace esoa::cli {

namespace {

int Import(const Options& options) {
    const ReferenceList list = ListOf(options);
    const QDir folder(FolderOf(options));
    if (!folder.exists()) {
        Err(QStringLiteral("The folder %1 does not exist.\n").arg(QDir::toNativeSeparators(folder.path())));
        return 1;
    }
    if (options.IsSet("dry-run")) return ChangesReport(options, list, false);
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

}  // namespace

Command ImportCommand() {
    return {
        QStringLiteral("import"),
        QStringLiteral("Import a reference list's files, as b. Scan & Import does."),
        QStringLiteral("Imports the reference files of a list (ESOA_ITEM.csv and ESOA_MEDICINE.csv, or "
                       "ESOA_ER.csv), printing each file's counts, refused lines and warnings. Nothing is "
                       "stored when a file of the list cannot be read."),
        {},
        {ListOption(),
         FolderOption(),
         {{QStringLiteral("dry-run"), QStringLiteral("Print the change report and write nothing.")}}},
        Import};
}

}  // namespace esoa::cli
