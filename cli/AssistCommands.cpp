#include <QLocale>

#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "core/coverage/Coverage.h"
#include "core/suggest/SuggestSource.h"
#include "database/Connection.h"
#include "database/DbError.h"
#include "database/SqlText.h"

namespace esoa::cli {
namespace {

constexpr int kDefaultLimit = 50;

// The --limit a value gives; 0 when it is not a positive number.
int LimitOf(const QString& value) {
    bool ok = false;
    const int limit = value.toInt(&ok);
    return ok && limit > 0 ? limit : 0;
}

int Suggest(const Options& options) {
    const ReferenceList list = ListOf(options);
    const QString code = options.Value("code");
    const int limit = options.IsSet("limit") ? LimitOf(options.Value("limit")) : kDefaultLimit;
    std::unique_ptr<Connection> c = OpenConnection(options);
    const ReadResult item = c->Read(
        QStringLiteral("SELECT Code, Description, Category FROM [Build_FIle].[dbo].[%1] WITH (NOLOCK) "
                       "WHERE Code='%2' ")
            .arg(list.table, sql::Escaped(code)),
        CursorType::ForwardOnly, LockType::ReadOnly);
    if (item.rows.empty()) {
        Err(QStringLiteral("The code %1 is not in %2.\n").arg(code, list.table));
        return 1;
    }
    assist::CandidateSource source;
    source.linkTable = list.linkTable();
    if (options.IsSet("revenue")) {
        if (!assist::ExamTableOfRevenue(*c, options.Value("revenue"), source)) {
            Err(QStringLiteral("The revenue %1 has no exam table.\n").arg(options.Value("revenue")));
            return 1;
        }
    } else if (const QString category = item.rows.front().value(2);
               !assist::SourceOfCategory(list.table, category, source)) {
        // The window would search whatever exam table an earlier click left chosen.
        Err(QStringLiteral("The category \"%1\" of %2 names no hospital items to search; choose them with "
                           "--revenue ID.\n")
                .arg(category, list.table));
        return 1;
    }
    const assist::SuggestIndex index =
        assist::SuggestIndex::Read([&](const auto& add) { assist::ReadCandidates(*c, source, add); });
    const QString invOrProc = source.inventory ? QStringLiteral("INV") : QStringLiteral("PROC");
    int rank = 0;
    for (const assist::Suggestion& s : index.Suggest(item.rows.front().value(1), limit)) {
        const assist::SuggestCandidate& candidate = index.candidate(s.candidate);
        const QStringList columns{QString::number(++rank), QString::number(s.score, 'f', 3), candidate.itemId,
                                  candidate.itemName, candidate.genericName};
        const QStringList from{invOrProc, source.revenueId, source.section};
        Out((columns + from).join(QLatin1Char('\t')) + QLatin1Char('\n'));
    }
    return 0;
}

}  // namespace

Command SuggestCommand() {
    return {
        QStringLiteral("suggest"),
        QStringLiteral("The hospital items that best match a PhilHealth code."),
        QStringLiteral("Lists the hospital items that best match a PhilHealth code, one a line: rank, score, "
                       "ItemID, ItemName, GenericName, then where each comes from (InvOrProc, RevenueID, "
                       "SectionID), tab-separated."),
        {},
        {ListOption(),
         {{QStringLiteral("code"), QStringLiteral("The PhilHealth code."), QStringLiteral("CODE")}, true},
         {{QStringLiteral("revenue"),
           QStringLiteral("Search the exam table of this revenue (default: the one the code's category "
                          "routes to, as in the window)."),
           QStringLiteral("ID")}},
         {{QStringLiteral("limit"), QStringLiteral("Candidates listed (default 50)."), QStringLiteral("N")},
          false,
          [](const QString& value) {
              return LimitOf(value) > 0
                         ? QString()
                         : QStringLiteral("--limit must be a positive number, not \"%1\".").arg(value);
          }}},
        Suggest};
}

int CoverageReport(const Options& options, const ReferenceList& list, bool asCsv) {
    std::unique_ptr<Connection> c = OpenConnection(options);
    assist::Coverage coverage = assist::Coverage::Build(*c, list);
    coverage.MarkWithdrawn(*c, FolderOf(options));
    Out(asCsv ? coverage.Csv().Text(csv::Flavour::Exact) : coverage.Text());
    return 0;
}

}  // namespace esoa::cli
