#pragma once

#include <QString>
#include <QStringList>

namespace esoa::csv {

// One record of an RFC 4180 file: fields joined by commas, a field quoted (its quotes doubled) when
// it holds a comma, a quote, a line break or blanks at either end; ends with CR LF.
QString Record(const QStringList& fields);

// Writes `text` to `path` as UTF-8 (no byte order mark), replacing the file only once all of it was
// written. Throws std::runtime_error with the reason when it cannot.
void Save(const QString& path, const QString& text);

}  // namespace esoa::csv
