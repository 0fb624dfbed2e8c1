#include "database/DbError.h"

#include <QRegularExpression>

namespace esoa {

DbError::DbError(const QString& description, const QString& nativeCode, const QString& statement, Cause cause)
    : std::runtime_error(description.toStdString()),
      description_(description),
      nativeCode_(nativeCode),
      statement_(statement),
      cause_(cause) {}

DbError::Cause DbError::CauseOfSqlite(int code, const QString& message) {
    switch (code & 0xFF) {
        case 19:  // SQLITE_CONSTRAINT: the CHECKs that stand for the column types
        case 18:  // SQLITE_TOOBIG
        case 20:  // SQLITE_MISMATCH
        case 25:  // SQLITE_RANGE
            return Cause::Value;
        case 5:  // SQLITE_BUSY
        case 6:  // SQLITE_LOCKED
            return Cause::Busy;
        case 8:  // SQLITE_READONLY
            return Cause::ReadOnly;
        case 13:  // SQLITE_FULL
            return Cause::Full;
        case 10:  // SQLITE_IOERR
        case 11:  // SQLITE_CORRUPT
        case 14:  // SQLITE_CANTOPEN
        case 26:  // SQLITE_NOTADB
        case 15:  // SQLITE_PROTOCOL
            return Cause::Storage;
        case 1:  // SQLITE_ERROR: the message tells a missing table from a statement fault
            if (message.contains(QLatin1String("no such table")) || message.contains(QLatin1String("no such index")))
                return Cause::MissingTable;
            return Cause::Statement;
        default:
            return Cause::Other;
    }
}

DbError::Cause DbError::CauseOfSqlServer(const QString& nativeCode, const QString& message) {
    // Qt's ODBC driver gives the native numbers of all diagnostic records, separated by ';'.
    static const QRegularExpression numbers(QStringLiteral("-?\\d+"));
    for (auto it = numbers.globalMatch(nativeCode); it.hasNext();) {
        switch (it.next().captured().toInt()) {
            case 8152:  // string or binary data would be truncated
            case 2628:
            case 245:  // conversion failed
            case 8114:
            case 8115:  // arithmetic overflow
            case 235:
            case 293:
            case 220:
            case 547:  // a constraint
            case 2627:
            case 2601:
                return Cause::Value;
            case 208:  // invalid object name
            case 4902:
                return Cause::MissingTable;
            case 1205:  // deadlock victim
            case 1222:  // lock request time-out
                return Cause::Busy;
            case 3906:  // the database is read-only
            case 262:   // permission denied in database
            case 229:
                return Cause::ReadOnly;
            case 1105:  // filegroup full
            case 9002:  // transaction log full
                return Cause::Full;
            case 102:  // syntax
            case 156:
            case 207:  // invalid column name
                return Cause::Statement;
            default:
                break;
        }
    }
    // Communication failures come as SQLSTATE 08xxx, time-outs as HYT00/HYT01, in the code or the text.
    const QString all = nativeCode + QLatin1Char(' ') + message;
    if (all.contains(QLatin1String("08S01")) || all.contains(QLatin1String("08001")) ||
        all.contains(QLatin1String("08003")) || all.contains(QLatin1String("Communication link failure")))
        return Cause::Connection;
    if (all.contains(QLatin1String("HYT00")) || all.contains(QLatin1String("HYT01"))) return Cause::Busy;
    return Cause::Other;
}

}  // namespace esoa
