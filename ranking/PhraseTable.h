#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

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
    // With `typingErrors`, a word of a spelling that has eight letters or more may be written with one
    // typing error ("ultrasund", "seminal fluid anlysis"): a word that no spelling starts with starts the
    // spellings whose first word it is one error away from, when only one such word is.
    PhraseTable(const std::vector<PhraseEntry>& entries, std::function<QString(const QString&)> word,
                bool typingErrors = false);

    // The pieces with every found spelling replaced by its tokens (Word pieces, or Number pieces for
    // tokens that are numbers, inside brackets when the spelling's first word is); the other word
    // pieces normalised; brackets dropped, each piece marked `aside` when it stood inside them.
    QList<Piece> Apply(const QList<Piece>& pieces) const;
    // The tokens of a spelling of one word, or none when no spelling is that word alone.
    QStringList Tokens(const QString& word) const;

private:
    struct Phrase {
        QStringList keys;
        QStringList tokens;
        QList<bool> numbers;  // per token: read as a number ("dextrose 5 %" for "d5"; "24hour" is a word)
    };
    QString Key(const Piece& piece) const;
    // Whether a word of a text is the word of a spelling, or one typing error away from a long one.
    bool SameKey(const QString& word, const QString& key) const;
    // The spellings that a word no spelling starts with may start, misspelt, or nullptr.
    const QList<Phrase>* Misspelt(const QString& word) const;

    std::function<QString(const QString&)> word_;
    QHash<QString, QList<Phrase>> byFirst_;  // longest first
    bool typingErrors_;
    std::vector<QString> longWords_;  // first words of spellings, eight letters or more, sorted by length
};

}  // namespace esoa::assist::text
