#include <QDir>

#include "database/Connection.h"
#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "core/updates/ChangeReport.h"
#include "core/files/Csv.h"
#include "core/updates/LinkExport.h"
#include "core/updates/StaleLinks.h"

namespace esoa::cli {
namespace {

bool AsCsv(const Options& options) {
    const QString format = options.Value("format").toLower();
    if (format.isEmpty() || format == QLatin1String("text")) return false;
    if (format == QLatin1String("csv")) return true;
    throw UsageError{QStringLiteral("--format must be text or csv, not \"%1\".").arg(format)};
}

QDir ExistingFolder(const Options& options) {
    const QDir folder(FolderOf(options));
    if (!folder.exists())
        throw std::runtime_error(
            QStringLiteral("The folder %1 does not exist.").arg(QDir::toNativeSeparators(folder.path())).toStdString());
    return folder;
}

}  // namespace

int ExportLinksCommand(const Options& options) {
    const ReferenceList list = ListOf(options);
    std::unique_ptr<Connection> c = OpenConnection(options);
    int count = 0;
    const csv::Table links = LinkExport::Csv(*c, list, &count);
    const QString output = options.Value("output");
    if (output.isEmpty()) {
        Out(links.Text(csv::Flavour::Exact));
    } else {
        csv::Save(output, links, csv::Flavour::Exact);
        Err(QStringLiteral("%1 links of %2 written to %3.\n").arg(count).arg(list.linkTable(), QDir::toNativeSeparators(output)));
    }
    return 0;
}

int ReportCommand(const Options& options, const QString& which) {
    const ReferenceList list = ListOf(options);
    const bool asCsv = AsCsv(options);
    if (which == QLatin1String("changes")) {
        const QDir folder = ExistingFolder(options);
        std::unique_ptr<Connection> c = OpenConnection(options);
        const ChangeReport report = ChangeReport::Build(*c, list, folder.path());
        Out(asCsv ? report.Csv().Text(csv::Flavour::Exact) : report.Text());
        if (!asCsv) Err(report.Summary() + QLatin1Char('\n'));
        // A file that cannot be read leaves the report incomplete (no withdrawn codes).
        return report.complete() ? 0 : 1;
    }
    if (which == QLatin1String("stale")) {
        std::unique_ptr<Connection> c = OpenConnection(options);
        const std::vector<StaleLink> stale = StaleLinks::Check(*c, list);
        Out(asCsv ? StaleLinks::Csv(stale).Text(csv::Flavour::Exact) : StaleLinks::Text(list, stale));
        return 0;
    }
    if (which == QLatin1String("coverage")) return CoverageCommand(options, list, asCsv);
    throw UsageError{QStringLiteral("report needs changes, stale or coverage.")};
}

}  // namespace esoa::cli
