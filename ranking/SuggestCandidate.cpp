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
    e.generic = Shared(c.genericName, GenericField);
    e.linked = Shared(c.linkedCode, LinkedField);
    e.source = Shared(c.source, SourceField);
    e.invOrProc = Shared(c.invOrProc, InvOrProcField);
    e.revenue = Shared(c.revenueId, RevenueField);
    e.section = Shared(c.sectionId, SectionField);
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
