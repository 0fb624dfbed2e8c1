#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "database/CodeKey.h"

namespace esoa {

class Connection;

// One PhilHealth list, the one place that names it: its reference table, its link table, the files
// read into it (in the order the import reads them), the command line's word for it and the option
// of the window's "1. Select Type" that chooses it.
struct ReferenceList {
    QString table;      // "ESOA_ITEM" or "ESOA_ER"
    QStringList names;  // the files' list names, without folder or ".csv"
    QString word;       // "item" or "er"
    int option = -1;    // 0 or 1
    QString caption;    // that option's caption: "ESOA ITEM" or "PHIC ER Item"

    QString linkTable() const { return LinkTableOf(table); }
    bool erTable() const { return IsErTable(table); }

    static ReferenceList Item();  // ESOA_ITEM.csv, then ESOA_MEDICINE.csv (category "Medicine")
    static ReferenceList Er();    // ESOA_ER.csv
    // Both lists, in the order of their options.
    static std::vector<ReferenceList> All();
    // The list of a reference table's name ("ESOA_ITEM", "ESOA_ER") or of a command line's word
    // ("item", "er"), any letter case; nullopt for anything else.
    static std::optional<ReferenceList> Named(const QString& name);
    // The list whose table is exactly `table` (the window's caption), or whose option is `index`.
    static std::optional<ReferenceList> OfTable(const QString& table);
    static std::optional<ReferenceList> AtOption(int index);

    // The link table of a reference table: its name followed by "_LINK".
    static QString LinkTableOf(const QString& table) { return table + QStringLiteral("_LINK"); }
    // Whether `table` is the ER list's, whose lines carry a fee and a unit (exact comparison).
    static bool IsErTable(const QString& table);
    // Whether the file of list name `name` holds medicines, stored under the category "Medicine".
    static bool IsMedicineFile(const QString& name);
};

// The four values a code carries in a reference table, a file line and a link's copies.
struct CodeValues {
    QString category, description, fixedFee, chargingUnit;
};

// One row of a reference table, as read.
struct ReferenceRow {
    QString id;
    QString code;
    CodeValues values;
};

// One row of a link table, every column as read (NULL reads as empty).
struct LinkRow {
    QString id, code;
    CodeValues copies;
    QString itemId, itemDesc, invOrProc, revenueId, sectionId, sortOrder;
};

// Whether two fee texts stand for the same amount ("75" and "75.0000"; empty for NULL). Texts that
// are no amount compare as texts.
bool SameFee(const QString& a, const QString& b);

// The names of the values that differ between `from` and `to` ("Category", "Description",
// "FixedFee", "ChargingUnit"), texts compared exactly, fees as amounts.
QStringList DifferingValues(const CodeValues& from, const CodeValues& to);

// Every row of the reference table / link table of `list`, in ID order, each with one plain SELECT.
// Throw DbError.
std::vector<ReferenceRow> ReadReferenceRows(Connection& connection, const ReferenceList& list);
std::vector<LinkRow> ReadLinks(Connection& connection, const ReferenceList& list);
// The same rows of the reference table handed to `onRow` one at a time as they are read (it must
// not use the connection).
void ForEachReferenceRow(Connection& connection, const ReferenceList& list,
                         const std::function<void(const ReferenceRow& row)>& onRow);

// The twelve columns of a link row, in LinkRow's order, each led by "<alias>." when an alias is
// given ("L.ID,L.Code,..."), and the link row of such cells from `first` on.
QString LinkColumns(const QString& alias = {});
LinkRow LinkRowFrom(const QStringList& cells, qsizetype first = 0);

// The links (or reference rows) of `list` with the given IDs, in ID order, read in batches with the
// table hint `hint` ("NOLOCK", or "UPDLOCK, HOLDLOCK" inside a writer's transaction). IDs that are no
// row IDs are refused (std::invalid_argument); rows that do not exist are left out. DbError.
std::vector<LinkRow> ReadLinksById(Connection& connection, const ReferenceList& list, const QStringList& ids,
                                   const QString& hint);
std::vector<ReferenceRow> ReadReferenceRowsById(Connection& connection, const ReferenceList& list,
                                                const QStringList& ids, const QString& hint);

}  // namespace esoa
