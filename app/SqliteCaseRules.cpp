#include "app/SqliteCaseRules.h"

#include <sqlite3.h>

#include <QChar>
#include <QString>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "app/DbError.h"

namespace esoa::sql {
namespace {

unsigned char asciiFold(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}
char32_t unicodeFold(char32_t c) {
    return c < 0x80 ? asciiFold(static_cast<unsigned char>(c)) : QChar::toCaseFolded(c);
}

bool isAscii(const unsigned char* s, int n) {
    for (int i = 0; i < n; ++i) {
        if (s[i] & 0x80) return false;
    }
    return true;
}

// The code points of UTF-8 text, into `out` (cleared first); a malformed byte reads as U+FFFD.
// Written by hand so that a search over many rows allocates nothing per row.
void decodeUtf8(const unsigned char* s, int n, std::vector<char32_t>& out) {
    out.clear();
    int i = 0;
    while (i < n) {
        const unsigned char lead = s[i];
        int extra;
        char32_t c;
        if (lead < 0x80) {
            extra = 0;
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            c = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            c = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            c = lead & 0x07;
        } else {
            extra = -1;
            c = 0;
        }
        bool valid = extra >= 0 && i + extra < n;
        for (int k = 1; valid && k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) {
                valid = false;
            } else {
                c = (c << 6) | (s[i + k] & 0x3F);
            }
        }
        if (valid) {
            out.push_back(c);
            i += extra + 1;
        } else {
            out.push_back(0xFFFD);
            ++i;
        }
    }
}

// Lexicographic order of the folded texts with the shorter one padded with blanks: SQL Server's
// rule, which makes trailing blanks meaningless. A total order, as an index needs.
int comparePadded(const std::vector<char32_t>& a, const std::vector<char32_t>& b) {
    const size_t n = std::max(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const char32_t x = i < a.size() ? unicodeFold(a[i]) : U' ';
        const char32_t y = i < b.size() ? unicodeFold(b[i]) : U' ';
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

// The NOCASE collation. Bytes are compared while both texts are ASCII; the first non-ASCII byte
// hands the rest to the Unicode fold. Both paths order ASCII alike, so together they are one order.
int compareNoCase(void*, int na, const void* pa, int nb, const void* pb) {
    const auto* a = static_cast<const unsigned char*>(pa);
    const auto* b = static_cast<const unsigned char*>(pb);
    const int n = std::max(na, nb);
    for (int i = 0; i < n; ++i) {
        const unsigned char x = i < na ? a[i] : ' ';
        const unsigned char y = i < nb ? b[i] : ' ';
        if ((x | y) & 0x80) {
            std::vector<char32_t> restA;
            std::vector<char32_t> restB;
            decodeUtf8(a + std::min(i, na), std::max(na - i, 0), restA);
            decodeUtf8(b + std::min(i, nb), std::max(nb - i, 0), restB);
            return comparePadded(restA, restB);
        }
        const unsigned char fx = asciiFold(x);
        const unsigned char fy = asciiFold(y);
        if (fx != fy) return fx < fy ? -1 : 1;
    }
    return 0;
}

// LIKE with % (any run of characters) and _ (one character), letter case ignored, blanks exact.
// One backtrack point (the last %) suffices: a later % can always absorb what an earlier one would
// have. A pattern that ends in its escape character matches nothing.
// `p` is the pattern as written (for wildcards and escapes), `folded` the same pattern case-folded.
template <typename P, typename T, typename Fold>
bool likeMatch(const P* p, const P* folded, size_t np, const T* t, size_t nt, std::optional<P> escapeChar,
               Fold fold) {
    // Unpacked once: GCC 12 cannot follow an optional through the loop and warns.
    const bool hasEscape = escapeChar.has_value();
    const P escape = escapeChar.value_or(P(0));
    size_t pi = 0;
    size_t ti = 0;
    size_t starP = SIZE_MAX;
    size_t starT = 0;
    while (ti < nt) {
        if (pi < np) {
            const P c = p[pi];
            size_t width = 1;
            if (hasEscape && c == escape) {
                if (pi + 1 >= np) return false;
                width = 2;
            } else if (c == P('%')) {
                starP = ++pi;
                starT = ti;
                continue;
            }
            if ((width == 1 && c == P('_')) || folded[pi + width - 1] == fold(t[ti])) {
                pi += width;
                ++ti;
                continue;
            }
        }
        if (starP == SIZE_MAX) return false;
        pi = starP;
        ti = ++starT;
    }
    for (; pi < np; ++pi) {
        if ((hasEscape && p[pi] == escape) || p[pi] != P('%')) return false;
    }
    return true;
}

// A LIKE pattern decoded and folded once per statement (kept as SQLite's auxiliary data of the
// argument).
struct Pattern {
    bool ascii;
    std::string asciiFolded;  // when ascii
    std::vector<char32_t> codePoints;
    std::vector<char32_t> folded;
};

// like(pattern, text [, escape]), which SQLite calls for "text LIKE pattern [ESCAPE escape]".
// Any NULL argument gives NULL.
void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    const unsigned char* pattern = sqlite3_value_text(argv[0]);
    const int np = sqlite3_value_bytes(argv[0]);
    const unsigned char* text = sqlite3_value_text(argv[1]);
    const int nt = sqlite3_value_bytes(argv[1]);
    if (!pattern || !text) return;
    std::optional<char32_t> escape;
    if (argc == 3) {
        const unsigned char* e = sqlite3_value_text(argv[2]);
        if (!e) return;
        std::vector<char32_t> escapes;
        decodeUtf8(e, sqlite3_value_bytes(argv[2]), escapes);
        if (escapes.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = escapes.front();
    }

    std::unique_ptr<Pattern> fresh;
    const auto* compiled = static_cast<const Pattern*>(sqlite3_get_auxdata(context, 0));
    if (!compiled) {
        fresh = std::make_unique<Pattern>();
        fresh->ascii = isAscii(pattern, np);
        decodeUtf8(pattern, np, fresh->codePoints);
        for (char32_t c : fresh->codePoints) fresh->folded.push_back(unicodeFold(c));
        if (fresh->ascii) {
            for (int i = 0; i < np; ++i)
                fresh->asciiFolded.push_back(static_cast<char>(asciiFold(pattern[i])));
        }
        compiled = fresh.get();
    }

    bool match;
    const bool asciiText = isAscii(text, nt);
    if (compiled->ascii && asciiText && (!escape || *escape < 0x80)) {
        // The inventory search runs this once per row: bytes only, nothing allocated.
        const auto byteEscape = escape ? std::optional<unsigned char>(static_cast<unsigned char>(*escape))
                                       : std::optional<unsigned char>();
        const auto* folded = reinterpret_cast<const unsigned char*>(compiled->asciiFolded.data());
        match = likeMatch(pattern, folded, size_t(np), text, size_t(nt), byteEscape, asciiFold);
    } else if (asciiText) {
        const auto& p = compiled->codePoints;
        match = likeMatch(p.data(), compiled->folded.data(), p.size(), text, size_t(nt), escape, unicodeFold);
    } else {
        thread_local std::vector<char32_t> t;
        decodeUtf8(text, nt, t);
        const auto& p = compiled->codePoints;
        match =
            likeMatch(p.data(), compiled->folded.data(), p.size(), t.data(), t.size(), escape, unicodeFold);
    }
    sqlite3_result_int(context, match ? 1 : 0);
    if (fresh)
        sqlite3_set_auxdata(context, 0, fresh.release(), [](void* p) { delete static_cast<Pattern*>(p); });
}

}  // namespace

void InstallCaseRules(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, compareNoCase, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr);
    if (rc != SQLITE_OK) throw DbError(QString::fromUtf8(sqlite3_errmsg(db)), QString::number(rc));
}

}  // namespace esoa::sql
