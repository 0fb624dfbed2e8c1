#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <vector>

namespace esoa {

class Connection;
enum class ColumnKind;

// An updatable recordset, as the insert-or-update of this program uses one: opened on a SELECT that
// finds a row by its key, positioned on the first row found (or at EOF), then either AddNew or edit
// that row, set fields by name, Update, Close.
//
// The SELECT is sent exactly as the caller built it. Update sends one INSERT, or one UPDATE of the
// first row found (by its ID), with every value bound as a parameter. An empty text for a numeric
// column (money, smallint) is stored as NULL. On the embedded database a money text is converted as
// SQL Server converts it ("1,200.00", "$75.00", rounded to four decimals) and a text SQL Server
// would refuse is refused alike. Every failure throws DbError with the database's own description.
// Holds a reference to its Connection, which must outlive it.
class Recordset {
public:
    bool isEOF() const { return !rowId_.has_value(); }

    // Starts a new row; the fields set afterwards are inserted by Update.
    void AddNew();
    // A field of the current row as read (NULL reads as empty), by name (letter case ignored); empty
    // at EOF and on a new row.
    QString Value(const QString& name) const;
    // Sets a field of the new or current row, by name (letter case ignored, as ADO does).
    void SetField(const QString& name, const QString& value);
    // Writes the new row or the changed fields of the current row; nothing when nothing was set.
    void Update();
    void Close();

private:
    friend class Connection;
    struct Field {
        QString name;
        ColumnKind kind;
    };
    Recordset(Connection& connection, QString statement, QString table, std::vector<Field> fields,
              std::optional<QVariant> rowId, QStringList current);
    const Field& field(const QString& name) const;
    QVariant Stored(const Field& f, const QString& value) const;

    Connection* connection_;
    QString statement_;
    QString table_;
    std::vector<Field> fields_;
    std::optional<QVariant> rowId_;
    QStringList current_;
    bool adding_ = false;
    bool open_ = true;
    std::vector<std::pair<Field, QString>> pending_;
};

}  // namespace esoa
