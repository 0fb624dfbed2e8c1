#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

struct UCollator;

namespace esoa::sql {

// The comparison of texts that stands for SQL Server's default collation (case-insensitive,
// accent-sensitive): ICU's root collation at secondary strength, so letter case is ignored in every
// alphabet (and so are letter width and ligatures: "ｆ" is "f", "ß" is "ss"), accents count, and
// trailing blanks never count (the server pads the shorter text). The embedded database's text
// columns compare with it (SqliteCaseRules.h) and CodeKey keys texts by it, so the two can never
// disagree. At primary strength (Strength::Primary) accents do not count either.
//
// An ICU collator must not be used by two threads at once: each SQLite connection owns one, and
// ForThisThread() gives one per thread.
class Collation {
public:
    enum class Strength { Primary, Secondary };

    // ICU's root collation at `strength`, with `rules` (ICU's tailoring syntax, "&th=þ") added when
    // given. Throws DbError when ICU cannot set it up.
    explicit Collation(Strength strength = Strength::Secondary, const QString& rules = {});
    ~Collation();
    Collation(const Collation&) = delete;
    Collation& operator=(const Collation&) = delete;

    // The database's comparison (secondary strength), made once for the calling thread.
    static const Collation& ForThisThread();

    // Orders two UTF-8 texts: negative, zero or positive; trailing blanks never count.
    int Compare(const char* a, int aBytes, const char* b, int bBytes) const;
    // Orders two single characters, as they stand.
    int CompareChars(char32_t a, char32_t b) const;
    // The sort key of a text without its trailing blanks: two keys are equal exactly when Compare
    // says the texts are, and order (byte by byte) as Compare orders them.
    QByteArray Key(QStringView text) const;
    // The sort key of one character as it stands (a blank included); empty when the character
    // weighs nothing at this strength (a combining accent at primary strength, a control character).
    QByteArray CharKey(char32_t c) const;

private:
    QByteArray SortKey(QStringView text) const;

    UCollator* ucol_ = nullptr;
    QByteArray emptyKey_;
};

}  // namespace esoa::sql
