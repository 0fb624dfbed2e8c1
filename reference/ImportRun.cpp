#include "reference/ImportRun.h"

#include <QDir>
#include <optional>

#include "app/Connection.h"
#include "app/DbError.h"
#include "app/Money.h"
#include "app/SqlText.h"
#include "reference/NextToken.h"
#include "reference/ReferenceFile.h"

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
    return QStringLiteral("%1: %2 lines read, %3 added, %4 already present, %5 refused.")
        .arg(file)
        .arg(read)
        .arg(added)
        .arg(present)
        .arg(refused.size());
}

QString ImportSummary::Message(int shownRefused) const {
    QStringList parts;
    if (end == End::Failed) {
        parts << (total > 0 ? QStringLiteral("The import of %1 stopped at line %2 of %3: %4.")
                                  .arg(file)
                                  .arg(read + 1)
                                  .arg(total)
                                  .arg(cause)
                            : QStringLiteral("The import of %1 stopped: %2.").arg(file, cause));
        parts << QStringLiteral("(%1)").arg(detail);
    } else if (end == End::Cancelled) {
        parts << QStringLiteral("The import of %1 was cancelled after line %2 of %3.")
                     .arg(file)
                     .arg(read)
                     .arg(total);
    }
    if (!finished()) {
        parts << QStringLiteral(
                     "%1 new lines of %2 were stored before the stop. Run \"b. Scan & Import\" again to "
                     "complete the import: lines already stored are not added again.")
                     .arg(added)
                     .arg(file);
    }
    if (!refused.empty()) {
        if (!finished()) parts << QString();
        parts << Counts();
        int n = 0;
        for (const RefusedLine& r : refused) {
            if (n++ == shownRefused) break;
            parts << r.Text();
        }
        if (static_cast<int>(refused.size()) > shownRefused)
            parts
                << QStringLiteral("... and %1 more.").arg(refused.size() - static_cast<size_t>(shownRefused));
    }
    return parts.join(QLatin1Char('\n'));
}

QString ImportSummary::Report() const {
    QStringList lines{Counts()};
    for (const RefusedLine& r : refused) lines << r.Text();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString ImportRun::Fault(Fields& f, bool erTable) {
    struct Text {
        const char* name;
        const QString& value;
        int size;
    };
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

ImportSummary ImportRun::Import(const QString& path, const QString& listName,
                                const Progress& progress) const {
    const QString file = QDir(path).dirName();
    QStringList lines;
    try {
        lines = ReadReferenceFile(path);
    } catch (const std::exception& e) {
        ImportSummary summary;
        summary.file = file;
        summary.end = ImportSummary::End::Failed;
        summary.cause = QStringLiteral("the file cannot be read");
        summary.detail = DescriptionOf(e);
        return summary;
    }
    return ImportLines(lines, listName, file, progress);
}

ImportSummary ImportRun::ImportLines(const QStringList& lines, const QString& listName, const QString& file,
                                     const Progress& progress) const {
    const bool erTable = table_ == QLatin1String("ESOA_ER");
    const bool medicine = listName == QLatin1String("ESOA_MEDICINE");
    const QString bar = QStringLiteral("|");
    ImportSummary summary;
    summary.file = file;
    summary.total = static_cast<int>(lines.size());
    if (progress && !progress(0, summary.total)) {
        summary.end = ImportSummary::End::Cancelled;
        return summary;
    }

    for (int i = 0; i < summary.total; ++i) {
        const int lineNo = i + 1;
        QString rest = lines[i];
        Fields f;
        f.code = NextToken(rest, bar);
        f.category = NextToken(rest, bar);
        f.description = NextToken(rest, bar);
        if (medicine) f.category = QStringLiteral("Medicine");
        if (erTable) {
            f.fixedFee = NextToken(rest, bar);
            f.chargingUnit = NextToken(rest, bar);
        }

        const QString fault = Fault(f, erTable);
        if (!fault.isEmpty()) {
            summary.refused.push_back({lineNo, fault});
        } else {
            try {
                Recordset rs = connection_.OpenRecordset(QStringLiteral("SELECT * FROM [Build_FIle].[dbo].") +
                                                             table_ + QStringLiteral(" WHERE Code = '") +
                                                             sql::Escaped(f.code) + QStringLiteral("'   "),
                                                         CursorType::Dynamic, LockType::Optimistic);
                const bool isNew = rs.isEOF();
                if (isNew) {
                    rs.AddNew();
                    rs.SetField(QStringLiteral("Code"), f.code);
                    rs.SetField(QStringLiteral("Category"), f.category);
                    rs.SetField(QStringLiteral("Description"), f.description);
                    if (erTable) {
                        rs.SetField(QStringLiteral("FixedFee"), f.fixedFee);
                        rs.SetField(QStringLiteral("ChargingUnit"), f.chargingUnit);
                    }
                }
                rs.Update();
                rs.Close();
                ++(isNew ? summary.added : summary.present);
            } catch (const std::exception& e) {
                const Failure failure = FailureOf(e, table_);
                if (!failure.lineOnly) {
                    summary.end = ImportSummary::End::Failed;
                    summary.cause = failure.cause;
                    summary.detail = failure.detail;
                    summary.dbCause = failure.dbCause;
                    return summary;
                }
                summary.refused.push_back({lineNo, failure.detail});
            }
        }
        summary.read = lineNo;
        if (progress && !progress(lineNo, summary.total)) {
            if (lineNo < summary.total) summary.end = ImportSummary::End::Cancelled;
            break;
        }
    }
    return summary;
}

}  // namespace esoa
