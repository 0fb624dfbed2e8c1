#include <algorithm>

#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "core/review/ReviewReport.h"
#include "core/suggest/SuggestSource.h"
#include "database/CodeKey.h"
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

// --code and --all exclude each other, and each takes only its own options.
void CheckMode(const Options& options) {
    const bool all = options.IsSet("all");
    if (all == options.IsSet("code"))
        throw UsageError{QStringLiteral("suggest needs either --code CODE or --all.")};
    const std::vector<const char*> codeOnly{"revenue", "limit"},
        listOnly{"category", "include-linked", "format"};
    for (const char* name : all ? codeOnly : listOnly) {
        if (options.IsSet(name))
            throw UsageError{QStringLiteral("--%1 goes with %2, not with %3.")
                                 .arg(QLatin1String(name),
                                      all ? QStringLiteral("--code") : QStringLiteral("--all"),
                                      all ? QStringLiteral("--all") : QStringLiteral("--code"))};
    }
}

// One code's candidates, one a line. Without --revenue they come from the sources of the code's
// category (CandidateSources), each line naming where it is filed.
int SuggestCode(const Options& options, const ReferenceList& list, Connection& c) {
    const QString code = options.Value("code");
    const int limit = options.IsSet("limit") ? LimitOf(options.Value("limit")) : kDefaultLimit;
    const ReadResult item =
        c.Read(QStringLiteral("SELECT Code, Description, Category FROM [Build_FIle].[dbo].[%1] WITH (NOLOCK) "
                              "WHERE Code='%2' ")
                   .arg(list.table, sql::Escaped(code)),
               CursorType::ForwardOnly, LockType::ReadOnly);
    if (item.rows.empty()) {
        Err(QStringLiteral("The code %1 is not in %2.\n").arg(code, list.table));
        return 1;
    }
    QList<assist::CandidateSource> sources;
    if (options.IsSet("revenue")) {
        assist::CandidateSource source;
        source.linkTable = list.linkTable();
        if (!assist::ExamTableOfRevenue(c, options.Value("revenue"), source)) {
            Err(QStringLiteral("The revenue %1 has no exam table.\n").arg(options.Value("revenue")));
            return 1;
        }
        sources << source;
    } else if (const QString category = item.rows.front().value(2);
               (sources = assist::CandidateSources(c, list.table, category)).isEmpty()) {
        // The window would search whatever exam table an earlier click left chosen.
        Err(QStringLiteral("The category \"%1\" of %2 names no hospital items to search; choose them with "
                           "--revenue ID.\n")
                .arg(category, list.table));
        return 1;
    }
    assist::SuggestCache cache;
    const assist::SuggestIndex& index = cache.IndexFor(c, sources);
    int rank = 0;
    for (const assist::Suggestion& s : index.Suggest(item.rows.front().value(1), limit)) {
        const assist::SuggestCandidate& candidate = index.candidate(s.candidate);
        const QStringList columns{QString::number(++rank), QString::number(s.score, 'f', 3),
                                  candidate.itemId,        candidate.itemName,
                                  candidate.genericName,   candidate.invOrProc,
                                  candidate.revenueId,     candidate.sectionId};
        Out(columns.join(QLatin1Char('\t')) + QLatin1Char('\n'));
    }
    return 0;
}

// Every code of the list (or of one category), unlinked ones unless --include-linked, with its best
// candidate, in the columns a link import reads.
int SuggestAll(const Options& options, const ReferenceList& list, Connection& c) {
    assist::ReviewQueue::Filter filter;
    if (options.IsSet("category")) filter.category = options.Value("category");
    filter.includeLinked = options.IsSet("include-linked");
    const std::unique_ptr<assist::ReviewQueue> queue = assist::ReviewQueue::Read(c, list, filter);
    if (filter.category && queue->size() == 0) {
        // A category no code has is most likely mistyped: say so rather than list nothing.
        const QStringList categories = assist::ReviewQueue::Categories(c, list);
        const CodeKey wanted(*filter.category == QLatin1String("-") ? QString() : *filter.category);
        if (std::none_of(categories.begin(), categories.end(),
                         [&wanted](const QString& category) { return CodeKey(category) == wanted; })) {
            QStringList named;
            for (const QString& category : categories)
                named << (category.isEmpty() ? QStringLiteral("-") : category);
            Err(QStringLiteral("No code of %1 has the category \"%2\"; its categories: %3.\n")
                    .arg(list.table, *filter.category, named.join(QStringLiteral(", "))));
            return 1;
        }
    }
    for (const QString& note : queue->notes()) Err(QStringLiteral("warning: %1\n").arg(note));
    std::vector<assist::ReviewRow> rows;
    rows.reserve(size_t(queue->size()));
    ProgressLine progress;
    for (qsizetype i = 0; i < queue->size(); ++i) {
        if (i % 50 == 0) progress.Show(QStringLiteral("Ranking code %1 of %2").arg(i + 1).arg(queue->size()));
        rows.push_back(queue->Rank(i));
    }
    progress.Clear();
    Out(AsCsv(options) ? assist::ReviewCsv(rows).Text(csv::Flavour::Exact) : assist::ReviewText(rows));
    Err(assist::ReviewSummary(list.table, rows) + QLatin1Char('\n'));
    return 0;
}

int Suggest(const Options& options) {
    const ReferenceList list = ListOf(options);
    CheckMode(options);
    std::unique_ptr<Connection> c = OpenConnection(options);
    return options.IsSet("all") ? SuggestAll(options, list, *c) : SuggestCode(options, list, *c);
}

}  // namespace

Command SuggestCommand() {
    return {
        QStringLiteral("suggest"),
        QStringLiteral("The hospital items that best match a PhilHealth code, or every code of a list."),
        QStringLiteral(
            "With --code: lists the hospital items that best match a PhilHealth code, one a line: rank, "
            "score, ItemID, ItemName, GenericName, then where each is filed (InvOrProc, RevenueID, "
            "SectionID), tab-separated; the code's category chooses where to search, as in the window, "
            "looking beyond the one exam table of its route (every imaging table for imaging, every exam "
            "table for a category without a table of its own). With --all: every code of the list that no "
            "link names yet (or of one category; every code with --include-linked), one a line, with its "
            "best candidate, its score, whether it is confident, where it is filed and the runner-up; the "
            "CSV loads with import-links as it is."),
        {},
        {ListOption(),
         {{QStringLiteral("code"), QStringLiteral("The PhilHealth code."), QStringLiteral("CODE")}},
         {{QStringLiteral("revenue"),
           QStringLiteral("With --code: search the exam table of this revenue (default: the sources of the "
                          "code's category)."),
           QStringLiteral("ID")}},
         {{QStringLiteral("limit"), QStringLiteral("With --code: candidates listed (default 50)."),
           QStringLiteral("N")},
          false,
          [](const QString& value) {
              return LimitOf(value) > 0
                         ? QString()
                         : QStringLiteral("--limit must be a positive number, not \"%1\".").arg(value);
          }},
         {{QStringLiteral("all"), QStringLiteral("Rank every code of the list that no link names yet.")}},
         {{QStringLiteral("category"),
           QStringLiteral("With --all: only the codes of this category (\"-\": codes without one)."),
           QStringLiteral("CATEGORY")}},
         {{QStringLiteral("include-linked"), QStringLiteral("With --all: linked codes too.")}},
         FormatOption()},
        Suggest};
}

}  // namespace esoa::cli
