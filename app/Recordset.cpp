#include "app/Recordset.h"

#include <QSqlQuery>

#include "app/Connection.h"
#include "app/DbError.h"

namespace esoa {

Recordset::Recordset(Connection& connection, QString statement, QString table, std::vector<Field> fields,
                     std::optional<QVariant> rowId)
    : connection_(&connection),
      statement_(std::move(statement)),
      table_(std::move(table)),
      fields_(std::move(fields)),
      rowId_(std::move(rowId)) {}

const Recordset::Field& Recordset::field(const QString& name) const {
    for (const Field& f : fields_) {
        if (f.name.compare(name, Qt::CaseInsensitive) == 0) return f;
    }
    throw DbError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name or "
                                 "ordinal: %1.")
                      .arg(name),
                  {}, statement_);
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
    // A money or smallint column cannot hold an empty text: it stays empty, that is NULL.
    const QVariant stored = (f.numeric && value.isEmpty()) ? QVariant() : QVariant(value);
    for (auto& [n, v] : pending_) {
        if (n == f.name) {
            v = stored;
            return;
        }
    }
    pending_.emplace_back(f.name, stored);
}

void Recordset::Update() {
    if (!open_) throw DbError(QStringLiteral("Operation is not allowed when the object is closed."), {}, statement_);
    if (pending_.empty() && !adding_) return;
    QStringList names;
    QVariantList values;
    for (const auto& [n, v] : pending_) {
        names << QLatin1Char('[') + n + QLatin1Char(']');
        values << v;
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
        connection_->Run(statement, values, true);
    } else {
        QStringList sets;
        for (const QString& n : names) sets << n + QStringLiteral("=?");
        values << *rowId_;
        connection_->Run(QStringLiteral("UPDATE %1 SET %2 WHERE [ID]=?").arg(table_, sets.join(QLatin1Char(','))),
                         values, true);
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
