#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "core/coverage/Coverage.h"
#include "database/Connection.h"

namespace esoa::cli {

int CoverageReport(const Options& options, const ReferenceList& list, bool asCsv) {
    std::unique_ptr<Connection> c = OpenConnection(options);
    assist::Coverage coverage = assist::Coverage::Build(*c, list);
    coverage.MarkWithdrawn(*c, FolderOf(options));
    Out(asCsv ? coverage.Csv().Text(csv::Flavour::Exact) : coverage.Text());
    return 0;
}

}  // namespace esoa::cli
