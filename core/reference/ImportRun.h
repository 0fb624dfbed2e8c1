#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "database/DbError.h"
#include "core/reference/FirstLines.h"
#include "core/reference/KnownCodes.h"
#include "core/reference/ReferenceFile.h"

namespace esoa {

class Connection;

// One line of a reference file that a summary names, with the reason in plain words: a line that
// was not stored, or one that deserves a look.
struct LineNote {
    int line = 0;  // 1-based, as an editor counts the file's lines
    QString reason;

    QString Text() const { return QStringLiteral("line %1: %2").arg(QString::number(line), reason); }
};
using RefusedLine = LineNote;

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
    int blank = 0;  // lines empty or of white space only: skipped
    std::vector<LineNote> refused;
    // Lines read as they stand but worth a look: a code an earlier file of the list brings with
    // another description (that file's line is kept), a last line cut short.
    std::vector<LineNote> warnings;
    End end = End::Finished;
    // Failed only: why, in plain words ("the database is locked by another user or program"), and
    // the database's or the file system's own description; `dbCause` is Other for the file's
    // failures and for anything else that is not a DbError.
    QString cause;
    QString detail;
    DbError::Cause dbCause = DbError::Cause::Other;

    bool finished() const { return end == End::Finished; }
    // "ESOA_ER.csv: 120 lines read, 100 added, 15 already present, 5 refused." (then the blank lines
    // skipped and the warnings, when there are any)
    QString Counts() const;
    // Who reads the message: the window's user (advised to use "b. Scan & Import" again) or the
    // command line's (advised to run the import again).
    enum class Reader { Window, Terminal };
    // What the user is told about this file: why it stopped, and its counts when lines were refused,
    // skipped or warned of, with the first `shownRefused` of those lines in line order; empty for a
    // file finished without any of them. A stop is followed by the advice to import again, except
    // where that cannot help: the database is read-only, or its file cannot be read or written.
    QString Message(int shownRefused, Reader reader = Reader::Window) const;
    // The counts and every refused or warned-of line, for saving as a text file.
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
// A blank line (empty or white space only) is skipped. A line is refused (and the next line handled)
// when it has no code (an empty code or one of blanks only), or a field cannot be stored as it is: a
// NUL or an unpaired surrogate, a text longer than its column, a fee that is not a SMALLMONEY amount;
// or when the database refuses one of its values. A last line without a line break and with fewer
// fields than its layout is read as it stands, with a warning: the file may have been cut short.
// Any other failure (the table missing, the database locked, read-only or full, the connection lost,
// the file unreadable) ends the run at once: every later line would fail the same way. Rows of
// committed batches stay stored, and a later run completes the file without duplicates.
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

    // Imports the lines of a file read beforehand (a file that could not be read stops at once, as
    // the file's failure). The list name decides the category: "ESOA_MEDICINE" stores every line
    // under "Medicine". Never throws for the file's or the database's failures: they are in the
    // summary.
    ImportSummary Import(const ListFile& file, const Progress& progress = {}) const;
    // The same for complete lines of list `listName`; `summary.file` names them.
    ImportSummary ImportLines(const QStringList& lines, const QString& listName, const QString& file,
                              const Progress& progress = {}) const;

    // The first lines of the files of this scan imported before this one, noted further with this
    // file's lines: a line whose code an earlier file brings with another description, and that is
    // therefore not stored, is warned of. `first` must outlive the run.
    void setFirstLines(FirstLines& first) { first_ = &first; }

    // The reason a line's fields cannot be stored in `table`, in plain words; empty when they can.
    // `fee` is rewritten as the amount the database stores, so both backends get the same value.
    struct Fields {
        QString code, category, description, fixedFee, chargingUnit;
    };
    static QString Fault(Fields& fields, bool erTable);
    // A line cut into its fields: Code|Category|Description, then FixedFee|ChargingUnit for an ER
    // table; a medicine line's category is "Medicine". No trimming, missing fields empty.
    static Fields Cut(const QString& line, bool medicine, bool erTable);
    // A line that holds nothing but white space: skipped, not refused.
    static bool IsBlank(const QString& line) { return line.trimmed().isEmpty(); }
    // The warning for a text whose last line has no line break after it and fewer fields than the
    // layout of its table: the file may have been cut short.
    static std::optional<LineNote> CutShort(const ReferenceLines& text, bool erTable);

    // How codes are matched against the table's: by default as the connection's comparison allows
    // (KnownCodes::MatchingFor); Coarse can be asked for on any connection.
    void setMatching(KnownCodes::Matching matching) { matching_ = matching; }

private:
    class Batches;
    ImportSummary ImportText(const ReferenceLines& text, const QString& listName, const QString& file,
                             const Progress& progress) const;

    Connection& connection_;
    QString table_;
    std::optional<KnownCodes::Matching> matching_;
    FirstLines* first_ = nullptr;
};

}  // namespace esoa
