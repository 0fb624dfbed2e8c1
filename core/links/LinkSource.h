#pragma once

#include <QHash>
#include <QString>

#include "database/CodeKey.h"

namespace esoa {

class Connection;

// A table that holds hospital items: the inventory master, or an exam table of Build_FIle.
struct ItemTable {
    QString name;       // "Inventory..tbInvMaster", or an exam table's name inside [Build_FIle].[dbo]
    QString idField;    // the item's key column
    QString nameField;  // the item's name column
    bool inventory = false;

    static ItemTable Inventory();     // Inventory..tbInvMaster: ItemID, ItemName
    static ItemTable OtherRevenue();  // tbcoOtherRevenue: OtherRevenueID, OtherRevenue

    // The table as a statement names it: "Inventory..tbInvMaster", "[Build_FIle].[dbo].[tbcoLabExam]".
    QString Reference() const;
    // The status column ("itemstatus" of the inventory, "Status" of an exam table) and whether a
    // status read from it means active: 0 for the inventory, "A" for an exam table (as the database
    // compares it).
    QString statusField() const;
    bool IsActive(const QString& status) const;
};

// The exam tables that tbRevenues names, by revenue. Revenues without an exam table are left out.
// Revenue IDs are matched as the database matches them (CodeKey).
class RevenueExamTables {
public:
    // Every revenue's exam table, or only that of `revenueId`, each in one plain SELECT. Throws DbError.
    static RevenueExamTables ReadAll(Connection& connection);
    static RevenueExamTables ReadOne(Connection& connection, const QString& revenueId);

    // The exam table of a revenue, or nullptr.
    const ItemTable* Of(const QString& revenueId) const;

private:
    static RevenueExamTables Read(Connection& connection, const QString& statement);
    QHash<CodeKey, ItemTable> byRevenue_;
};

// Which table holds the hospital item of a link, from the link's InvOrProc, RevenueID and SectionID:
// "INV" (compared exactly, as the screen writes it): the inventory master; otherwise a link with a
// section: the other-revenue table, whose rows the section groups; otherwise the exam table that
// tbRevenues names for the revenue; otherwise, as the screen's other-revenue routes file them, the
// other-revenue table. The names in the result are not checked (see RequirePlainNames).
class LinkSource {
public:
    LinkSource(const QString& invOrProc, const QString& revenueId, const QString& sectionId)
        : invOrProc_(invOrProc), revenueId_(revenueId), sectionId_(sectionId) {}

    // Whether the answer depends on tbRevenues (a procedure link without a section).
    bool NeedsRevenueTables() const;
    ItemTable Table(const RevenueExamTables& revenues) const;
    // "PROC, revenue 'LB', section ''": the three values the table was chosen by.
    QString Described() const;

private:
    QString invOrProc_, revenueId_, sectionId_;
};

// The one check of the names that stand in a statement as names but come from data (the exam table
// and its columns, from the revenue table or the screen's hidden labels): throws DbError (cause
// Statement) when one could change the statement's meaning. The inventory's names are the program's.
void RequirePlainNames(const ItemTable& table);

}  // namespace esoa
