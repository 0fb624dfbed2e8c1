#include "ranking/PhraseTable.h"

#include <algorithm>

namespace esoa::assist::text {

PhraseTable::PhraseTable(std::initializer_list<PhraseEntry> entries,
                         std::function<QString(const QString&)> word)
    : word_(std::move(word)) {
    for (const PhraseEntry& e : entries) {
        const QStringList tokens = QString::fromUtf8(e.tokens).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& spelling : QString::fromUtf8(e.spellings).split(QLatin1Char(';'))) {
            Phrase phrase{{}, tokens};
            for (const Piece& p : Cut(Normalised(spelling)))
                if (p.kind != Kind::Open && p.kind != Kind::Close) phrase.keys.append(Key(p));
            if (!phrase.keys.isEmpty()) byFirst_[phrase.keys.front()].append(phrase);
        }
    }
    for (QList<Phrase>& list : byFirst_)
        std::stable_sort(list.begin(), list.end(),
                         [](const Phrase& a, const Phrase& b) { return a.keys.size() > b.keys.size(); });
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
        const Phrase* found = nullptr;
        if (it != byFirst_.constEnd()) {
            for (const Phrase& phrase : *it) {
                if (i + phrase.keys.size() > seen.size()) continue;
                bool same = true;
                for (qsizetype k = 1; k < phrase.keys.size() && same; ++k)
                    same = seen[i + k].text == phrase.keys[k];
                if (same) {
                    found = &phrase;
                    break;
                }
            }
        }
        if (!found) {
            out.append(seen[i++]);
            continue;
        }
        for (const QString& t : found->tokens) out.append({t, Kind::Word, seen[i].aside});
        i += found->keys.size();
    }
    return out;
}

}  // namespace esoa::assist::text
