#include "core/review/ReviewQueue.h"

#include <QHash>
#include <QSet>
#include <optional>
#include <utility>

#include "database/CodeKey.h"
#include "database/Connection.h"
#include "database/DbError.h"

namespace esoa::assist {
namespace {

// The category a filter names, as the database compares it ("-" as the window's box means none).
CodeKey CategoryKey(const QString& category) {
    return CodeKey(category == QLatin1String("-") ? QString() : category);
}

ReviewPick PickOf(const SuggestIndex& index, const Suggestion& s) {
    return {index.candidate(s.candidate), s.score};
}

}  // namespace

std::unique_ptr<ReviewQueue> ReviewQueue::Read(Connection& c, const ReferenceList& list,
                                               const Filter& filter) {
    std::unique_ptr<ReviewQueue> queue(new ReviewQueue(list));
    QSet<CodeKey> linked;
    for (const LinkRow& link : ReadLinks(c, list)) linked.insert(CodeKey(link.code));
    const std::optional<CodeKey> category =
        filter.category ? std::optional<CodeKey>(CategoryKey(*filter.category)) : std::nullopt;

    // Sources are looked up once per category, read once per distinct set of them.
    QHash<QString, int> groupOfCategory;
    for (ReferenceRow& row : ReadReferenceRows(c, list)) {
        if (category && *category != CodeKey(row.values.category)) continue;
        const bool isLinked = linked.contains(CodeKey(row.code));
        if (isLinked && !filter.includeLinked) continue;
        auto known = groupOfCategory.constFind(row.values.category);
        if (known == groupOfCategory.constEnd()) {
            const QList<CandidateSource> sources = CandidateSources(c, list.table, row.values.category);
            int group = 0;
            while (group < int(queue->groups_.size()) && queue->groups_[size_t(group)].sources != sources)
                ++group;
            if (group == int(queue->groups_.size())) queue->groups_.push_back({sources, {}, nullptr});
            known = groupOfCategory.insert(row.values.category, group);
        }
        queue->codes_.push_back({std::move(row), isLinked, *known});
    }

    for (Group& g : queue->groups_) {
        // Each source read as the window's Suggest reads it. Of several, one whose table tbRevenues
        // names but the database lacks, or whose names are not plain names, is left out (as
        // ReadCandidates over several leaves it out) and named in the notes.
        for (const CandidateSource& s : g.sources) {
            try {
                g.candidates.append(ReadCandidates(c, s));
            } catch (const DbError& e) {
                const bool leftOut = e.cause() == DbError::Cause::MissingTable ||
                                     (g.sources.size() > 1 && e.cause() == DbError::Cause::Statement);
                if (!leftOut) throw;
                const QString note = QStringLiteral("%1: %2").arg(
                    s.inventory ? QStringLiteral("Inventory..tbInvMaster") : s.examTable, e.description());
                if (!queue->notes_.contains(note)) queue->notes_ << note;
            }
        }
    }
    return queue;
}

QStringList ReviewQueue::Categories(Connection& c, const ReferenceList& list) {
    const ReadResult r = c.Read(QStringLiteral("SELECT DISTINCT(Category) FROM [Build_FIle].[dbo].[") +
                                    list.table + QStringLiteral("] WITH (NOLOCK) WHERE 1=1 "),
                                CursorType::ForwardOnly, LockType::ReadOnly);
    QStringList categories;
    for (const QStringList& row : r.rows) categories << row.value(0);
    categories.sort(Qt::CaseInsensitive);
    return categories;
}

const SuggestIndex& ReviewQueue::IndexOf(const Code& code) {
    Group& g = groups_[size_t(code.group)];
    if (!g.index) g.index = std::make_unique<SuggestIndex>(std::exchange(g.candidates, {}));
    return *g.index;
}

ReviewRow ReviewQueue::Rank(qsizetype i) {
    const Code& code = codes_[size_t(i)];
    ReviewRow row{code.row, code.linked, std::nullopt, std::nullopt};
    const SuggestIndex& index = IndexOf(code);
    const QList<Suggestion> found = index.Suggest(code.row.values.description, 2);
    if (found.isEmpty()) return row;
    row.best = PickOf(index, found[0]);
    if (found.size() > 1) row.runnerUp = PickOf(index, found[1]);
    row.confidence = found[0].confidence;
    row.confident = found[0].confident;
    return row;
}

QList<ReviewPick> ReviewQueue::Ranked(qsizetype i, int limit) {
    const Code& code = codes_[size_t(i)];
    const SuggestIndex& index = IndexOf(code);
    QList<ReviewPick> picks;
    for (const Suggestion& s : index.Suggest(code.row.values.description, limit))
        picks.append(PickOf(index, s));
    return picks;
}

}  // namespace esoa::assist
