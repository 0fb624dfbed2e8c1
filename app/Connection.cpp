#include "app/Connection.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include "app/DbError.h"
#include "app/SqlTokenizer.h"
#include "app/TsqlToSqlite.h"

namespace esoa {
namespace {

QString cellText(const QVariant& value) {
    if (value.isNull()) return {};
    return value.toString();
}

bool isNumeric(const QSqlField& field) {
    switch (field.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Short:
        case QMetaType::UShort:
            return true;
        default:
            return false;
    }
}

// The table an insert-or-update SELECT reads: the (possibly three-part) name after its FROM.
QString tableOf(const QString& statement) {
    const auto tokens = sql::Tokenize(statement);
    size_t i = 0;
    while (i < tokens.size() && !tokens[i].isWord("FROM")) ++i;
    ++i;
    while (i < tokens.size() && tokens[i].kind == sql::TokenKind::Space) ++i;
    QString table;
    for (; i < tokens.size(); ++i) {
        const auto& t = tokens[i];
        const bool namePart = t.kind == sql::TokenKind::Word || t.kind == sql::TokenKind::Bracketed;
        if (namePart && !t.isWord("WHERE") && !t.isWord("WITH")) {
            table += t.text;
        } else if (t.isSymbol(".")) {
            table += t.text;
        } else {
            break;
        }
    }
    if (table.isEmpty()) throw DbError(QStringLiteral("The recordset's statement names no table."), {}, statement);
    return table;
}

}  // namespace

Connection::Connection(const QString& qtConnectionName, Dialect dialect) : name_(qtConnectionName), dialect_(dialect) {}

Connection::~Connection() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (db.isValid()) db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase Connection::database() const { return QSqlDatabase::database(name_, false); }

QString Connection::Translated(const QString& statement) const {
    return dialect_ == Dialect::Sqlite ? sql::TranslateToSqlite(statement) : statement;
}

QSqlQuery Connection::Run(const QString& statement, const QVariantList& params, bool forwardOnly) {
    if (observer_) observer_(statement);
    QSqlDatabase db = database();
    if (!db.isOpen()) throw DbError(QStringLiteral("The connection is closed."), {}, statement);
    const QString sent = Translated(statement);
    QSqlQuery query(db);
    query.setForwardOnly(forwardOnly);
    bool ok;
    if (params.isEmpty()) {
        ok = query.exec(sent);
    } else {
        ok = query.prepare(sent);
        if (ok) {
            for (const QVariant& p : params) query.addBindValue(p);
            ok = query.exec();
        }
    }
    if (!ok) {
        const QSqlError error = query.lastError();
        const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
        const DbError::Cause cause = dialect_ == Dialect::Sqlite
                                         ? DbError::CauseOfSqlite(error.nativeErrorCode().toInt(), text)
                                         : DbError::CauseOfSqlServer(error.nativeErrorCode(), error.text());
        throw DbError(text, error.nativeErrorCode(), statement, cause);
    }
    return query;
}

void Connection::Execute(const QString& statement) { Run(statement, {}, true); }

ReadResult Connection::Read(const QString& statement, CursorType, LockType) {
    // Every read here copies the whole result at once, so the cursor and lock types change nothing
    // in what is read; they are kept in the call because the server side honours them.
    QSqlQuery query = Run(statement, {}, true);
    ReadResult result;
    const QSqlRecord record = query.record();
    const int columns = record.count();
    result.fields.reserve(columns);
    for (int c = 0; c < columns; ++c) result.fields << record.fieldName(c);
    while (query.next()) {
        QStringList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) row << cellText(query.value(c));
        result.rows.push_back(std::move(row));
    }
    return result;
}

Recordset Connection::OpenRecordset(const QString& statement, CursorType cursor, LockType lock) {
    if (cursor != CursorType::Dynamic || lock != LockType::Optimistic) {
        throw DbError(QStringLiteral("Current Recordset does not support updating. This may be a limitation "
                                     "of the provider, or of the selected locktype."),
                      {}, statement);
    }
    const QString table = tableOf(statement);
    QSqlQuery query = Run(statement, {}, true);
    const QSqlRecord record = query.record();
    std::vector<Recordset::Field> fields;
    int idColumn = -1;
    for (int c = 0; c < record.count(); ++c) {
        fields.push_back({record.fieldName(c), isNumeric(record.field(c))});
        if (record.fieldName(c).compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0) idColumn = c;
    }
    std::optional<QVariant> rowId;
    if (query.next()) {
        if (idColumn < 0) throw DbError(QStringLiteral("The recordset has no ID column to update by."), {}, statement);
        rowId = query.value(idColumn);
    }
    return Recordset(*this, statement, table, std::move(fields), std::move(rowId));
}

}  // namespace esoa
