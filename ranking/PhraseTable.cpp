#include "ranking/PhraseTable.h"

#include <algorithm>

#include "ranking/TermMatcher.h"

namespace esoa::assist::text {

namespace {

// A spelling must be this long for a typing error in it to be told from another word.
constexpr qsizetype kMisspeltFrom = 8;

}  // namespace

PhraseTable::PhraseTable(const std::vector<PhraseEntry>& entries, std::function<QString(const QString&)> word,
                         bool typingErrors)
    : word_(std::move(word)), typingErrors_(typingErrors) {
    for (const PhraseEntry& e : entries) {
        const QStringList tokens = QString::fromUtf8(e.tokens).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QList<bool> numbers;
        for (const QString& t : tokens) {
            bool number = false;
            if (t[0].isDigit()) t.toDouble(&number);
            numbers.append(number);
        }
        for (const QString& spelling : QString::fromUtf8(e.spellings).split(QLatin1Char(';'))) {
            Phrase phrase{{}, tokens, numbers};
            for (const Piece& p : Cut(Normalised(spelling)))
                if (p.kind != Kind::Open && p.kind != Kind::Close) phrase.keys.append(Key(p));
            if (!phrase.keys.isEmpty()) byFirst_[phrase.keys.front()].append(phrase);
        }
    }
    for (QList<Phrase>& list : byFirst_)
        std::stable_sort(list.begin(), list.end(),
                         [](const Phrase& a, const Phrase& b) { return a.keys.size() > b.keys.size(); });
    for (auto it = byFirst_.cbegin(); it != byFirst_.cend(); ++it)
        if (it.key().size() >= kMisspeltFrom) longWords_.push_back(it.key());
    std::sort(longWords_.begin(), longWords_.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
}

bool PhraseTable::SameKey(const QString& word, const QString& key) const {
    if (word == key) return true;
    return typingErrors_ && key.size() >= kMisspeltFrom && std::abs(word.size() - key.size()) <= 1 &&
           TermMatcher::Distance(word, key, 1) == 1;
}

const QList<PhraseTable::Phrase>* PhraseTable::Misspelt(const QString& word) const {
    if (!typingErrors_ || word.size() + 1 < kMisspeltFrom ||
        !std::all_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLetter(); }))
        return nullptr;
    const auto from = std::lower_bound(longWords_.begin(), longWords_.end(), word.size() - 1,
                                       [](const QString& w, qsizetype n) { return w.size() < n; });
    const QString* found = nullptr;
    for (auto it = from; it != longWords_.end() && it->size() <= word.size() + 1; ++it) {
        // One error leaves the first or the second letter in place.
        if ((*it)[0] != word[0] && (*it)[1] != word[1]) continue;
        if (TermMatcher::Distance(word, *it, 1) != 1) continue;
        if (found) return nullptr;  // two spellings fit: neither is sure
        found = &*it;
    }
    return found ? &*byFirst_.constFind(*found) : nullptr;
}

QString PhraseTable::Key(const Piece& piece) const {
    switch (piece.kind) {
        case Kind::Word:
            return word_(piece.text);
        case Kind::Plus:
            return QStringLiteral("+");
        default:
            return piece.text;
    }
}

QList<Piece> PhraseTable::Apply(const QList<Piece>& pieces) const {
    QList<Piece> seen;  // without brackets, words normalised
    seen.reserve(pieces.size());
    int depth = 0;
    for (const Piece& p : pieces) {
        if (p.kind == Kind::Open)
            ++depth;
        else if (p.kind == Kind::Close)
            depth = std::max(0, depth - 1);
        else
            seen.append({Key(p), p.kind, depth > 0});
    }

    QList<Piece> out;
    out.reserve(seen.size());
    for (qsizetype i = 0; i < seen.size();) {
        const auto it = byFirst_.constFind(seen[i].text);
        const QList<Phrase>* starting = it != byFirst_.constEnd()    ? &*it
                                        : seen[i].kind == Kind::Word ? Misspelt(seen[i].text)
                                                                     : nullptr;
        const Phrase* found = nullptr;
        if (starting) {
            for (const Phrase& phrase : *starting) {
                if (i + phrase.keys.size() > seen.size()) continue;
                bool same = true;
                for (qsizetype k = 1; k < phrase.keys.size() && same; ++k)
                    same = SameKey(seen[i + k].text, phrase.keys[k]);
                if (same) {
                    found = &phrase;
                    break;
                }
            }
        }
        if (!found) {
            out.append(std::move(seen[i++]));
            continue;
        }
        for (qsizetype k = 0; k < found->tokens.size(); ++k)
            out.append({found->tokens[k], found->numbers[k] ? Kind::Number : Kind::Word, seen[i].aside});
        i += found->keys.size();
    }
    return out;
}

QStringList PhraseTable::Tokens(const QString& word) const {
    const auto it = byFirst_.constFind(word_(word));
    if (it == byFirst_.constEnd()) return {};
    for (const Phrase& phrase : *it)
        if (phrase.keys.size() == 1) return phrase.tokens;
    return {};
}

}  // namespace esoa::assist::text
