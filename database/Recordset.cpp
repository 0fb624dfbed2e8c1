#include "database/Recordset.h"

#include "database/Connection.h"
#include "database/DbError.h"
#include "database/Money.h"

namespace esoa {

Recordset::Recordset(Connection& connection, QString statement, QString table, std::vector<Field> fields,
                     std::optional<QVariant> rowId, QStringList current)
    : connection_(&connection),
      statement_(std::move(statement)),
      table_(std::move(table)),
      fields_(std::move(fields)),
      rowId_(std::move(rowId)),
      current_(std::move(current)) {}

QString Recordset::Value(const QString& name) const {
    if (adding_ || isEOF()) return {};
    const Field& f = field(name);
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (&fields_[i] == &f) return current_.value(qsizetype(i));
    }
    return {};
}

const Recordset::Field& Recordset::field(const QString& name) const {
    for (const Field& f : fields_) {
        if (f.name.compare(name, Qt::CaseInsensitive) == 0) return f;
    }
    throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name or "
                                 "ordinal: %1.")
                      .arg(name),
                  {}, statement_, DbError::Cause::Statement);
}

QVariant Recordset::Stored(const Field& f, const QString& value) const {
    // A money or smallint column cannot hold an empty text: it stays empty, that is NULL.
    if (f.kind == ColumnKind::Text) return value;
    if (value.isEmpty()) return {};
    // SQL Server converts the text itself; the embedded database is given the number SQL Server
    // would have made of it, and refuses what SQL Server refuses, with SQL Server's words.
    if (connection_->dialect() != Dialect::Sqlite) return value;
    if (f.kind == ColumnKind::Money) {
        const auto money = sql::ParseMoney(value);
        if (!money) {
            throw DbError(QStringLiteral("Cannot convert a char value to money. The char value has incorrect syntax."),
                          {}, statement_, DbError::Cause::Value);
        }
        if (!sql::IsSmallMoney(*money)) {
            throw DbError(QStringLiteral("Arithmetic overflow error converting expression to data type smallmoney."),
                          {}, statement_, DbError::Cause::Value);
        }
        return double(*money) / 10000.0;
    }
    if (f.kind == ColumnKind::Integer) {
        bool ok = false;
        const qlonglong number = value.trimmed().toLongLong(&ok);
        if (!ok) {
            throw DbError(QStringLiteral("Conversion failed when converting the varchar value '%1' to data type int.")
                              .arg(value),
                          {}, statement_, DbError::Cause::Value);
        }
        return number;
    }
    return value;
}

void Recordset::AddNew() {
    if (!open_) throw DbError(QStringLiteral("Operation is not allowed when the object is closed."), {}, statement_);
    adding_ = true;
    pending_.clear();
}

void Recordset::SetField(const QString& name, const QString& value) {
    if (!open_) throw DbError(QStringLiteral("Operation is not allowed when the object is closed."), {}, statement_);
    if (!adding_ && isEOF()) {
        throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."), {},
                      statement_);
    }
    const Field& f = field(name);
    for (auto& [n, v] : pending_) {
        if (n.name == f.name) {
            v = value;
            return;
        }
    }
    pending_.emplace_back(f, value);
}

void Recordset::Update() {
    if (!open_) throw DbError(QStringLiteral("Operation is not allowed when the object is closed."), {}, statement_);
    if (pending_.empty() && !adding_) return;
    QStringList names;
    QVariantList values;
    // Values are converted here, so that a refused one fails the write, as the database would.
    for (const auto& [f, v] : pending_) {
        names << QLatin1Char('[') + f.name + QLatin1Char(']');
        values << Stored(f, v);
    }
    if (adding_) {
        QString statement;
        if (names.isEmpty()) {
            statement = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table_);
        } else {
            QStringList marks;
            for (qsizetype i = 0; i < names.size(); ++i) marks << QStringLiteral("?");
            statement = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table_, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        }
        connection_->Send(statement, values);
    } else {
        QStringList sets;
        for (const QString& n : names) sets << n + QStringLiteral("=?");
        values << *rowId_;
        connection_->Send(QStringLiteral("UPDATE %1 SET %2 WHERE [ID]=?").arg(table_, sets.join(QLatin1Char(','))),
                          values);
    }
    adding_ = false;
    pending_.clear();
}

void Recordset::Close() {
    open_ = false;
    adding_ = false;
    pending_.clear();
}

}  // namespace esoa
