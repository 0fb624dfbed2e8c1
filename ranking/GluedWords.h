#pragma once

#include <QList>

#include "ranking/TextPieces.h"

namespace esoa::assist::medicine {

// Words that masters run together, cut apart before the medicine reading: a strength glued to a name or a
// form ("amlodipine5mg", "tab500mg", "tab500"), a form glued to the unit of the number before it ("500mgtab",
// "1gvial"), and a qualifier glued to a form ("chewtab"). A word that a table knows stays whole, as does
// one whose letters before its digits are too few to be a name ("b12", "d5"). Internal to the ranking
// library.
QList<text::Piece> SplitGluedWords(const QList<text::Piece>& pieces);

}  // namespace esoa::assist::medicine
