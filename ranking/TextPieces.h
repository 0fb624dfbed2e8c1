#pragma once

#include <QList>
#include <QString>

namespace esoa::assist::text {

// The first steps shared by the medicine and the procedure readings: folding and cutting a text into
// pieces. Internal to the ranking library.

enum class Kind { Word, Number, Slash, Plus, Open, Close };

struct Piece {
    QString text;
    Kind kind;
    bool aside = false;  // inside brackets ("Amoxicillin (Amoxil)", "Creatinine (STAT)")
};

// Lower case without accents ("Niño" gives "nino"), the micro sign written "mc" as in "mcg", "w/" and
// "w/o" spelt "with" and "without", "w/v" and "w/w" dropped, and letters written with dots run together
// ("I.U." gives "iu", "S.G.P.T." gives "sgpt").
QString Normalised(const QString& text);

// Cuts a normalised text into words, numbers (decimal point kept, ".5" read as 0.5, thousands commas
// dropped), "/", "+" (also "&") and brackets; every other mark separates. A word glued behind a number
// ("500mg") is its own piece; digits after letters stay in the word ("b12", "d5", "amlodipine2.5mg"). A
// hyphen between letters joins the two sides when one of them is a single letter or both have at most
// two ("x-ray", "c-spine", "ck-mb") and neither holds a digit ("b1-b6-b12"), and separates them otherwise
// ("film-coated", "ap-lat", "co-amoxiclav"); a possessive "'s" goes.
QList<Piece> Cut(const QString& normalised);

// The value of a number piece (as QString::toDouble gives it, 0 for a text that is not a number).
double NumberValue(const QString& number);

// A number as a short text: whole numbers without a decimal point, others with up to ten digits.
QString Number(double value);

}  // namespace esoa::assist::text
