#include "ranking/SuggestCandidate.h"

namespace esoa::assist {
namespace {

constexpr qsizetype kBlockCharacters = qsizetype(1) << 20;

}  // namespace

void CandidateStore::Append(const SuggestCandidate& c) {
    const qsizetype length = c.itemId.size() + c.itemName.size() + c.itemDesc.size();
    if (blocks_.empty() || blocks_.back().size() + length > blocks_.back().capacity()) {
        blocks_.emplace_back();
        blocks_.back().reserve(std::max(kBlockCharacters, length));
    }
    QString& block = blocks_.back();
    Entry e;
    e.block = quint32(blocks_.size() - 1);
    e.at = quint32(block.size());
    e.idLength = quint32(c.itemId.size());
    e.nameLength = quint32(c.itemName.size());
    e.descLength = quint32(c.itemDesc.size());
    block += c.itemId;
    block += c.itemName;
    block += c.itemDesc;
    e.generic = Shared(c.genericName);
    e.linked = Shared(c.linkedCode);
    e.source = Shared(c.source);
    e.invOrProc = Shared(c.invOrProc);
    e.revenue = Shared(c.revenueId);
    e.section = Shared(c.sectionId);
    e.kind = c.kind;
    entries_.push_back(e);
}

QStringView CandidateStore::Text(const Entry& e, qsizetype from, qsizetype length) const {
    return QStringView(blocks_[e.block]).mid(qsizetype(e.at) + from, length);
}

QStringView CandidateStore::ItemName(qsizetype i) const {
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

quint32 CandidateStore::Shared(const QString& value) {
    if (value.isEmpty()) return 0;  // most of the values of most items
    const auto found = valueIds_.constFind(value);
    if (found != valueIds_.constEnd()) return *found;
    values_.push_back(value);
    return *valueIds_.insert(value, quint32(values_.size() - 1));
}

}  // namespace esoa::assist
