#pragma once

#include <QString>
#include <vector>

namespace esoa {

class Connection;

// One table the program reads or writes.
struct NeededTable {
    enum class Kind {
        Reference,  // a PhilHealth reference list, written ("a. Create Tables" makes it)
        Link,       // the links of a list, written ("a. Create Tables" makes it)
        Hospital,   // the hospital system's revenues, revenue codes, items or generics, read
        Exam,       // an exam table of the hospital system, read
    };
    QString database;  // "Build_FIle" or "Inventory"
    QString table;
    Kind kind;

    // Made by this program; the others come from the hospital system.
    bool own() const { return kind == Kind::Reference || kind == Kind::Link; }
    // What the program does with it ("reference list, written").
    QString use() const;
};

// The tables the program needs: the reference and link tables of both lists, the hospital's revenue
// and revenue code tables, the exam tables that tbRevenues names (when it can be read) and those the
// category routing names, and the inventory's items and generics. Reads tbRevenues; throws DbError
// for a failure other than a missing table.
std::vector<NeededTable> NeededTables(Connection& connection);

// Whether a table can be read, by a statement that reads no row, valid on both backends: false when
// it does not exist; throws DbError for any other failure.
bool TableExists(Connection& connection, const QString& database, const QString& table);

}  // namespace esoa
