#pragma once

#include <QString>

namespace esoa {

// Cuts the text before the first `delimiter` off `text` and returns it; `text` keeps what follows
// the delimiter. Without a delimiter the whole text is returned and `text` becomes empty. Letter
// case counts; any length works.
inline QString NextToken(QString& text, const QString& delimiter) {
    const qsizetype at = text.indexOf(delimiter, 0, Qt::CaseSensitive);
    if (at < 0 || delimiter.isEmpty()) {
        // Empty, never null: the database stores a null text as NULL, and a missing trailing field
        // of a reference line is empty text.
        QString all = text.isNull() ? QStringLiteral("") : std::move(text);
        text = QStringLiteral("");
        return all;
    }
    QString token = text.left(at);
    text.remove(0, at + delimiter.size());
    return token;
}

}  // namespace esoa
