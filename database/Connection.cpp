#include "database/Connection.h"

#include <QLoggingCategory>

#include "database/DbError.h"
#include "database/SqlText.h"
#include "database/tsql/SqlTokenizer.h"

namespace esoa {

// Off unless asked for (--verbose, or Qt's logging rules such as QT_LOGGING_RULES="esoa.sql.debug=true"):
// every statement as built, T-SQL, the transactions' bounds included (debug), and every failure with
// its statement and native code (warning). The embedded database's own SQLite statements have a
// category of their own (esoa.sqlite).
Q_LOGGING_CATEGORY(lcSql, "esoa.sql", QtCriticalMsg)

namespace {

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
    if (table.isEmpty())
        throw DbError(QStringLiteral("The recordset's statement names no table."), {}, statement,
                      DbError::Cause::Statement);
    return table;
}

void refuseUnsafe(const QString& text, const QString& statement) {
    const QString what = sql::UnsafeCharacter(text);
    if (!what.isEmpty()) {
        throw DbError(QStringLiteral("The text contains %1, which cannot be stored or searched.").arg(what),
                      {}, statement, DbError::Cause::Value);
    }
}

}  // namespace

QueryResult Connection::Send(const QString& statement, const QVariantList& params,
                             const ItemFilters* filters, const RowSink* onRow) {
    refuseUnsafe(statement, statement);
    for (const QVariant& p : params) {
        if (p.typeId() == QMetaType::QString) refuseUnsafe(p.toString(), statement);
    }
    if (filters) {
        refuseUnsafe(filters->name, statement);
        refuseUnsafe(filters->generic, statement);
    }
    Observe(statement);
    try {
        if (onRow) return RunEach(statement, *onRow);
        return filters ? RunItemSearch(statement, *filters) : Run(statement, params);
    } catch (const DbError& e) {
        LogFailure(e, statement);
        throw;
    }
}

void Connection::SendBound(const QString& statement, const std::function<void()>& run) {
    Observe(statement);
    try {
        run();
    } catch (const DbError& e) {
        LogFailure(e, statement);
        throw;
    }
}

void Connection::Observe(const QString& statement) const {
    if (observer_) observer_(statement);
    qCDebug(lcSql).noquote() << statement;
}

void Connection::LogFailure(const DbError& e, const QString& statement) {
    qCWarning(lcSql).noquote() << "failed:" << e.description() << "| native code:" << e.nativeCode()
                               << "| statement:" << statement;
}

void Connection::Execute(const QString& statement) {
    Send(statement);
}

ReadResult Connection::Read(const QString& statement, CursorType, LockType, const ItemFilters& filters) {
    // Every read here copies the whole result at once, so the cursor and lock types change nothing
    // in what is read, and no backend receives them: they stay in the call as each routine names
    // the cursor and lock it reads with.
    QueryResult result = Send(statement, {}, filters.any() ? &filters : nullptr);
    return {std::move(result.fields), std::move(result.rows)};
}

QueryResult Connection::ReadEach(const QString& statement, const RowSink& onRow) {
    return Send(statement, {}, nullptr, &onRow);
}

Recordset Connection::OpenRecordset(const QString& statement, CursorType cursor, LockType lock) {
    if (cursor != CursorType::Dynamic || lock != LockType::Optimistic) {
        throw DbError(QStringLiteral("Current Recordset does not support updating. This may be a limitation "
                                     "of the provider, or of the selected locktype."),
                      {}, statement, DbError::Cause::Statement);
    }
    const QString table = tableOf(statement);
    const QueryResult result = Send(statement);
    std::vector<Recordset::Field> fields;
    int idColumn = -1;
    for (qsizetype c = 0; c < result.fields.size(); ++c) {
        fields.push_back({result.fields[c], result.kinds[size_t(c)]});
        if (result.fields[c].compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0) idColumn = int(c);
    }
    std::optional<QVariant> rowId;
    if (!result.rows.empty()) {
        if (idColumn < 0)
            throw DbError(QStringLiteral("The recordset has no ID column to update by."), {}, statement,
                          DbError::Cause::Statement);
        const QString id = result.rows.front()[idColumn];
        bool isNumber = false;
        const qlonglong number = id.toLongLong(&isNumber);
        rowId = isNumber ? QVariant(number) : QVariant(id);
    }
    return Recordset(*this, statement, table, std::move(fields), std::move(rowId),
                     result.rows.empty() ? QStringList() : result.rows.front());
}

}  // namespace esoa
