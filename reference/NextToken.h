#pragma once

#include <QString>

namespace esoa {

// Cuts the text before the first `delimiter` off `text` and returns it; `text` keeps what follows
// the delimiter. Without a delimiter the whole text is returned and `text` becomes empty. Letter
// case counts; any length works.
inline QString NextToken(QString& text, const QString& delimiter) {
    const qsizetype at = text.indexOf(delimiter, 0, Qt::CaseSensitive);
    if (at < 0 || delimiter.isEmpty()) {
        QString all = std::move(text);
        text = QString();
        return all;
    }
    QString token = text.left(at);
    text.remove(0, at + delimiter.size());
    return token;
}

}  // namespace esoa
