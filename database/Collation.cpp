#include "database/Collation.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <cstring>

#include "database/DbError.h"

namespace esoa::sql {
namespace {

QStringView withoutTrailingBlanks(QStringView text) {
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == u' ') --n;
    return text.left(n);
}

int32_t utf16(char32_t c, UChar* out) {
    if (c < 0x10000) {
        out[0] = UChar(c);
        return 1;
    }
    out[0] = UChar(0xD800 + ((c - 0x10000) >> 10));
    out[1] = UChar(0xDC00 + ((c - 0x10000) & 0x3FF));
    return 2;
}

int trimmedLength(const char* s, int n) {
    while (n > 0 && s[n - 1] == ' ') --n;
    return n;
}

}  // namespace

Collation::Collation(Strength strength, const QString& rules) {
    const UColAttributeValue level = strength == Strength::Primary ? UCOL_PRIMARY : UCOL_SECONDARY;
    UErrorCode status = U_ZERO_ERROR;
    if (rules.isEmpty()) {
        ucol_ = ucol_open("", &status);
        if (U_SUCCESS(status)) ucol_setStrength(ucol_, level);
    } else {
        ucol_ = ucol_openRules(reinterpret_cast<const UChar*>(rules.utf16()), int32_t(rules.size()),
                               UCOL_DEFAULT, level, nullptr, &status);
    }
    if (U_FAILURE(status)) {
        if (ucol_) ucol_close(ucol_);
        throw DbError(QStringLiteral("The text comparison cannot be set up: %1")
                          .arg(QLatin1String(u_errorName(status))));
    }
    emptyKey_ = SortKey({});
}

Collation::~Collation() {
    ucol_close(ucol_);
}

const Collation& Collation::ForThisThread() {
    thread_local const Collation collation;
    return collation;
}

int Collation::Compare(const char* a, int aBytes, const char* b, int bBytes) const {
    aBytes = trimmedLength(a, aBytes);
    bBytes = trimmedLength(b, bBytes);
    if (aBytes == bBytes && std::memcmp(a, b, size_t(aBytes)) == 0) return 0;
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r = ucol_strcollUTF8(ucol_, a, aBytes, b, bBytes, &status);
    if (U_FAILURE(status)) {
        // Only a failure to allocate gets here; a total order is still owed to the indexes.
        const int c = std::memcmp(a, b, size_t(std::min(aBytes, bBytes)));
        return c != 0 ? c : aBytes - bBytes;
    }
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

int Collation::CompareChars(char32_t a, char32_t b) const {
    // A LIKE class compares characters for every character it tests: written as UTF-16 in place.
    UChar ua[2], ub[2];
    return ucol_strcoll(ucol_, ua, utf16(a, ua), ub, utf16(b, ub));
}

QByteArray Collation::Key(QStringView text) const {
    return SortKey(withoutTrailingBlanks(text));
}

QByteArray Collation::CharKey(char32_t c) const {
    QByteArray key = SortKey(QString::fromUcs4(&c, 1));
    return key == emptyKey_ ? QByteArray() : key;
}

QByteArray Collation::SortKey(QStringView text) const {
    static const UChar none = 0;
    const UChar* chars = text.isEmpty() ? &none : reinterpret_cast<const UChar*>(text.utf16());
    QByteArray key(64, Qt::Uninitialized);
    int32_t size = ucol_getSortKey(ucol_, chars, int32_t(text.size()), reinterpret_cast<uint8_t*>(key.data()),
                                   int32_t(key.size()));
    if (size > key.size()) {
        key.resize(size);
        size =
            ucol_getSortKey(ucol_, chars, int32_t(text.size()), reinterpret_cast<uint8_t*>(key.data()), size);
    }
    key.resize(size);
    return key;
}

}  // namespace esoa::sql
