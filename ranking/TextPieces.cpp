#include "ranking/TextPieces.h"

#include <algorithm>
#include <cmath>

namespace esoa::assist::text {
namespace {

QChar At(const QString& s, qsizetype i) {
    return i >= 0 && i < s.size() ? s[i] : QChar(' ');
}

// "w/" and "w/o" are how masters write "with" and "without"; "w/v" and "w/w" only say how a percentage
// was measured.
qsizetype IndexOfWSlash(const QString& s, qsizetype from) {
    for (qsizetype i = from; i + 1 < s.size(); ++i)
        if (s[i] == QLatin1Char('w') && s[i + 1] == QLatin1Char('/')) return i;
    return -1;
}

void SpellWith(QString& s) {
    for (qsizetype i = IndexOfWSlash(s, 0); i >= 0; i = IndexOfWSlash(s, i + 1)) {
        if (i > 0 && s[i - 1].isLetterOrNumber()) continue;
        const QChar next = At(s, i + 2);
        const bool closed = !At(s, i + 3).isLetter();
        if ((next == 'v' || next == 'w') && closed) {
            s.replace(i, 3, QLatin1String(" "));
        } else {
            const bool without = next == 'o' && closed;
            s.replace(i, without ? 3 : 2, without ? QLatin1String(" without ") : QLatin1String(" with "));
        }
    }
}

// Single letters each followed by a dot, two or more in a row, are one abbreviation: "i.u." is "iu".
void JoinDottedLetters(QString& s) {
    const auto single = [&s](qsizetype i) {
        return At(s, i).isLetter() && !At(s, i - 1).isLetterOrNumber() && !At(s, i + 1).isLetterOrNumber();
    };
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size();) {
        if (!(single(i) && At(s, i + 1) == '.' && single(i + 2))) {
            out.append(s[i++]);
            continue;
        }
        qsizetype j = i;
        while (single(j)) {
            out.append(s[j]);
            if (At(s, j + 1) != '.') {
                ++j;
                break;
            }
            j += 2;
        }
        out.append(QLatin1Char(' '));
        i = j;
    }
    s = out;
}

}  // namespace

QString Normalised(const QString& text) {
    QString t = text;
    // Most masters are plain ASCII: decomposing those would only cost time.
    const bool ascii = std::all_of(t.cbegin(), t.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii) {
        for (QChar& c : t)  // the text's own copy, lowered in place
            if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
    } else {
        t.replace(QChar(0x00B5), QLatin1String("mc")).replace(QChar(0x03BC), QLatin1String("mc"));
        const QString decomposed = t.normalized(QString::NormalizationForm_KD);
        t.clear();
        t.reserve(decomposed.size());
        for (const QChar c : decomposed)
            if (c.category() != QChar::Mark_NonSpacing) t.append(c.toLower());
    }
    SpellWith(t);
    if (t.contains(QLatin1Char('.'))) JoinDottedLetters(t);
    return t;
}

QList<Piece> Cut(const QString& s) {
    QList<Piece> pieces;
    pieces.reserve(8);
    // The piece being gathered, in a buffer of its own that each piece leaves with an exact copy.
    QString cur;
    cur.reserve(s.size() + 2);
    Kind curKind = Kind::Word;
    const auto flush = [&] {
        if (!cur.isEmpty()) pieces.append({QString(cur.constData(), cur.size()), curKind});
        cur.truncate(0);
    };
    // Letters of the current word, so that a hyphen knows how long its left side is.
    qsizetype wordStart = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c.isDigit()) {
            if (!cur.isEmpty() && curKind == Kind::Word) {
                // A digit after letters stays in the word ("g18", "b12"); after a number it continues it.
                cur.append(c);
                continue;
            }
            curKind = Kind::Number;
            cur.append(c);
        } else if (c.isLetter()) {
            if (curKind == Kind::Number && !cur.isEmpty()) flush();
            if (cur.isEmpty()) wordStart = i;
            curKind = Kind::Word;
            cur.append(c);
        } else if (c == '.' && cur.isEmpty() && At(s, i + 1).isDigit() && !At(s, i - 1).isLetterOrNumber()) {
            curKind = Kind::Number;  // ".5 mg" is 0.5 mg
            cur.append(QLatin1String("0."));
        } else if (c == '.' && curKind == Kind::Word && !cur.isEmpty() && cur.back().isDigit() &&
                   At(s, i + 1).isDigit()) {
            cur.append(c);  // a strength glued to a name keeps its decimals ("amlodipine2.5mg")
        } else if ((c == '.' || c == ',') && curKind == Kind::Number && !cur.isEmpty() &&
                   At(s, i + 1).isDigit()) {
            const bool thousands =
                c == ',' && At(s, i + 2).isDigit() && At(s, i + 3).isDigit() && !At(s, i + 4).isDigit();
            if (c == '.')
                cur.append(c);
            else if (!thousands)
                flush();
        } else if (c == '-' && curKind == Kind::Word && !cur.isEmpty() && At(s, i + 1).isLetter()) {
            qsizetype right = 0;
            bool digits = std::any_of(cur.cbegin(), cur.cend(), [](QChar d) { return d.isDigit(); });
            for (; At(s, i + 1 + right).isLetterOrNumber(); ++right)
                digits = digits || At(s, i + 1 + right).isDigit();
            const qsizetype left = i - wordStart;
            if (digits || !(left == 1 || right == 1 || (left <= 2 && right <= 2))) flush();
        } else if ((c == '\'' || c == QChar(0x2019)) && curKind == Kind::Word && !cur.isEmpty()) {
            if (At(s, i + 1) == 's' && !At(s, i + 2).isLetterOrNumber()) ++i;
        } else {
            flush();
            if (c == '%')
                pieces.append({QStringLiteral("%"), Kind::Word});
            else if (c == '/')
                pieces.append({QStringLiteral("/"), Kind::Slash});
            else if (c == '+' || c == '&')
                pieces.append({QString(c), Kind::Plus});
            else if (c == '(' || c == '[')
                pieces.append({QString(c), Kind::Open});
            else if (c == ')' || c == ']')
                pieces.append({QString(c), Kind::Close});
        }
    }
    flush();
    return pieces;
}

double NumberValue(const QString& number) {
    // Digits with at most one decimal point and fifteen digits in all are exact as a whole number and
    // divide by an exact power of ten into the same double as the full conversion gives.
    static constexpr double kTens[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    qint64 whole = 0;
    int digits = 0, decimals = -1;
    for (const QChar c : number) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            whole = whole * 10 + (c.unicode() - '0');
            if (++digits > 15) return number.toDouble();
            if (decimals >= 0) ++decimals;
        } else if (c == QLatin1Char('.') && decimals < 0) {
            decimals = 0;
        } else {
            return number.toDouble();
        }
    }
    if (digits == 0) return number.toDouble();
    return decimals > 0 ? double(whole) / kTens[decimals] : double(whole);
}

QString Number(double value) {
    // Whole numbers, by far the most common, skip the costly shortest-decimal conversion.
    if (value == std::floor(value) && std::abs(value) < 1e15) return QString::number(qint64(value));
    return QString::number(value, 'g', 10);
}

}  // namespace esoa::assist::text
