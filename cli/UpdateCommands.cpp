#include <QDir>

#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "core/files/Csv.h"
#include "core/updates/ChangeReport.h"
#include "core/updates/LinkExport.h"
#include "core/updates/StaleLinks.h"
#include "database/Connection.h"

namespace esoa::cli {
namespace {

QDir ExistingFolder(const Options& options) {
    const QDir folder(FolderOf(options));
    if (!folder.exists())
        throw std::runtime_error(QStringLiteral("The folder %1 does not exist.")
                                     .arg(QDir::toNativeSeparators(folder.path()))
                                     .toStdString());
    return folder;
}

int ExportLinks(const Options& options) {
    const ReferenceList list = ListOf(options);
    std::unique_ptr<Connection> c = OpenConnection(options);
    const QString output = options.Value("output");
    if (output.isEmpty()) {
        csv::Writer records(Out, csv::Flavour::Exact);
        LinkExport::Write(*c, list, records);
        records.Finish();
    } else {
        int count = 0;
        csv::Save(output, csv::Flavour::Exact, [&](csv::Writer& records) { count = LinkExport::Write(*c, list, records); });
        Err(QStringLiteral("%1 links of %2 written to %3.\n")
                .arg(count)
                .arg(list.linkTable(), QDir::toNativeSeparators(output)));
    }
    return 0;
}

// The stale links as they are found: CSV goes out at once; the text's first line counts them, so its
// lines wait until the last one is found.
int StaleReport(const Options& options, const ReferenceList& list, bool asCsv) {
    std::unique_ptr<Connection> c = OpenConnection(options);
    if (asCsv) {
        csv::Writer records(Out, csv::Flavour::Exact);
        records.Add(StaleLinks::CsvHeader());
        StaleLinks::Check(*c, list, [&records](const StaleLink& s) { records.Add(StaleLinks::CsvRecord(s)); });
        records.Finish();
        return 0;
    }
    QString lines;
    qsizetype count = 0;
    StaleLinks::Check(*c, list, [&](const StaleLink& s) {
        lines += StaleLinks::TextLine(s) + QLatin1Char('\n');
        ++count;
    });
    Out(StaleLinks::TextHeader(list, count) + QLatin1Char('\n') + lines);
    return 0;
}

int Report(const Options& options) {
    const ReferenceList list = ListOf(options);
    const bool asCsv = AsCsv(options);
    const QString which = options.arguments.value(0);
    if (which == QLatin1String("changes")) return ChangesReport(options, list, asCsv);
    if (which == QLatin1String("stale")) return StaleReport(options, list, asCsv);
    return CoverageReport(options, list, asCsv);
}

}  // namespace

int ChangesReport(const Options& options, const ReferenceList& list, bool asCsv) {
    const QDir folder = ExistingFolder(options);
    std::unique_ptr<Connection> c = OpenConnection(options);
    const ChangeReport report = ChangeReport::Build(*c, list, folder.path());
    Out(asCsv ? report.Csv().Text(csv::Flavour::Exact) : report.Text());
    if (!asCsv) Err(report.Summary() + QLatin1Char('\n'));
    // A file that cannot be read leaves the report incomplete (no withdrawn codes).
    return report.complete() ? 0 : 1;
}

Command ExportLinksCommand() {
    return {
        QStringLiteral("export-links"),
        QStringLiteral("Write every link of a list as CSV."),
        QStringLiteral("Writes every link of a list as CSV: exact values, UTF-8 without a byte order mark."),
        {},
        {ListOption(),
         {{QStringLiteral("output"), QStringLiteral("The CSV file (default: standard output)."),
           QStringLiteral("FILE")}}},
        ExportLinks};
}

Command ReportCommand() {
    return {QStringLiteral("report"),
            QStringLiteral("Reference file changes, stale links or mapping coverage of a list."),
            QStringLiteral(
                "Prints the change report of a list's reference files against its table (changes), "
                "the links that no longer agree with their code or hospital item (stale), or how much of "
                "the list is mapped (coverage)."),
            {{QStringLiteral("changes|stale|coverage"),
              QStringLiteral("The report."),
              {QStringLiteral("changes"), QStringLiteral("stale"), QStringLiteral("coverage")}}},
            {ListOption(), FolderOption(), FormatOption()},
            Report};
}

}  // namespace esoa::cli
