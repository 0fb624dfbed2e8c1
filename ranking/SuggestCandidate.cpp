#include "ranking/SuggestCandidate.h"

#include <algorithm>

namespace esoa::assist {
namespace {

constexpr qsizetype kBlockCharacters = qsizetype(1) << 20;

}  // namespace

void CandidateStore::Append(const SuggestCandidate& c) {
    const qsizetype length = c.itemId.size() + c.itemName.size() + c.itemDesc.size();
    Entry e;
    if (narrow_.empty() || narrow_.back().size() + length > narrow_.back().capacity()) {
        narrow_.emplace_back();
        narrow_.back().reserve(std::max(kBlockCharacters, length));
    }
    // Copied as Latin-1 while every character is one; taken back, and kept as UTF-16, at the first
    // that is not.
    QByteArray& narrow = narrow_.back();
    const qsizetype at = narrow.size();
    narrow.resize(at + length);
    char* out = narrow.data() + at;
    for (const QString* text : {&c.itemId, &c.itemName, &c.itemDesc}) {
        for (const QChar ch : *text) {
            if (ch.unicode() >= 0x100) {
                e.wide = true;
                break;
            }
            *out++ = char(ch.unicode());
        }
        if (e.wide) break;
    }
    if (!e.wide) {
        e.block = quint32(narrow_.size() - 1);
        e.at = quint32(at);
    } else {
        narrow.resize(at);
        if (wide_.empty() || wide_.back().size() + length > wide_.back().capacity()) {
            wide_.emplace_back();
            wide_.back().reserve(std::max(kBlockCharacters, length));
        }
        QString& block = wide_.back();
        e.block = quint32(wide_.size() - 1);
        e.at = quint32(block.size());
        block += c.itemId;
        block += c.itemName;
        block += c.itemDesc;
    }
    e.idLength = quint32(c.itemId.size());
    e.nameLength = quint32(c.itemName.size());
    e.descLength = quint32(c.itemDesc.size());
    e.generic = Shared(c.genericName, GenericField);
    e.linked = Shared(c.linkedCode, LinkedField);
    e.source = Shared(c.source, SourceField);
    e.invOrProc = Shared(c.invOrProc, InvOrProcField);
    e.revenue = Shared(c.revenueId, RevenueField);
    e.section = Shared(c.sectionId, SectionField);
    e.kind = c.kind;
    entries_.push_back(e);
}

QAnyStringView CandidateStore::Text(const Entry& e, qsizetype from, qsizetype length) const {
    const qsizetype at = qsizetype(e.at) + from;
    if (e.wide) return QStringView(wide_[e.block]).mid(at, length);
    return QLatin1StringView(narrow_[e.block].constData() + at, length);
}

QAnyStringView CandidateStore::ItemName(qsizetype i) const {
    const Entry& e = entries_[size_t(i)];
    return Text(e, e.idLength, e.nameLength);
}

SuggestCandidate CandidateStore::At(qsizetype i) const {
    const Entry& e = entries_[size_t(i)];
    return {Text(e, 0, e.idLength).toString(),
            Text(e, e.idLength, e.nameLength).toString(),
            values_[e.generic],
            values_[e.linked],
            Text(e, qsizetype(e.idLength) + e.nameLength, e.descLength).toString(),
            values_[e.source],
            e.kind,
            values_[e.invOrProc],
            values_[e.revenue],
            values_[e.section]};
}

QStringList CandidateStore::GenericNames(ItemKind kind) const {
    std::vector<char> named(values_.size(), 0);
    for (const Entry& e : entries_)
        if (e.kind == kind) named[e.generic] = 1;
    QStringList names;
    for (size_t v = 1; v < values_.size(); ++v)
        if (named[v]) names.append(values_[v]);
    return names;
}

quint32 CandidateStore::Shared(const QString& value, Field field) {
    if (value.isEmpty()) return 0;  // most of the values of most items
    // A value made once and handed to every item ("INV", "PH") shares its text with the field's last one.
    auto& [last, lastId] = last_[field];
    if (value.constData() == last.constData() && value.size() == last.size()) return lastId;
    const auto found = valueIds_.constFind(value);
    last = value;
    if (found != valueIds_.constEnd()) return lastId = *found;
    values_.push_back(value);
    return lastId = *valueIds_.insert(value, quint32(values_.size() - 1));
}

}  // namespace esoa::assist
