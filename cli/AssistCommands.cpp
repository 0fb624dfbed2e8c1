#include <QHash>
#include <QLocale>
#include <map>
#include <optional>
#include <vector>

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

// A code of the list as the suggestions read it.
struct ListCode {
    QString code, description, category;
};

// The items a code's suggestions come from: the one its category routes to, or, when given,
// `revenue`'s exam table; false, with the reason told, when there is none.
bool SourceOf(const ReferenceList& list, const ListCode& code,
              const std::optional<assist::CandidateSource>& revenue, assist::CandidateSource& source) {
    if (revenue) {
        source = *revenue;
        return true;
    }
    // The codes items are linked to are not listed here: no link table is read.
    source = {};
    if (assist::SourceOfCategory(list.table, code.category, source)) return true;
    // The window would search whatever exam table an earlier click left chosen.
    Err(QStringLiteral("The category \"%1\" of %2 names no hospital items to search; choose them with "
                       "--revenue ID.\n")
            .arg(code.category, list.table));
    return false;
}

// One line a suggestion: rank, score, the item, then where a link to it is filed (led by the code
// with --all).
void Print(const assist::SuggestIndex& index, const assist::CandidateSource& source, const ListCode& code,
           bool withCode, int limit) {
    const QString invOrProc = source.inventory ? QStringLiteral("INV") : QStringLiteral("PROC");
    int rank = 0;
    for (const assist::Suggestion& s : index.Suggest(code.description, limit)) {
        const assist::SuggestCandidate candidate = index.candidate(s.candidate);
        QStringList columns{QString::number(++rank), QString::number(s.score, 'f', 3),
                            candidate.itemId,        candidate.itemName,
                            candidate.genericName,   invOrProc,
                            source.revenueId,        source.section};
        if (withCode) columns.prepend(code.code);
        Out(columns.join(QLatin1Char('\t')) + QLatin1Char('\n'));
    }
}

int Suggest(const Options& options) {
    const ReferenceList list = ListOf(options);
    const bool all = options.IsSet("all");
    if (all == options.IsSet("code"))
        throw UsageError{QStringLiteral("Either --code CODE or --all is needed, not both.")};
    const int limit = options.IsSet("limit") ? LimitOf(options.Value("limit")) : kDefaultLimit;
    std::unique_ptr<Connection> c = OpenConnection(options);
    QString where;
    if (!all) where = QStringLiteral("WHERE Code='%1' ").arg(sql::Escaped(options.Value("code")));
    std::vector<ListCode> codes;
    c->ReadEach(
        QStringLiteral("SELECT Code, Description, Category FROM [Build_FIle].[dbo].[%1] WITH (NOLOCK) %2"
                       "ORDER BY ID")
            .arg(list.table, where),
        [&codes](const QStringList& r) {
            codes.push_back({r.value(0), r.value(1), r.value(2)});
        });
    if (!all) {
        if (codes.empty()) {
            Err(QStringLiteral("The code %1 is not in %2.\n").arg(options.Value("code"), list.table));
            return 1;
        }
        codes.resize(1);  // the first row of the code, as the window finds it
    }
    std::optional<assist::CandidateSource> revenue;
    if (options.IsSet("revenue")) {
        revenue.emplace();
        if (!assist::ExamTableOfRevenue(*c, options.Value("revenue"), *revenue)) {
            Err(QStringLiteral("The revenue %1 has no exam table.\n").arg(options.Value("revenue")));
            return 1;
        }
    }
    // One index for each source the codes' categories route to, built when first needed.
    std::map<QString, std::unique_ptr<assist::SuggestIndex>> indexes;
    QHash<QString, std::optional<assist::CandidateSource>> byCategory;
    int unrouted = 0;
    for (const ListCode& code : codes) {
        auto known = byCategory.find(code.category);
        if (known == byCategory.end()) {
            assist::CandidateSource source;
            known = byCategory.insert(code.category, SourceOf(list, code, revenue, source)
                                                         ? std::optional<assist::CandidateSource>(source)
                                                         : std::nullopt);
        }
        if (!known->has_value()) {
            ++unrouted;
            continue;
        }
        const assist::CandidateSource& source = **known;
        const QString key =
            source.inventory ? QString() : QStringList{source.examTable, source.section}.join('\n');
        std::unique_ptr<assist::SuggestIndex>& index = indexes[key];
        if (!index) {
            index = std::make_unique<assist::SuggestIndex>(assist::SuggestIndex::Read(
                [&](const auto& add) { assist::ReadCandidates(*c, source, add); }));
        }
        Print(*index, source, code, all, limit);
    }
    if (!all) return unrouted > 0 ? 1 : 0;
    if (unrouted > 0)
        Err(QStringLiteral("%1 of %2 codes have no suggestions: their category names no hospital items.\n")
                .arg(unrouted)
                .arg(codes.size()));
    return 0;
}

}  // namespace

Command SuggestCommand() {
    return {
        QStringLiteral("suggest"),
        QStringLiteral("The hospital items that best match a PhilHealth code."),
        QStringLiteral("Lists the hospital items that best match a PhilHealth code, one a line: rank, score, "
                       "ItemID, ItemName, GenericName, then where each comes from (InvOrProc, RevenueID, "
                       "SectionID), tab-separated. With --all, those of every code of the list in ID "
                       "order, each line led by its code."),
        {},
        {ListOption(),
         {{QStringLiteral("code"), QStringLiteral("The PhilHealth code."), QStringLiteral("CODE")}},
         {{QStringLiteral("all"), QStringLiteral("Every code of the list.")}},
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
