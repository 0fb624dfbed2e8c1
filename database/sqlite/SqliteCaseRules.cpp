#include "database/sqlite/SqliteCaseRules.h"

#include <sqlite3.h>

#include <QChar>
#include <QList>
#include <QString>
#include <algorithm>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "database/Collation.h"
#include "database/DbError.h"

namespace esoa::sql {
namespace {

unsigned char asciiFold(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}
char32_t fold(char32_t c) {
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

// The NOCASE replacement: the database's comparison (Collation.h), trailing blanks ignored.
int compareCollated(void* arg, int na, const void* pa, int nb, const void* pb) {
    return static_cast<const Collation*>(arg)->Compare(static_cast<const char*>(pa), na,
                                                       static_cast<const char*>(pb), nb);
}

// One element of a LIKE pattern; every element but % matches exactly one character.
struct Element {
    enum Kind { Literal, AnyOne, AnyRun, Class } kind;
    char32_t c = 0;  // Literal: the folded character
    int cls = -1;    // Class: index into Pattern::classes
};

struct CharClass {
    bool negated = false;
    std::vector<char32_t> chars;  // folded
    std::vector<std::pair<char32_t, char32_t>> ranges;
};

// A LIKE pattern read once per statement (kept as SQLite's auxiliary data of the argument).
struct Pattern {
    std::vector<Element> elements;
    std::vector<CharClass> classes;
    bool valid = true;  // false: ends in its escape character, matches nothing
};

Pattern compile(const std::vector<char32_t>& p, std::optional<char32_t> escape) {
    Pattern out;
    const size_t n = p.size();
    for (size_t i = 0; i < n; ++i) {
        const char32_t c = p[i];
        if (escape && c == *escape) {
            if (i + 1 >= n) {
                out.valid = false;
                return out;
            }
            out.elements.push_back({Element::Literal, fold(p[++i])});
        } else if (c == U'%') {
            if (out.elements.empty() || out.elements.back().kind != Element::AnyRun)
                out.elements.push_back({Element::AnyRun});
        } else if (c == U'_') {
            out.elements.push_back({Element::AnyOne});
        } else if (c == U'[') {
            // A class runs to the next ']' after at least one member; without one the '[' is literal.
            size_t close = i + 1;
            if (close < n && p[close] == U'^') ++close;
            if (close < n) ++close;  // the first member may itself be ']'
            while (close < n && p[close] != U']') ++close;
            if (close >= n) {
                out.elements.push_back({Element::Literal, fold(c)});
                continue;
            }
            CharClass cls;
            size_t k = i + 1;
            if (p[k] == U'^') {
                cls.negated = true;
                ++k;
            }
            for (; k < close; ++k) {
                if (k + 2 < close && p[k + 1] == U'-') {
                    cls.ranges.emplace_back(p[k], p[k + 2]);
                    k += 2;
                } else {
                    cls.chars.push_back(fold(p[k]));
                }
            }
            out.classes.push_back(std::move(cls));
            out.elements.push_back({Element::Class, 0, int(out.classes.size()) - 1});
            i = close;
        } else {
            out.elements.push_back({Element::Literal, fold(c)});
        }
    }
    return out;
}

bool inClass(const CharClass& cls, char32_t t, const Collation& collation) {
    const char32_t f = fold(t);
    bool member = std::find(cls.chars.begin(), cls.chars.end(), f) != cls.chars.end();
    for (size_t r = 0; !member && r < cls.ranges.size(); ++r) {
        member = collation.CompareChars(cls.ranges[r].first, t) <= 0 &&
                 collation.CompareChars(t, cls.ranges[r].second) <= 0;
    }
    return member != cls.negated;
}

// Wildcard matching with one backtrack point (the last %): every other element takes exactly one
// character, so a later % can always absorb what an earlier one would have.
template <typename T>
bool matches(const Pattern& p, const T* t, size_t nt, const Collation& collation) {
    if (!p.valid) return false;
    const auto& el = p.elements;
    const size_t np = el.size();
    size_t pi = 0;
    size_t ti = 0;
    size_t starP = SIZE_MAX;
    size_t starT = 0;
    while (ti < nt) {
        if (pi < np) {
            const Element& e = el[pi];
            if (e.kind == Element::AnyRun) {
                starP = ++pi;
                starT = ti;
                continue;
            }
            const char32_t c = char32_t(t[ti]);
            const bool ok = e.kind == Element::AnyOne || (e.kind == Element::Literal && e.c == fold(c)) ||
                            (e.kind == Element::Class && inClass(p.classes[size_t(e.cls)], c, collation));
            if (ok) {
                ++pi;
                ++ti;
                continue;
            }
        }
        if (starP == SIZE_MAX) return false;
        pi = starP;
        ti = ++starT;
    }
    while (pi < np && el[pi].kind == Element::AnyRun) ++pi;
    return pi == np;
}

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
        std::vector<char32_t> codePoints;
        decodeUtf8(pattern, np, codePoints);
        fresh = std::make_unique<Pattern>(compile(codePoints, escape));
        compiled = fresh.get();
    }
    const auto& collation = *static_cast<const Collation*>(sqlite3_user_data(context));
    bool match;
    if (isAscii(text, nt)) {
        // The inventory search runs this once per row: bytes only, nothing allocated.
        match = matches(*compiled, text, size_t(nt), collation);
    } else {
        thread_local std::vector<char32_t> t;
        decodeUtf8(text, nt, t);
        match = matches(*compiled, t.data(), t.size(), collation);
    }
    sqlite3_result_int(context, match ? 1 : 0);
    if (fresh)
        sqlite3_set_auxdata(context, 0, fresh.release(), [](void* p) { delete static_cast<Pattern*>(p); });
}

}  // namespace

void InstallCaseRules(sqlite3* db) {
    auto collation = std::make_unique<Collation>();
    Collation* shared = collation.get();
    int rc = sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, collation.release(), compareCollated,
                                         [](void* p) { delete static_cast<Collation*>(p); });
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (rc == SQLITE_OK) rc = sqlite3_create_function(db, "like", 2, flags, shared, likeFunction, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_create_function(db, "like", 3, flags, shared, likeFunction, nullptr, nullptr);
    if (rc != SQLITE_OK) throw DbError(QString::fromUtf8(sqlite3_errmsg(db)), QString::number(rc));
    // The Bloom filters SQLite (3.38 to 3.40) puts before a join's lookups tell texts apart by their
    // length: a join would miss the rows whose key differs only by trailing blanks, which this
    // comparison finds equal. The lookups go without them (the flag is SQLite's SQLITE_BloomFilter).
    constexpr int kBloomFilter = 0x00080000;
    sqlite3_test_control(SQLITE_TESTCTRL_OPTIMIZATIONS, db, kBloomFilter);
}

std::vector<std::u32string> LikeLiteralRuns(const QString& pattern) {
    const QList<uint> ucs4 = pattern.toUcs4();
    const Pattern compiled = compile(std::vector<char32_t>(ucs4.begin(), ucs4.end()), std::nullopt);
    std::vector<std::u32string> runs(1);
    for (const Element& e : compiled.elements) {
        if (e.kind == Element::Literal) {
            runs.back() += e.c;
        } else if (!runs.back().empty()) {
            runs.emplace_back();
        }
    }
    if (runs.back().empty()) runs.pop_back();
    return runs;
}

std::vector<char32_t> CaseVariants(char32_t folded) {
    // Built once, from every code point: the folds that more than one character shares.
    static const auto shared = [] {
        std::unordered_map<char32_t, std::vector<char32_t>> groups;
        for (char32_t c = 0; c <= 0x10FFFF; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF) continue;
            const char32_t f = fold(c);
            if (f == c) continue;
            auto& group = groups[f];
            if (group.empty()) group.push_back(f);
            group.push_back(c);
        }
        // A fold that is not its own fold would not take itself.
        for (auto& [f, group] : groups) {
            if (fold(f) != f) group.erase(group.begin());
        }
        return groups;
    }();
    const auto found = shared.find(folded);
    if (found != shared.end()) return found->second;
    return {folded};
}

}  // namespace esoa::sql
