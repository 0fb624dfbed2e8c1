#pragma once

#include <QString>
#include <stdexcept>

namespace esoa {

// The one failure type of the data access. It carries the database's own description (what the user
// is shown), the driver's native error code when there is one, and the statement that was being run,
// for diagnostics. Thrown by Connection, Recordset and the T-SQL translation; never caught there.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& description, const QString& nativeCode = {}, const QString& statement = {});

    const QString& description() const { return description_; }
    const QString& nativeCode() const { return nativeCode_; }
    const QString& statement() const { return statement_; }

private:
    QString description_;
    QString nativeCode_;
    QString statement_;
};

// The text a user is shown for any failure: a DbError's own description, otherwise what() read
// as UTF-8 (a DbError's what() carries the same description).
inline QString DescriptionOf(const std::exception& e) { return QString::fromUtf8(e.what()); }

}  // namespace esoa
