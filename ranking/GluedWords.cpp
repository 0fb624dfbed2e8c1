#include "ranking/GluedWords.h"

#include <QHash>
#include <algorithm>

#include "ranking/MedicineVocabulary.h"

namespace esoa::assist::medicine {
namespace {

using text::Kind;
using text::Piece;

// Shortest run of letters before a glued strength that is taken for a word of its own.
constexpr qsizetype kMinGluedName = 3;

bool Known(const QString& word) {
    return FindUnit(word) || !Phrases().Tokens(word).isEmpty();
}

// What a one-word spelling stands for when it is a form or a dose-form qualifier, else empty.
QString FormOrQualifier(const QString& word) {
    const QStringList tokens = Phrases().Tokens(word);
    if (tokens.size() != 1) return {};
    const QString& t = tokens[0];
    return IsForm(t) || t.startsWith(QLatin1String("q:")) ? t : QString();
}

// "amlodipine5mg" and "tab500mg": letters, a number and a unit; "tab500": a form and a number.
QStringList SplitStrength(const QString& w) {
    qsizetype letters = 0;
    while (letters < w.size() && w[letters].isLetter()) ++letters;
    qsizetype digits = letters;
    while (digits < w.size() && (w[digits].isDigit() || w[digits] == '.')) ++digits;
    if (letters < kMinGluedName || digits == letters || !w[letters].isDigit()) return {};
    // "tab500": a form before a strength that states no unit.
    if (digits == w.size())
        return FormOrQualifier(w.left(letters)).isEmpty() ? QStringList()
                                                          : QStringList{w.left(letters), w.mid(letters)};
    const QString unit = w.mid(digits);
    if (!FindUnit(unit)) return {};
    return {w.left(letters), w.mid(letters, digits - letters), unit};
}

// "mgtab" after a number: a unit, then a form or qualifier.
QStringList SplitUnitForm(const QString& w) {
    for (qsizetype n = 1; n <= 4 && n + 2 <= w.size(); ++n)
        if (FindUnit(w.left(n)) && !FormOrQualifier(w.mid(n)).isEmpty()) return {w.left(n), w.mid(n)};
    return {};
}

// "chewtab": a qualifier and a form, in either order.
QStringList SplitQualifierForm(const QString& w) {
    for (qsizetype n = 2; n + 2 <= w.size(); ++n) {
        const QString a = FormOrQualifier(w.left(n)), b = FormOrQualifier(w.mid(n));
        if (a.isEmpty() || b.isEmpty()) continue;
        if (a.startsWith(QLatin1String("q:")) != b.startsWith(QLatin1String("q:")))
            return {w.left(n), w.mid(n)};
    }
    return {};
}

bool HasDigit(const QString& w) {
    return std::any_of(w.cbegin(), w.cend(), [](QChar c) { return c.isDigit(); });
}

QStringList Split(const QString& w, bool afterNumber) {
    // No form, qualifier or unit is spelt with a digit: a word with one ("amlodipine5mg", or an item
    // code "l100234", of which a master may hold a million) can only be a glued strength, quickly seen.
    if (HasDigit(w)) return Known(w) ? QStringList() : SplitStrength(w);
    // Masters repeat their spellings: each distinct word is worked out once per thread.
    thread_local QHash<QString, QStringList> cache[2];
    QHash<QString, QStringList>& seen = cache[afterNumber];
    const auto cached = seen.constFind(w);
    if (cached != seen.constEnd()) return *cached;
    // A word that a table knows stays whole.
    QStringList parts;
    if (!Known(w)) {
        parts = SplitStrength(w);
        if (parts.isEmpty() && afterNumber) parts = SplitUnitForm(w);
        if (parts.isEmpty()) parts = SplitQualifierForm(w);
    }
    if (seen.size() > 100000) seen.clear();
    seen.insert(w, parts);
    return parts;
}

}  // namespace

QList<Piece> SplitGluedWords(const QList<Piece>& pieces) {
    // Most texts have nothing glued: they are handed back as they came.
    QList<Piece> out;
    bool split = false;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        const QStringList parts = p.kind == Kind::Word && p.text.size() >= 4 && p.text[0].isLetter()
                                      ? Split(p.text, i > 0 && pieces[i - 1].kind == Kind::Number)
                                      : QStringList();
        if (parts.isEmpty()) {
            if (split) out.append(p);
            continue;
        }
        if (!split) {
            out.reserve(pieces.size() + 2);
            out.append(pieces.mid(0, i));
            split = true;
        }
        for (const QString& part : parts)
            out.append({part, part[0].isDigit() ? Kind::Number : Kind::Word, p.aside});
    }
    return split ? out : pieces;
}

}  // namespace esoa::assist::medicine
