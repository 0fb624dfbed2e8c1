#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "app/DbError.h"

namespace esoa {

class Connection;

// One line of a reference file that was not stored, with the reason in plain words.
struct RefusedLine {
    int line = 0;  // 1-based, as an editor counts the file's lines
    QString reason;

    QString Text() const { return QStringLiteral("line %1: %2").arg(line).arg(reason); }
};

// What the import of one reference file did.
struct ImportSummary {
    enum class End {
        Finished,   // every line was handled
        Cancelled,  // the caller asked to stop
        Failed,     // a failure that is not a line's own ended the run (see cause, detail)
    };

    QString file;   // the file's name as the user knows it ("ESOA_ER.csv")
    int total = 0;  // lines in the file; 0 when it could not be read
    int read = 0;   // lines handled, refused ones included
    int added = 0;  // new rows stored
    int present = 0;
    std::vector<RefusedLine> refused;
    End end = End::Finished;
    // Failed only: why, in plain words ("the database is locked by another user or program"), and
    // the database's or the file system's own description; `dbCause` is Other for the file's
    // failures and for anything else that is not a DbError.
    QString cause;
    QString detail;
    DbError::Cause dbCause = DbError::Cause::Other;

    bool finished() const { return end == End::Finished; }
    // "ESOA_ER.csv: 120 lines read, 100 added, 15 already present, 5 refused."
    QString Counts() const;
    // What the user is told about this file: why it stopped, or its counts when lines were refused,
    // with the first `shownRefused` refused lines; empty for a file finished without refusals.
    QString Message(int shownRefused) const;
    // The counts and every refused line, for saving as a text file.
    QString Report() const;
};

// Imports one reference file into one reference table, without any window: only codes the table does
// not hold yet are added, each new row stored by itself, stored rows never changed. Each line is
// looked up by its code with the same statement the tool always sent; a new code is inserted through
// a recordset.
//
// A line is refused (and the next line handled) when a field cannot be stored as it is: a NUL or an
// unpaired surrogate, a text longer than its column, a fee that is not a SMALLMONEY amount; or when
// the database refuses one of its values. Any other failure (the table missing, the database locked,
// read-only or full, the connection lost, the file unreadable) ends the run at once: every later line
// would fail the same way. Rows stored before a stop stay stored, and a later run completes the file
// without duplicates, since every code is looked up first.
class ImportRun {
public:
    // Told once before the first line (done 0) and after each line: lines handled and the total.
    // Returns false to stop there.
    using Progress = std::function<bool(int done, int total)>;

    // `table`: the target reference table, "ESOA_ITEM" or "ESOA_ER", fixed for the whole run; an ER
    // table reads five fields a line (fee and unit), any other three. The connection must outlive
    // the run.
    ImportRun(Connection& connection, const QString& table) : connection_(connection), table_(table) {}

    // Reads the file at `path` and imports its lines. `listName` is the file's list name
    // ("ESOA_ITEM", "ESOA_MEDICINE", "ESOA_ER"); "ESOA_MEDICINE" stores every line under the
    // category "Medicine". Never throws for the file's or the database's failures: they are in the
    // summary.
    ImportSummary Import(const QString& path, const QString& listName, const Progress& progress = {}) const;
    // The same for lines already read; `summary.file` names them.
    ImportSummary ImportLines(const QStringList& lines, const QString& listName, const QString& file,
                              const Progress& progress = {}) const;

    // The reason a line's fields cannot be stored in `table`, in plain words; empty when they can.
    // `fee` is rewritten as the amount the database stores, so both backends get the same value.
    struct Fields {
        QString code, category, description, fixedFee, chargingUnit;
    };
    static QString Fault(Fields& fields, bool erTable);

private:
    Connection& connection_;
    QString table_;
};

}  // namespace esoa
