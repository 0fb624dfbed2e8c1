#include "core/suggest/SuggestSource.h"

#include <QHash>

#include "core/routing/CategoryRoute.h"
#include "database/CodeKey.h"
#include "database/Connection.h"
#include "database/DbError.h"
#include "database/SqlText.h"

namespace esoa::assist {
namespace {

ReadResult read(Connection& c, const QString& statement) {
    return c.Read(statement, CursorType::ForwardOnly, LockType::ReadOnly);
}

QString quoted(const QString& value) { return QLatin1Char('\'') + sql::Escaped(value) + QLatin1Char('\''); }

void requirePlain(const CandidateSource& s) {
    for (const QString& name : {s.examTable, s.idField, s.nameField}) {
        if (!sql::IsPlainName(name))
            throw DbError(QStringLiteral("The exam table or column name \"%1\" is not a plain name.").arg(name), {}, {},
                          DbError::Cause::Statement);
    }
}

QString procedureFrom(const CandidateSource& s) {
    QString from = QStringLiteral(" FROM [Build_FIle].[dbo].[%1] WITH (NOLOCK) WHERE Status='A'").arg(s.examTable);
    if (!s.section.isEmpty()) from += QStringLiteral(" AND OtherSectionID = ") + quoted(s.section);
    return from;
}

}  // namespace

QList<SuggestCandidate> ReadCandidates(Connection& c, const CandidateSource& s) {
    ReadResult items;
    if (s.inventory) {
        items = read(c, QStringLiteral("SELECT A.ItemID, A.ItemName, B.GenericName, A.ItemDesc FROM Inventory..tbInvMaster A WITH "
                                       "(NOLOCK) LEFT OUTER JOIN Inventory..tbForGeneric B ON A.GenericID=B.GenericID "
                                       "WHERE A.itemstatus = 0"));
    } else {
        requirePlain(s);
        items = read(c, QStringLiteral("SELECT %1, %2").arg(s.idField, s.nameField) + procedureFrom(s));
    }
    // The code each item already carries in the current link table; a missing link table just means none.
    QHash<CodeKey, QString> linked;
    if (!s.linkTable.isEmpty() && sql::IsPlainName(s.linkTable)) {
        try {
            const QString where = s.inventory ? QStringLiteral("InvOrProc = 'INV'")
                                              : QStringLiteral("RevenueID = ") + quoted(s.revenueId);
            const ReadResult links = read(
                c, QStringLiteral("SELECT ItemID, Code FROM [Build_FIle].[dbo].[%1] WITH (NOLOCK) WHERE %2")
                       .arg(s.linkTable, where));
            for (const QStringList& row : links.rows) linked.insert(CodeKey(row.value(0)), row.value(1));
        } catch (const DbError& e) {
            if (e.cause() != DbError::Cause::MissingTable) throw;
        }
    }
    QList<SuggestCandidate> candidates;
    candidates.reserve(qsizetype(items.rows.size()));
    for (const QStringList& row : items.rows) {
        candidates.append({row.value(0), row.value(1), s.inventory ? row.value(2) : QString(),
                           linked.isEmpty() ? QString() : linked.value(CodeKey(row.value(0))),
                           s.inventory ? row.value(3) : QString(), s.inventory ? QString() : s.examTable,
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
    const ReadResult r =
        read(c, QStringLiteral("SELECT [ExamTableName],[IDFieldName],[ExamFieldName] FROM [Build_FIle].[dbo].[tbRevenues] "
                               "WITH (NOLOCK) WHERE RevenueID = ") +
                    quoted(revenueId));
    s.inventory = false;
    s.revenueId = revenueId;
    if (!r.rows.empty() && !r.rows.front().value(0).isEmpty()) {
        s.examTable = r.rows.front().value(0);
        s.idField = r.rows.front().value(1);
        s.nameField = r.rows.front().value(2);
        s.section.clear();
        return true;
    }
    const ReadResult code = read(
        c, QStringLiteral("SELECT RevenueID FROM Build_FIle..tbcorevenuecode WITH (NOLOCK) WHERE RevenueID = ") +
               quoted(revenueId));
    if (code.rows.empty()) return false;
    // A revenue code without an exam table of its own: its items are a section of the other revenues.
    const ExamTableNames other = ExamTableNames::OfStem(QStringLiteral("OtherRevenue"));
    s.examTable = other.table;
    s.idField = other.idField;
    s.nameField = other.nameField;
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
    const ExamTableNames names = ExamTableNames::OfStem(QLatin1String(route.stem));
    s.inventory = false;
    s.examTable = names.table;
    s.idField = names.idField;
    s.nameField = names.nameField;
    s.revenueId = route.revenueId ? QString::fromLatin1(route.revenueId) : QString();
    if (route.sectionId) s.section = QLatin1String(route.sectionId);
    return true;
}

}  // namespace esoa::assist
