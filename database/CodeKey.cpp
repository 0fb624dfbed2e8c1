#include "database/CodeKey.h"

#include "database/Collation.h"

namespace esoa {

CodeKey::CodeKey(const QString& text) : key_(sql::Collation::ForThisThread().Key(text)) {}

}  // namespace esoa
