#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "app/DbError.h"
#include "reference/KnownCodes.h"

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
    // Who reads the message: the window's user (advised to use "b. Scan & Import" again) or the
    // command line's (advised to run the import again).
    enum class Reader { Window, Terminal };
    // What the user is told about this file: why it stopped, or its counts when lines were refused,
    // with the first `shownRefused` refused lines; empty for a file finished without refusals. A
    // stop is followed by the advice to import again, except where that cannot help: the database
    // is read-only, or its file cannot be read or written.
    QString Message(int shownRefused, Reader reader = Reader::Window) const;
    // The counts and every refused line, for saving as a text file.
    QString Report() const;
};

// Imports one reference file into one reference table, without any window: only codes the table does
// not hold yet (by the database's own comparison) are added, stored rows are never changed, and a
// code repeated later in the file is already present for the later line. A new code is inserted
// through a recordset, as the row the lookup "SELECT * FROM [Build_FIle].[dbo].<table> WHERE Code =
// '<code>'   " would add.
//
// The codes the table holds are read once and kept in memory (KnownCodes), so a line costs no
// lookup: on the embedded database never, on SQL Server only when the code resembles a known one
// closely enough that only the server's collation can tell. Lines go in short batches, each one
// transaction that first reads the rows added since the last batch; the progress is told after each
// batch is committed, so a stop loses at most the batch under way (a fraction of a second).
//
// A line is refused (and the next line handled) when a field cannot be stored as it is: a NUL or an
// unpaired surrogate, a text longer than its column, a fee that is not a SMALLMONEY amount; or when
// the database refuses one of its values. Any other failure (the table missing, the database locked,
// read-only or full, the connection lost, the file unreadable) ends the run at once: every later line
// would fail the same way. Rows of committed batches stay stored, and a later run completes the file
// without duplicates.
class ImportRun {
public:
    // Told once before the first line (done 0) and after each committed batch: lines handled and
    // the total. Returns false to stop there; an exception thrown from it ends the run, with every
    // batch told of stored.
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
    // A line cut into its fields: Code|Category|Description, then FixedFee|ChargingUnit for an ER
    // table; a medicine line's category is "Medicine". No trimming, missing fields empty.
    static Fields Cut(const QString& line, bool medicine, bool erTable);

    // How codes are matched against the table's: by default as the connection's comparison allows
    // (KnownCodes::MatchingFor); Coarse can be asked for on any connection.
    void setMatching(KnownCodes::Matching matching) { matching_ = matching; }

private:
    class Batches;

    Connection& connection_;
    QString table_;
    std::optional<KnownCodes::Matching> matching_;
};

}  // namespace esoa
