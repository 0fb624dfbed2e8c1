#include "core/suggest/SuggestSource.h"

#include <QHash>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/links/LinkSource.h"
#include "core/lookup/HospitalLists.h"
#include "core/routing/CategoryRoute.h"
#include "core/routing/ExamTableNames.h"
#include "database/CodeKey.h"
#include "database/Connection.h"
#include "database/DbError.h"
#include "database/SqlText.h"
#include "ranking/ProcedureText.h"

namespace esoa::assist {
namespace {

ReadResult read(Connection& c, const QString& statement) {
    return c.Read(statement, CursorType::ForwardOnly, LockType::ReadOnly);
}

void requirePlain(const CandidateSource& s) {
    RequirePlainNames({s.examTable, s.idField, s.nameField, false});
}

void setExamTable(CandidateSource& s, const ExamTableNames& names) {
    s.examTable = names.table;
    s.idField = names.idField;
    s.nameField = names.nameField;
}

QString procedureFrom(const CandidateSource& s) {
    QString from =
        QStringLiteral(" FROM [Build_FIle].[dbo].[%1] WITH (NOLOCK) WHERE Status='A'").arg(s.examTable);
    if (!s.section.isEmpty()) from += QStringLiteral(" AND OtherSectionID = ") + sql::Literal(s.section);
    return from;
}

bool isPlain(const CandidateSource& s) {
    return s.inventory ||
           (sql::IsPlainName(s.examTable) && sql::IsPlainName(s.idField) && sql::IsPlainName(s.nameField));
}

// The code each item already carries in a link table, found by the item's ID as the database matches
// IDs (CodeKey), the last link of an item winning. An ID of printable ASCII compares by letter case and
// trailing blanks alone, so while every linked ID is such an ID, such an item is found without making
// its key: a whole inventory is looked up.
class LinkedCodes {
public:
    void Insert(const QString& itemId, const QString& code) {
        links_.emplace_back(itemId, code);
        if (isPlain(itemId)) {
            const QString key = folded(itemId);
            byFolded_.insert(key, code);
            Mark(qHash(key));
        } else {
            allPlain_ = false;
        }
    }
    bool isEmpty() const { return links_.empty(); }
    QString Of(const QString& itemId) const {
        if (links_.empty()) return {};
        if (allPlain_ && isPlain(itemId)) {
            // Most items of an inventory have no link: a bit of their hash tells so without a lookup.
            const QString key = folded(itemId);
            const size_t hash = qHash(key);
            return Marked(hash) ? byFolded_.value(key) : QString();
        }
        if (byKey_.isEmpty()) {
            for (const auto& [id, code] : links_) byKey_.insert(CodeKey(id), code);
        }
        return byKey_.value(CodeKey(itemId));
    }

private:
    static bool isPlain(const QString& id) {
        return std::all_of(id.cbegin(), id.cend(),
                           [](QChar ch) { return ch.unicode() >= 0x20 && ch.unicode() < 0x7F; });
    }
    static QString folded(const QString& id) {
        // Most IDs are digits: the text itself, shared rather than copied.
        const bool asIs = std::none_of(id.cbegin(), id.cend(), [](QChar ch) { return ch.isUpper(); }) &&
                          !id.endsWith(QLatin1Char(' '));
        if (asIs) return id;
        qsizetype n = id.size();
        while (n > 0 && id[n - 1] == QLatin1Char(' ')) --n;
        return id.left(n).toLower();
    }

    void Mark(size_t hash) {
        if (marks_.empty()) marks_.assign(kMarkWords, 0);
        marks_[(hash >> 6) & (kMarkWords - 1)] |= quint64(1) << (hash & 63);
    }
    bool Marked(size_t hash) const {
        return !marks_.empty() && (marks_[(hash >> 6) & (kMarkWords - 1)] >> (hash & 63) & 1);
    }

    static constexpr size_t kMarkWords = size_t(1) << 15;  // 2 million bits

    std::vector<std::pair<QString, QString>> links_;  // item ID and code, in the order read
    QHash<QString, QString> byFolded_;
    std::vector<quint64> marks_;             // by a hash of the folded ID: set for every linked one
    mutable QHash<CodeKey, QString> byKey_;  // made when an ID is not plain
    bool allPlain_ = true;
};

// The codes the items of `s` already carry; a missing link table just means none.
LinkedCodes linkedCodes(Connection& c, const CandidateSource& s) {
    LinkedCodes linked;
    if (s.linkTable.isEmpty() || !sql::IsPlainName(s.linkTable)) return linked;
    const QString where = s.inventory       ? QStringLiteral("InvOrProc = 'INV'")
                          : s.sectionPerRow ? QStringLiteral("InvOrProc = 'PROC' AND SectionID <> ''")
                                            : QStringLiteral("RevenueID = ") + sql::Literal(s.revenueId);
    try {
        const ReadResult links =
            read(c, QStringLiteral("SELECT ItemID, Code FROM [Build_FIle].[dbo].[%1] WITH (NOLOCK) WHERE %2")
                        .arg(s.linkTable, where));
        for (const QStringList& row : links.rows) linked.Insert(row.value(0), row.value(1));
    } catch (const DbError& e) {
        if (e.cause() != DbError::Cause::MissingTable) throw;
    }
    return linked;
}

// An exam table that tbRevenues names, and the first revenue (by RevenueID) that names it.
struct RevenueTable {
    QString revenueId;
    ExamTableNames names;
};

QList<RevenueTable> revenueTables(Connection& c) {
    const ReadResult r =
        read(c, QStringLiteral("SELECT RevenueID,ExamTableName,IDFieldName,ExamFieldName FROM "
                               "[Build_FIle].[dbo].[tbRevenues] WITH (NOLOCK) ORDER BY RevenueID"));
    QList<RevenueTable> tables;
    for (const QStringList& row : r.rows) {
        if (row.value(1).isEmpty()) continue;
        const bool seen = std::any_of(tables.cbegin(), tables.cend(), [&](const RevenueTable& t) {
            return t.names.table.compare(row.value(1), Qt::CaseInsensitive) == 0;
        });
        if (!seen) tables.append({row.value(0), {row.value(1), row.value(2), row.value(3)}});
    }
    return tables;
}

CandidateSource examSource(const RevenueTable& t, const QString& linkTable) {
    CandidateSource s;
    s.inventory = false;
    s.examTable = t.names.table;
    s.idField = t.names.idField;
    s.nameField = t.names.nameField;
    s.revenueId = t.revenueId;
    s.linkTable = linkTable;
    // The other-revenue table holds the items of every revenue code, each row in its section.
    s.sectionPerRow = t.names.table.compare(ExamTableNames::OtherRevenue().table, Qt::CaseInsensitive) == 0;
    return s;
}

bool isImaging(const QString& examTable) {
    return !SourceAttributes(examTable).isEmpty();
}

// Categories whose codes the list spreads over several exam tables although their route names one.
bool spansExamTables(const QString& table, const QString& category) {
    return table == QLatin1String("ESOA_ITEM") && category == QLatin1String("LaboratoryAndDiagnostic");
}

}  // namespace

void ReadCandidates(Connection& c, const CandidateSource& s,
                    const std::function<void(SuggestCandidate)>& add) {
    if (!s.inventory) requirePlain(s);
    const LinkedCodes linked = linkedCodes(c, s);
    const QString section = s.sectionPerRow ? QStringLiteral(", OtherSectionID") : QString();
    const QString statement =
        s.inventory
            ? ActiveInventoryStatement()
            : QStringLiteral("SELECT %1, %2%3").arg(s.idField, s.nameField, section) + procedureFrom(s);
    c.ReadEach(statement, [&](const QStringList& row) {
        SuggestCandidate candidate{row.value(0),
                                   row.value(1),
                                   s.inventory ? row.value(3) : QString(),
                                   linked.Of(row.value(0)),
                                   s.inventory ? row.value(2) : QString(),
                                   s.inventory ? QString() : s.examTable,
                                   s.inventory ? ItemKind::Medicine : ItemKind::Procedure};
        candidate.invOrProc = s.inventory ? QStringLiteral("INV") : QStringLiteral("PROC");
        candidate.revenueId = s.inventory ? QStringLiteral("PH") : s.revenueId;
        candidate.sectionId = s.section;
        if (s.sectionPerRow && !row.value(2).isEmpty())
            candidate.revenueId = candidate.sectionId = row.value(2);
        add(std::move(candidate));
    });
}

namespace {

// A fingerprint of the link tables the sources show codes from (row count and largest ID).
QString linksFingerprint(Connection& c, const QList<CandidateSource>& sources) {
    QStringList out;
    for (const CandidateSource& s : sources) {
        if (s.linkTable.isEmpty() || !sql::IsPlainName(s.linkTable)) continue;
        try {
            out << read(c,
                        QStringLiteral("SELECT COUNT(*), MAX(ID) FROM [Build_FIle].[dbo].[%1] WITH (NOLOCK)")
                            .arg(s.linkTable))
                       .rows.front()
                       .join(QLatin1Char('/'));
        } catch (const DbError& e) {
            if (e.cause() != DbError::Cause::MissingTable) throw;
            out << QString();
        }
    }
    return out.join(QLatin1Char('#'));
}

// The change markers of the databases holding the sources' items, or their links; empty when the
// connection cannot tell.
QString markers(Connection& c, const QList<CandidateSource>& sources, bool links) {
    const bool inventory = !links && std::any_of(sources.begin(), sources.end(),
                                                 [](const CandidateSource& s) { return s.inventory; });
    const bool buildFile = links || std::any_of(sources.begin(), sources.end(),
                                                [](const CandidateSource& s) { return !s.inventory; });
    const QString a = inventory ? c.ChangeMarker(QStringLiteral("Inventory")) : QStringLiteral("-");
    const QString b = buildFile ? c.ChangeMarker(QStringLiteral("Build_FIle")) : QStringLiteral("-");
    return a.isEmpty() || b.isEmpty() ? QString() : a + QLatin1Char('|') + b;
}

}  // namespace

QList<SuggestCandidate> ReadCandidates(Connection& c, const CandidateSource& s) {
    QList<SuggestCandidate> candidates;
    ReadCandidates(c, s,
                   [&candidates](SuggestCandidate candidate) { candidates.append(std::move(candidate)); });
    return candidates;
}

void ReadCandidates(Connection& c, const QList<CandidateSource>& sources,
                    const std::function<void(SuggestCandidate)>& add) {
    for (const CandidateSource& s : sources) {
        if (!isPlain(s)) continue;
        try {
            ReadCandidates(c, s, add);
        } catch (const DbError& e) {
            // tbRevenues may name a table this database does not have.
            if (e.cause() != DbError::Cause::MissingTable) throw;
        }
    }
}

QList<SuggestCandidate> ReadCandidates(Connection& c, const QList<CandidateSource>& sources) {
    QList<SuggestCandidate> candidates;
    ReadCandidates(c, sources,
                   [&candidates](SuggestCandidate candidate) { candidates.append(std::move(candidate)); });
    return candidates;
}

SuggestIndex ReadIndex(Connection& c, const QList<CandidateSource>& sources) {
    return SuggestIndex::Read([&](const auto& add) {
        if (sources.size() == 1) {
            ReadCandidates(c, sources.front(), add);  // a single source's failure is the caller's to see
        } else {
            ReadCandidates(c, sources, add);
        }
    });
}

QString Fingerprint(Connection& c, const CandidateSource& s) {
    ReadResult r;
    if (s.inventory) {
        r = read(
            c, QStringLiteral("SELECT COUNT(*), MAX(ItemID), MAX(ItemName) FROM Inventory..tbInvMaster WITH "
                              "(NOLOCK) WHERE itemstatus = 0"));
    } else {
        requirePlain(s);
        r = read(c, QStringLiteral("SELECT COUNT(*), MAX(%1), MAX(%2)").arg(s.idField, s.nameField) +
                        procedureFrom(s));
    }
    return r.rows.empty() ? QString() : r.rows.front().join(QLatin1Char('/'));
}

const SuggestIndex& SuggestCache::IndexFor(Connection& c, const CandidateSource& s) {
    return IndexFor(c, QList<CandidateSource>{s});
}

namespace {

QString itemsFingerprint(Connection& c, const QList<CandidateSource>& sources) {
    QStringList fingerprints;
    for (const CandidateSource& s : sources) {
        try {
            fingerprints.append(isPlain(s) || sources.size() == 1 ? Fingerprint(c, s) : QString());
        } catch (const DbError& e) {
            if (sources.size() == 1 || e.cause() != DbError::Cause::MissingTable) throw;
            fingerprints.append(QString());
        }
    }
    return fingerprints.join(QLatin1Char('#'));
}

}  // namespace

const SuggestIndex& SuggestCache::IndexFor(Connection& c, const QList<CandidateSource>& sources) {
    const bool same = index_ && sources_ == sources;
    const QString itemsMarker = markers(c, sources, false);
    if (!same || itemsMarker.isEmpty() || itemsMarker != itemsMarker_) {
        // Where the database keeps change markers, the fingerprint of a new index is taken later (Settle):
        // the first suggestion does not wait for it. An index whose fingerprint was never taken cannot be
        // told fresh once the markers moved, and is read again.
        const bool build = !same || !fingerprint_;
        const QString fingerprint =
            !build || itemsMarker.isEmpty() ? itemsFingerprint(c, sources) : QString();
        if (build || fingerprint != *fingerprint_) {
            index_.reset();
            const QString links = linksFingerprint(c, sources);
            const QString linksMarker = markers(c, sources, true);
            index_ = std::make_unique<SuggestIndex>(ReadIndex(c, sources));
            sources_ = sources;
            fingerprint_ = itemsMarker.isEmpty() ? std::optional<QString>(fingerprint) : std::nullopt;
            linksFingerprint_ = links;
            itemsMarker_ = itemsMarker;
            linksMarker_ = linksMarker;
            return *index_;
        }
        itemsMarker_ = itemsMarker;
    }
    const QString linksMarker = markers(c, sources, true);
    if (linksMarker.isEmpty() || linksMarker != linksMarker_) {
        const QString links = linksFingerprint(c, sources);
        if (links != linksFingerprint_) {
            // Only the links changed: the codes shown beside the items are read again, the index stays.
            QHash<QString, LinkedCodes> bySource;
            for (const CandidateSource& s : sources) {
                if (isPlain(s)) bySource.insert(s.inventory ? QString() : s.examTable, linkedCodes(c, s));
            }
            index_->Relink([&bySource](QAnyStringView itemId, const QString& source) {
                const auto found = bySource.constFind(source);
                return found == bySource.cend() ? QString() : found->Of(itemId.toString());
            });
            linksFingerprint_ = links;
        }
        linksMarker_ = linksMarker;
    }
    return *index_;
}

void SuggestCache::Settle(Connection& c) {
    if (!index_ || fingerprint_ || markers(c, sources_, false) != itemsMarker_) return;
    // Nothing was written since the index was read: what the items are now is what it was read from.
    fingerprint_ = itemsFingerprint(c, sources_);
}

bool ExamTableOfRevenue(Connection& c, const QString& revenueId, CandidateSource& s) {
    const RevenueExamTables revenues = RevenueExamTables::ReadOne(c, revenueId);
    s.inventory = false;
    s.revenueId = revenueId;
    if (const ItemTable* exam = revenues.Of(revenueId)) {
        setExamTable(s, {exam->name, exam->idField, exam->nameField});
        s.section.clear();
        return true;
    }
    const ReadResult code = read(
        c,
        QStringLiteral("SELECT RevenueID FROM Build_FIle..tbcorevenuecode WITH (NOLOCK) WHERE RevenueID = ") +
            sql::Literal(revenueId));
    if (code.rows.empty()) return false;
    // A revenue code without an exam table of its own: its items are a section of the other revenues.
    setExamTable(s, ExamTableNames::OtherRevenue());
    s.section = revenueId;
    return true;
}

bool SourceOfCategory(const QString& table, const QString& category, CandidateSource& s) {
    const CategoryRoute& route = CategoryRoute::For(table, category);
    s.section.clear();
    if (route.inventory) {
        s.inventory = true;
        s.revenueId = QStringLiteral("PH");
        s.examTable.clear();
        s.idField.clear();
        s.nameField.clear();
        return true;
    }
    if (!route.stem) return false;
    s.inventory = false;
    setExamTable(s, ExamTableNames::OfStem(QLatin1String(route.stem)));
    s.revenueId = route.revenueId ? QString::fromLatin1(route.revenueId) : QString();
    if (route.sectionId) s.section = QLatin1String(route.sectionId);
    return true;
}

QList<CandidateSource> CandidateSources(Connection& c, const QString& table, const QString& category) {
    const QString linkTable = table + QStringLiteral("_LINK");
    CandidateSource routed;
    routed.linkTable = linkTable;
    const bool hasRoute = SourceOfCategory(table, category, routed);
    if (routed.inventory && hasRoute) return {routed};
    // The list's route for a category it does not name.
    const bool catchAll = &CategoryRoute::For(table, category) == &CategoryRoute::For(table, QString());
    const bool imaging = hasRoute && isImaging(routed.examTable);
    if (!imaging && !catchAll && !spansExamTables(table, category))
        return hasRoute ? QList<CandidateSource>{routed} : QList<CandidateSource>{};

    QList<CandidateSource> sources;
    for (const RevenueTable& t : revenueTables(c))
        if (!imaging || isImaging(t.names.table)) sources.append(examSource(t, linkTable));
    if (sources.isEmpty() && hasRoute) sources.append(routed);
    return sources;
}

}  // namespace esoa::assist
