#pragma once

#include <QByteArray>
#include <QHashFunctions>
#include <QString>

namespace esoa {

// The key under which the database finds a code (and any other text a table is searched by: item
// IDs, revenue IDs, categories, statuses): two texts are the same exactly when their keys are equal,
// as the embedded database's "=" on a text column says (sql::Collation: letter case, letter width
// and trailing blanks ignored, accents counted). Keys order as the database sorts the texts.
//
// It stands for SQL Server's default collation (case-insensitive, accent-sensitive) as far as ICU's
// root collation does: only the blank pads (the server ignores trailing spaces, not tabs); varchar
// columns keep only the server's code page, so two codes that differ in a character outside it
// may be one code there.
class CodeKey {
public:
    // Throws DbError when the comparison cannot be set up (ICU missing its data).
    explicit CodeKey(const QString& text);

    friend bool operator==(const CodeKey& a, const CodeKey& b) { return a.key_ == b.key_; }
    friend bool operator!=(const CodeKey& a, const CodeKey& b) { return a.key_ != b.key_; }
    friend bool operator<(const CodeKey& a, const CodeKey& b) { return a.key_ < b.key_; }
    friend size_t qHash(const CodeKey& key, size_t seed = 0) { return qHash(key.key_, seed); }

    // The collation's sort key itself.
    const QByteArray& bytes() const { return key_; }

private:
    QByteArray key_;
};

}  // namespace esoa
