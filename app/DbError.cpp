#include "app/DbError.h"

namespace esoa {

DbError::DbError(const QString& description, const QString& nativeCode, const QString& statement)
    : std::runtime_error(description.toStdString()),
      description_(description),
      nativeCode_(nativeCode),
      statement_(statement) {}

}  // namespace esoa
