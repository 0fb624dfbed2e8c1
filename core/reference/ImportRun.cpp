#include "core/reference/ImportRun.h"

#include <QElapsedTimer>
#include <algorithm>
#include <map>
#include <optional>

#include "database/Connection.h"
#include "database/DbError.h"
#include "database/Money.h"
#include "database/RetryOnBusy.h"
#include "database/SqlText.h"
#include "core/ListData.h"
#include "core/reference/KnownCodes.h"
#include "core/reference/NextToken.h"
#include "core/reference/ReferenceFile.h"

namespace esoa {
namespace {

// Column sizes of the reference tables; longer texts are refused by the database.
constexpr int kShortText = 50;
constexpr int kDescriptionText = 250;
// A fee shown in a reason is cut to this many characters: a whole line pasted into the fee
// field would make the message unreadable.
constexpr int kShownFee = 30;

// Characters as the database counts them: a surrogate pair is one character.
qsizetype Characters(const QString& value) {
    qsizetype n = value.size();
    for (const QChar c : value) {
        if (c.isLowSurrogate()) --n;
    }
    return n;
}

QString ShownFee(const QString& fee) {
    return Characters(fee) <= kShownFee ? fee : fee.left(kShownFee) + QStringLiteral("...");
}

// The plain-words part of a stop; the database's own description follows it in the message.
QString CauseText(DbError::Cause cause, const QString& table) {
    switch (cause) {
        case DbError::Cause::MissingTable:
            return QStringLiteral("the table %1 does not exist (create it with \"a. Create Tables\")")
                .arg(table);
        case DbError::Cause::Busy:
            return QStringLiteral("the database is locked by another user or program");
        case DbError::Cause::ReadOnly:
            return QStringLiteral("the database cannot be written (it is read-only)");
        case DbError::Cause::Full:
            return QStringLiteral("the disk or the database is full");
        case DbError::Cause::Storage:
        case DbError::Cause::MissingFile:
            return QStringLiteral("the database file cannot be read or written");
        case DbError::Cause::Connection:
            return QStringLiteral("the connection to the database was lost");
        default:
            return QStringLiteral("the database reported an error");
    }
}

// What ends a line: nothing, a refusal of this line only, or a stop of the whole run.
struct Failure {
    bool lineOnly;
    QString cause;
    QString detail;
    DbError::Cause dbCause;
};

Failure FailureOf(const std::exception& e, const QString& table) {
    if (const auto* db = dynamic_cast<const DbError*>(&e)) {
        if (db->causedByValue()) return {true, {}, db->description(), db->cause()};
        return {false, CauseText(db->cause(), table), db->description(), db->cause()};
    }
    return {false, QStringLiteral("the database reported an error"), DescriptionOf(e), DbError::Cause::Other};
}

}  // namespace

QString ImportSummary::Counts() const {
    QString counts = QStringLiteral("%1: %2 lines read, %3 added, %4 already present, %5 refused")
                         .arg(file, QString::number(read), QString::number(added), QString::number(present),
                              QString::number(refused.size()));
    if (blank > 0)
        counts += QStringLiteral(", %1 blank %2 skipped")
                      .arg(QString::number(blank), QLatin1String(blank == 1 ? "line" : "lines"));
    if (!warnings.empty())
        counts += QStringLiteral(", %1 %2").arg(QString::number(warnings.size()),
                                                QLatin1String(warnings.size() == 1 ? "warning" : "warnings"));
    return counts + QLatin1Char('.');
}

namespace {

// The refused and the warned-of lines of a summary, in line order.
std::vector<LineNote> NotesInOrder(const ImportSummary& summary) {
    std::vector<LineNote> notes = summary.refused;
    notes.insert(notes.end(), summary.warnings.begin(), summary.warnings.end());
    std::stable_sort(notes.begin(), notes.end(),
                     [](const LineNote& a, const LineNote& b) { return a.line < b.line; });
    return notes;
}

}  // namespace

QString ImportSummary::Message(int shownRefused, Reader reader) const {
    QStringList parts;
    if (end == End::Failed) {
        parts << (total > 0 && read < total
                      ? QStringLiteral("The import of %1 stopped at line %2 of %3: %4.")
                            .arg(file, QString::number(read + 1), QString::number(total), cause)
                      : QStringLiteral("The import of %1 stopped: %2.").arg(file, cause));
        parts << QStringLiteral("(%1)").arg(detail);
    } else if (end == End::Cancelled) {
        parts << QStringLiteral("The import of %1 was cancelled after line %2 of %3.")
                     .arg(file, QString::number(read), QString::number(total));
    }
    if (!finished()) {
        parts << QStringLiteral("%1 new lines of %2 were stored before the stop.")
                     .arg(QString::number(added), file);
        const bool again = dbCause != DbError::Cause::ReadOnly && dbCause != DbError::Cause::Storage &&
                           dbCause != DbError::Cause::MissingFile;
        if (again) {
            parts.back() += reader == Reader::Window
                                ? QStringLiteral(
                                      " Run \"b. Scan & Import\" again to complete the import: lines "
                                      "already stored are not added again.")
                                : QStringLiteral(
                                      " Run the import again to complete it: lines already stored are "
                                      "not added again.");
        }
    }
    const std::vector<LineNote> notes = NotesInOrder(*this);
    if (!notes.empty() || blank > 0) {
        if (!finished()) parts << QString();
        parts << Counts();
        const size_t shown = std::min(notes.size(), static_cast<size_t>(std::max(shownRefused, 0)));
        for (size_t n = 0; n < shown; ++n) parts << notes[n].Text();
        if (notes.size() > shown)
            parts << QStringLiteral("... and %1 more.").arg(QString::number(notes.size() - shown));
    }
    return parts.join(QLatin1Char('\n'));
}

QString ImportSummary::Report() const {
    QStringList lines{Counts()};
    for (const LineNote& note : NotesInOrder(*this)) lines << note.Text();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

ImportRun::Fields ImportRun::Cut(const QString& line, bool medicine, bool erTable) {
    const QString bar = QStringLiteral("|");
    QString rest = line;
    Fields f;
    f.code = NextToken(rest, bar);
    f.category = NextToken(rest, bar);
    f.description = NextToken(rest, bar);
    if (medicine) f.category = QStringLiteral("Medicine");
    if (erTable) {
        f.fixedFee = NextToken(rest, bar);
        f.chargingUnit = NextToken(rest, bar);
    }
    return f;
}

QString ImportRun::Fault(Fields& f, bool erTable) {
    struct Text {
        const char* name;
        const QString& value;
        int size;
    };
    // A code of blanks only is no code: the server pads trailing blanks, so "  " equals "".
    if (f.code.trimmed().isEmpty()) return QStringLiteral("no code");
    std::vector<Text> texts{{"code", f.code, kShortText},
                            {"category", f.category, kShortText},
                            {"description", f.description, kDescriptionText}};
    if (erTable) {
        texts.push_back({"fee", f.fixedFee, 0});
        texts.push_back({"unit", f.chargingUnit, kShortText});
    }
    // Unsafe characters first: a NUL would cut the statement short wherever the value goes.
    for (const Text& t : texts) {
        const QString unsafe = sql::UnsafeCharacter(t.value);
        if (!unsafe.isEmpty()) return QStringLiteral("%1 holds %2").arg(QLatin1String(t.name), unsafe);
    }
    for (const Text& t : texts) {
        if (t.size > 0 && Characters(t.value) > t.size)
            return QStringLiteral("%1 longer than %2 characters").arg(QLatin1String(t.name)).arg(t.size);
    }
    if (!erTable || f.fixedFee.isEmpty()) return {};  // an empty fee is stored as NULL
    const std::optional<int64_t> fee = sql::ParseMoney(f.fixedFee);
    if (!fee) return QStringLiteral("fee '%1' is not an amount").arg(ShownFee(f.fixedFee));
    if (!sql::IsSmallMoney(*fee))
        return QStringLiteral("fee '%1' is out of range (-214,748.3648 to 214,748.3647)")
            .arg(ShownFee(f.fixedFee));
    f.fixedFee = sql::MoneyText(*fee);
    return {};
}

std::optional<LineNote> ImportRun::CutShort(const ReferenceLines& text, bool erTable) {
    if (text.endsWithBreak || text.lines.isEmpty() || IsBlank(text.lines.last())) return std::nullopt;
    const qsizetype fields = text.lines.last().count(QLatin1Char('|')) + 1;
    const qsizetype layout = erTable ? 5 : 3;
    if (fields >= layout) return std::nullopt;
    return LineNote{
        static_cast<int>(text.lines.size()),
        QStringLiteral("the last line has no line break and only %1 of its %2 fields: the file may "
                       "have been cut short (an interrupted copy, or a file still being written); the "
                       "line is read as it stands")
            .arg(QString::number(fields), QString::number(layout))};
}

ImportSummary ImportRun::Import(const ListFile& file, const Progress& progress) const {
    if (!file.readable()) {
        ImportSummary summary;
        summary.file = file.fileName();
        summary.end = ImportSummary::End::Failed;
        summary.cause = QStringLiteral("the file cannot be read");
        summary.detail = file.error;
        return summary;
    }
    return ImportText(file.text, file.name, file.fileName(), progress);
}

ImportSummary ImportRun::ImportLines(const QStringList& lines, const QString& listName, const QString& file,
                                     const Progress& progress) const {
    return ImportText({lines, true}, listName, file, progress);
}

namespace {

// A batch of lines is one transaction: it ends after this many lines or this long, whichever comes
// first, so that a stop of any kind (Cancel, a closed window, a killed program) loses at most that
// much work. Commits in between are cheap, and the progress is told after each one.
constexpr int kBatchLines = 50;
constexpr qint64 kBatchMilliseconds = 200;

// A failure that ends the run, out of a batch.
struct Stop {
    Failure failure;
};

ImportSummary Stopped(ImportSummary summary, const Failure& failure) {
    summary.end = ImportSummary::End::Failed;
    summary.cause = failure.cause;
    summary.detail = failure.detail;
    summary.dbCause = failure.dbCause;
    return summary;
}

}  // namespace

// One import run's lines, batch by batch: every code is checked against the codes the table holds
// (KnownCodes), which the batch's transaction reads first, so that the batch sees every row any
// writer committed before it.
class ImportRun::Batches {
public:
    Batches(const ImportRun& run, const QStringList& lines, const QString& listName, const QString& file)
        : run_(run),
          lines_(lines),
          file_(file),
          erTable_(ReferenceList::IsErTable(run.table_)),
          medicine_(ReferenceList::IsMedicineFile(listName)),
          known_(run.connection_, run.table_,
                 run.matching_.value_or(KnownCodes::MatchingFor(run.connection_))) {}

    struct Done {
        int end = 0;  // index after the last line handled
        int added = 0;
        int present = 0;
        int blank = 0;
        std::vector<LineNote> refused;
        std::vector<LineNote> warnings;
    };

    // Handles the lines from `first` on until the batch is full, and commits them. A line the
    // database refuses rolls the batch back, and the batch is done again without it, so that what
    // is stored never depends on how a server treats a transaction after a refusal. Throws Stop,
    // or the DbError of a race lost to another writer, after the rollback, for the batch to be
    // tried again.
    Done Run(int first) {
        std::map<int, QString> refusedByDatabase;
        for (;;) {
            Done done;
            std::vector<QByteArray> added;
            std::optional<Transaction> transaction;
            int i = first;
            bool inLine = false;
            try {
                QElapsedTimer clock;
                clock.start();
                const int total = static_cast<int>(lines_.size());
                while (i < total) {
                    const auto refused = refusedByDatabase.find(i);
                    if (refused != refusedByDatabase.end()) {
                        done.refused.push_back({i + 1, refused->second});
                    } else {
                        inLine = true;
                        Line(i, transaction, done, added);
                        inLine = false;
                    }
                    ++i;
                    if (i % kBatchLines == 0 || clock.elapsed() >= kBatchMilliseconds) break;
                }
                if (transaction) transaction->Commit();
                done.end = i;
                return done;
            } catch (const std::exception& e) {
                transaction.reset();  // rolled back
                for (const QByteArray& key : added) known_.Forget(key);
                const Failure failure = FailureOf(e, run_.table_);
                if (failure.dbCause == DbError::Cause::Busy) throw;
                if (!failure.lineOnly || !inLine) throw Stop{failure};
                refusedByDatabase[i] = failure.detail;
            }
        }
    }

private:
    void Line(int i, std::optional<Transaction>& transaction, Done& done, std::vector<QByteArray>& added) {
        if (IsBlank(lines_[i])) {
            ++done.blank;
            return;
        }
        Fields f = Cut(lines_[i], medicine_, erTable_);
        const QString fault = Fault(f, erTable_);
        if (!fault.isEmpty()) {
            done.refused.push_back({i + 1, fault});
            return;
        }
        std::optional<CodeConflict> conflict;
        if (run_.first_) conflict = run_.first_->Note(file_, i + 1, f.code, f.description).conflict;
        if (!transaction) {
            transaction.emplace(run_.connection_);
            known_.CatchUp();
        }
        const KnownCodes::Found found = known_.Find(f.code);
        bool isNew = found.answer == KnownCodes::Answer::Absent;
        if (found.answer == KnownCodes::Answer::Maybe) {
            // Only the database can tell: the lookup the import has always made.
            Recordset rs = run_.connection_.OpenRecordset(QStringLiteral("SELECT * FROM [Build_FIle].[dbo].") +
                                                              run_.table_ + QStringLiteral(" WHERE Code = '") +
                                                              sql::Escaped(f.code) + QStringLiteral("'   "),
                                                          CursorType::Dynamic, LockType::Optimistic);
            isNew = rs.isEOF();
            if (isNew) Store(rs, f);
            rs.Update();
            rs.Close();
        } else if (isNew) {
            if (!inserter_) {
                // Finds nothing: a recordset for adding rows, the same rows the lookup's would add.
                inserter_ = run_.connection_.OpenRecordset(
                    QStringLiteral("SELECT * FROM [Build_FIle].[dbo].") + run_.table_ + QStringLiteral(" WHERE 1=0"),
                    CursorType::Dynamic, LockType::Optimistic);
            }
            Store(*inserter_, f);
            inserter_->Update();
        }
        if (isNew && known_.Add(found.key)) added.push_back(found.key);
        ++(isNew ? done.added : done.present);
        // The earlier file's line is what the table holds; this one was not stored.
        if (!isNew && conflict) done.warnings.push_back({i + 1, conflict->Text()});
    }

    void Store(Recordset& rs, const Fields& f) const {
        rs.AddNew();
        rs.SetField(QStringLiteral("Code"), f.code);
        rs.SetField(QStringLiteral("Category"), f.category);
        rs.SetField(QStringLiteral("Description"), f.description);
        if (erTable_) {
            rs.SetField(QStringLiteral("FixedFee"), f.fixedFee);
            rs.SetField(QStringLiteral("ChargingUnit"), f.chargingUnit);
        }
    }

    const ImportRun& run_;
    const QStringList& lines_;
    const QString file_;
    const bool erTable_;
    const bool medicine_;
    KnownCodes known_;
    std::optional<Recordset> inserter_;
};

ImportSummary ImportRun::ImportText(const ReferenceLines& text, const QString& listName, const QString& file,
                                    const Progress& progress) const {
    const QStringList& lines = text.lines;
    ImportSummary summary;
    summary.file = file;
    summary.total = static_cast<int>(lines.size());
    if (const auto cutShort = CutShort(text, ReferenceList::IsErTable(table_)))
        summary.warnings.push_back(*cutShort);
    if (progress && !progress(0, summary.total)) {
        summary.end = ImportSummary::End::Cancelled;
        return summary;
    }
    Batches batches(*this, lines, listName, file);
    while (summary.read < summary.total) {
        Batches::Done done;
        try {
            // A batch that lost a race with another writer was rolled back whole: it is done again.
            done = RetryOnBusy(connection_, [&] { return batches.Run(summary.read); });
        } catch (const Stop& stop) {
            return Stopped(std::move(summary), stop.failure);
        } catch (const DbError& e) {
            return Stopped(std::move(summary), FailureOf(e, table_));
        }
        summary.read = done.end;
        summary.added += done.added;
        summary.present += done.present;
        summary.blank += done.blank;
        summary.refused.insert(summary.refused.end(), done.refused.begin(), done.refused.end());
        summary.warnings.insert(summary.warnings.end(), done.warnings.begin(), done.warnings.end());
        if (progress && !progress(summary.read, summary.total)) {
            if (summary.read < summary.total) summary.end = ImportSummary::End::Cancelled;
            break;
        }
    }
    try {
        // Files deleted or moved during the run took every write without a complaint.
        connection_.CheckStillInPlace();
    } catch (const DbError& e) {
        summary.added = 0;
        return Stopped(std::move(summary), {false, QStringLiteral("the database files were deleted or moved"),
                                            e.description(), e.cause()});
    }
    return summary;
}

}  // namespace esoa
