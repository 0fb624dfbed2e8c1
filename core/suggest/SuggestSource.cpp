#include "core/suggest/SuggestSource.h"

#include <QHash>

#include "database/Connection.h"
#include "database/DbError.h"
#include "database/SqlText.h"
#include "core/links/LinkSource.h"
#include "core/lookup/HospitalLists.h"
#include "core/routing/CategoryRoute.h"

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
    QString from = QStringLiteral(" FROM [Build_FIle].[dbo].[%1] WITH (NOLOCK) WHERE Status='A'").arg(s.examTable);
    if (!s.section.isEmpty()) from += QStringLiteral(" AND OtherSectionID = ") + sql::Literal(s.section);
    return from;
}

}  // namespace

QList<SuggestCandidate> ReadCandidates(Connection& c, const CandidateSource& s) {
    ReadResult items;
    if (s.inventory) {
        items = read(c, ActiveInventoryStatement());
    } else {
        requirePlain(s);
        items = read(c, QStringLiteral("SELECT %1, %2").arg(s.idField, s.nameField) + procedureFrom(s));
    }
    // The code each item already carries in the current link table; a missing link table just means none.
    QHash<QString, QString> linked;
    if (!s.linkTable.isEmpty() && sql::IsPlainName(s.linkTable)) {
        try {
            const QString where = s.inventory ? QStringLiteral("InvOrProc = 'INV'")
                                              : QStringLiteral("RevenueID = ") + sql::Literal(s.revenueId);
            const ReadResult links = read(
                c, QStringLiteral("SELECT ItemID, Code FROM [Build_FIle].[dbo].[%1] WITH (NOLOCK) WHERE %2")
                       .arg(s.linkTable, where));
            for (const QStringList& row : links.rows) linked.insert(row.value(0).toLower(), row.value(1));
        } catch (const DbError& e) {
            if (e.cause() != DbError::Cause::MissingTable) throw;
        }
    }
    QList<SuggestCandidate> candidates;
    candidates.reserve(qsizetype(items.rows.size()));
    for (const QStringList& row : items.rows) {
        candidates.append({row.value(0), row.value(1), s.inventory ? row.value(3) : QString(),
                           linked.value(row.value(0).toLower()), s.inventory ? row.value(2) : QString(),
                           s.inventory ? QString() : s.examTable,
                           s.inventory ? ItemKind::Medicine : ItemKind::Procedure});
    }
    return candidates;
}

QString Fingerprint(Connection& c, const CandidateSource& s) {
    ReadResult r;
    if (s.inventory) {
        r = read(c, QStringLiteral("SELECT COUNT(*), MAX(ItemID), MAX(ItemName) FROM Inventory..tbInvMaster WITH "
                                   "(NOLOCK) WHERE itemstatus = 0"));
    } else {
        requirePlain(s);
        r = read(c, QStringLiteral("SELECT COUNT(*), MAX(%1), MAX(%2)").arg(s.idField, s.nameField) + procedureFrom(s));
    }
    QString links;
    if (!s.linkTable.isEmpty() && sql::IsPlainName(s.linkTable)) {
        try {
            links = read(c, QStringLiteral("SELECT COUNT(*), MAX(ID) FROM [Build_FIle].[dbo].[%1] WITH (NOLOCK)")
                                .arg(s.linkTable))
                        .rows.front()
                        .join(QLatin1Char('/'));
        } catch (const DbError& e) {
            if (e.cause() != DbError::Cause::MissingTable) throw;
        }
    }
    return r.rows.empty() ? links : r.rows.front().join(QLatin1Char('/')) + QLatin1Char('|') + links;
}

const SuggestIndex& SuggestCache::IndexFor(Connection& c, const CandidateSource& s) {
    const QString fingerprint = Fingerprint(c, s);
    if (!index_ || !(source_ == s) || fingerprint != fingerprint_) {
        index_ = std::make_unique<SuggestIndex>(ReadCandidates(c, s));
        source_ = s;
        fingerprint_ = fingerprint;
    }
    return *index_;
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

}  // namespace esoa::assist
