#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

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
    QString revenueId;                      // procedures: links are matched and filed on this revenue
    // Procedures, the other-revenue table without a section: each row is filed under its own
    // OtherSectionID, as a click on that revenue code files it (RevenueID and SectionID both the code).
    bool sectionPerRow = false;

    bool operator==(const CandidateSource&) const = default;
};

// Reads the candidates of a source from the database (read-only statements, valid T-SQL on both
// backends). Each candidate carries where a link to it is filed: "INV" under revenue "PH", or "PROC"
// under the source's revenue and section (or its row's section, `sectionPerRow`), which the link write
// accepts for that item (core/links/LinkSource.h). Throws DbError.
QList<SuggestCandidate> ReadCandidates(Connection& connection, const CandidateSource& source);
// The candidates of several sources in one list, in the order of the sources. A source whose exam table
// is missing from the database, or whose names are not plain names, is left out; other failures throw
// DbError.
QList<SuggestCandidate> ReadCandidates(Connection& connection, const QList<CandidateSource>& sources);
// The same candidates handed to `add` one at a time as they are read (`add` must not use the
// connection), so that they are never all held at once.
void ReadCandidates(Connection& connection, const CandidateSource& source,
                    const std::function<void(SuggestCandidate)>& add);
void ReadCandidates(Connection& connection, const QList<CandidateSource>& sources,
                    const std::function<void(SuggestCandidate)>& add);

// An index of the candidates of `sources`, read as they are streamed (ReadCandidates).
SuggestIndex ReadIndex(Connection& connection, const QList<CandidateSource>& sources);

// A cheap fingerprint of a source's items (row count, largest item id and name): when it changes, an
// index built earlier is stale.
QString Fingerprint(Connection& connection, const CandidateSource& source);

// Keeps one index per window: built on first use, reused while its sources and their fingerprints stay
// the same, rebuilt when either changes. The codes the items are linked to are read again, without a
// rebuild, when only the links changed. Where the database tells cheaply that nothing was written
// (Connection::ChangeMarker), nothing is read at all to find the index fresh, and the fingerprint of a
// new index is taken by Settle, once the suggestion it was read for is shown.
class SuggestCache {
public:
    const SuggestIndex& IndexFor(Connection& connection, const CandidateSource& source);
    const SuggestIndex& IndexFor(Connection& connection, const QList<CandidateSource>& sources);
    // Takes the fingerprint of an index read without one, while nothing was written since: call it when
    // the window is idle after a suggestion, so that a later write that leaves the items as they were
    // (a saved link) does not make the next suggestion read them again. Throws DbError.
    void Settle(Connection& connection);

private:
    QList<CandidateSource> sources_;
    QString itemsMarker_, linksMarker_;   // the databases' change markers when last found fresh
    std::optional<QString> fingerprint_;  // of the items; none while not yet taken (Settle)
    QString linksFingerprint_;            // of the link tables
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

// The sources worth ranking for a code of `category` in the reference table `table`, which may look
// beyond the one exam table its route names (the window's search and routing stay as they are):
// - a route to the inventory: the inventory;
// - a route to an imaging exam table: every imaging exam table that tbRevenues names (an X-ray,
//   ultrasound, CT or MRI table, known by its name: SourceAttributes), each under its revenue;
// - a category whose route names no exam table of its own (the list's "any other category") and the
//   item list's "LaboratoryAndDiagnostic" (laboratory and every other diagnostic exam): every exam
//   table that tbRevenues names, the other-revenue table's rows each under its own section;
// - any other category: the one source of its route (SourceOfCategory).
// A table that several revenues name is read once, under the first of them by RevenueID; when tbRevenues
// names no such table, the route's own source is used, or none. Sources carry `linkTable`, the link
// table of `table`. Throws DbError.
QList<CandidateSource> CandidateSources(Connection& connection, const QString& table,
                                        const QString& category);

}  // namespace esoa::assist
