#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>

#include "ranking/TextPieces.h"

namespace esoa::assist::text {

// Spellings of one thing, a phrase of one or more words each, and what they stand for: one or more
// tokens (words, or marked readings such as "view:pa" or "q:sublingual" that the reading sorts out).
struct PhraseEntry {
    const char* spellings;  // separated by ";", written as a text would be ("c-reactive protein; crp")
    const char* tokens;     // separated by blanks
};

// Finds the spellings in a text's pieces, longest first, and puts their tokens in their place.
// Brackets inside a text are looked through; "/" and "+" count as words of a spelling ("c/s", "i & d").
class PhraseTable {
public:
    // `word` normalises a word of a text and of a spelling alike (e.g. spelling variants, plurals).
    PhraseTable(std::initializer_list<PhraseEntry> entries, std::function<QString(const QString&)> word);

    // The pieces with every found spelling replaced by its tokens (Word pieces, inside brackets when the
    // spelling's first word is); the other word pieces normalised; brackets dropped, each piece marked
    // `aside` when it stood inside them.
    QList<Piece> Apply(const QList<Piece>& pieces) const;

private:
    struct Phrase {
        QStringList keys;
        QStringList tokens;
    };
    QString Key(const Piece& piece) const;

    std::function<QString(const QString&)> word_;
    QHash<QString, QList<Phrase>> byFirst_;  // longest first
};

}  // namespace esoa::assist::text
