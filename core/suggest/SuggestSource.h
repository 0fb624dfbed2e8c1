#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

#include "ranking/SuggestIndex.h"

namespace esoa {
class Connection;
}

namespace esoa::assist {

// Where suggested hospital items come from: the active inventory items (with their generic names),
// or the active items of one exam table (optionally those of one section of the other-revenue table).
struct CandidateSource {
    bool inventory = true;
    QString examTable, idField, nameField;  // procedures only: plain names
    QString section;                        // procedures only: OtherSectionID filter, may be empty
    QString linkTable;                      // "ESOA_ER_LINK": shows the code each item is linked to
    QString revenueId;                      // procedures: links are matched on this revenue

    bool operator==(const CandidateSource&) const = default;
};

// Reads the candidates of a source from the database (read-only statements, valid T-SQL on both
// backends). Throws DbError.
QList<SuggestCandidate> ReadCandidates(Connection& connection, const CandidateSource& source);

// A cheap fingerprint of a source's contents (row count and largest item id): when it changes,
// an index built earlier is stale.
QString Fingerprint(Connection& connection, const CandidateSource& source);

// Keeps one index per window: built on first use, reused while its source and fingerprint stay
// the same, rebuilt when either changes.
class SuggestCache {
public:
    const SuggestIndex& IndexFor(Connection& connection, const CandidateSource& source);

private:
    CandidateSource source_;
    QString fingerprint_;
    std::unique_ptr<SuggestIndex> index_;
};

// The exam table of a revenue as tbRevenues names it (RevenueExamTables); a revenue code of
// tbcorevenuecode that tbRevenues gives no exam table is taken as a section of the other-revenue
// table. Throws DbError; returns false when neither is found.
bool ExamTableOfRevenue(Connection& connection, const QString& revenueId, CandidateSource& source);

// The source a click on `category` of the reference table `table` gives the window's search
// (CategoryRoute): inventory items (revenue "PH"), or the exam table of the route with its revenue
// and section. False for a route that names no exam table: the window then keeps whatever table an
// earlier click chose, so the category alone has no source.
bool SourceOfCategory(const QString& table, const QString& category, CandidateSource& source);

}  // namespace esoa::assist
