#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/ListData.h"
#include "core/files/Csv.h"

namespace esoa {

class Connection;
namespace history {
class Action;
}

// A link of a list that no longer agrees with what it points at.
struct StaleLink {
    enum class Reason {
        CopiesDiffer,   // its category, description, fee or unit differ from its reference row
        CodeWithdrawn,  // its code is not in the reference table
        ItemMissing,    // its hospital item does not exist
        ItemInactive,   // its hospital item exists but is inactive
    };
    LinkRow link;
    std::vector<Reason> reasons;
    bool hasReference = false;  // a reference row of the code exists: the copies can be refreshed
    CodeValues reference;       // that row's values (the first row of the code, by ID)
    QStringList differing;      // CopiesDiffer: the names of the values that differ
    QString itemTable;          // where the hospital item was looked for
    QString itemName;           // its current name (empty when missing)
    QString note;               // why the item could not be looked for, if the table is the problem

    // The reasons in plain words, joined by "; " ("copies differ from the reference row (FixedFee);
    // hospital item is inactive").
    QString ReasonText() const;
};

// Checks every link of a list against its reference table and the hospital's items: the reference
// rows are read once, the links with their items in one statement (HospitalItems). DbError when a
// read fails.
class StaleLinks {
public:
    // Hands each stale link to `onStale` as it is found, in ID order (it must not use the connection).
    static void Check(Connection& connection, const ReferenceList& list,
                      const std::function<void(const StaleLink& link)>& onStale);
    static std::vector<StaleLink> Check(Connection& connection, const ReferenceList& list);

    // Rewrites the copies (Category, Description, FixedFee, ChargingUnit) of `links` from their
    // reference rows as checked, through the link write, in one transaction of `action` (whose list
    // is theirs; nothing written on a failure, DbError thrown). Links without a reference row, and
    // links deleted meanwhile, are skipped. Returns how many were rewritten.
    static int Refresh(history::Action& action, const std::vector<StaleLink>& links);

    // The check as plain text (one link a line) and as CSV with a header line; each made of the
    // pieces below, for a report written as the links are found.
    static QString Text(const ReferenceList& list, const std::vector<StaleLink>& links);
    static csv::Table Csv(const std::vector<StaleLink>& links);
    static QString TextHeader(const ReferenceList& list, qsizetype count);  // "ESOA_ER_LINK: 2 stale links."
    static QString TextLine(const StaleLink& link);                        // without its line break
    static QStringList CsvHeader();
    static QStringList CsvRecord(const StaleLink& link);
};

}  // namespace esoa
