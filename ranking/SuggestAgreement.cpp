#include <algorithm>
#include <cmath>

#include "ranking/SuggestIndex.h"

// How the terms of an item agree with those of a description: strengths, packs, forms, qualifiers and the
// attributes of exams.

namespace esoa::assist {
namespace {

// How much agreeing terms add, and a disagreement takes away. The name match lies in [0, 1]; these stay
// below what a different drug or exam name loses, so they only order one product's variants. The amount
// of drug counts most; a pack size least.
constexpr double kAmountWeight = 0.25;
constexpr double kAmountConflict = 0.15;
constexpr double kPackWeight = 0.06;
constexpr double kPackConflict = 0.06;
constexpr double kPackMissing = 0.03;  // the description names a pack size that the item does not
constexpr double kFormWeight = 0.15;
constexpr double kFamilyWeight = 0.05;  // an ampule for a vial: may be meant, but less likely than no form
constexpr double kFormConflict = 0.1;
constexpr double kQualifierWeight = 0.1;
constexpr double kQualifierMissing = 0.08;  // a modified-release tablet for a plain one, or the reverse
constexpr double kQualifierConflict = 0.2;
// What an agreeing attribute adds and a different one takes away; an attribute on one side only takes
// kAttributeMissing, or the whole `differ` for a yes-or-no attribute (a panel or a portable exam).
// A dimension with a usual value reads a silent side as that value: an exam that names no specimen is
// done on blood, one that names no contrast is plain, and an imaging exam that names no modality is most
// likely an X-ray. `usualDiffer` is what a side stating another value loses against a silent one: less
// than against one stating a different value, as a silent side is only most likely the usual one.
struct Dimension {
    const char* name;
    double same, differ;
    bool yesOrNo;
    const char* usual = nullptr;
    double usualDiffer = 0;
};
constexpr Dimension kDimensions[] = {{"modality", 0.10, 0.60, false, "modality:xray", 0.10},
                                     {"view", 0.15, 0.15, false},
                                     {"specimen", 0.20, 0.50, false, "specimen:blood", 0.30},
                                     {"contrast", 0.15, 0.20, false, "contrast:plain", 0.12},
                                     {"age", 0.08, 0.15, true},
                                     {"side", 0.08, 0.15, true},
                                     {"scope", 0.05, 0.10, true},
                                     {"fraction", 0.10, 0.20, false},
                                     {"method", 0.08, 0.15, false},
                                     {"mobile", 0.05, 0.05, true}};
constexpr int kDimensionCount = int(std::size(kDimensions));
constexpr double kAttributeMissing = 0.03;

int DimensionIndex(const QString& attribute) {
    const QStringView name = QStringView(attribute).left(attribute.indexOf(QLatin1Char(':')));
    for (int d = 0; d < kDimensionCount; ++d)
        if (name == QLatin1String(kDimensions[d].name)) return d;
    return -1;
}

int Overlap(const std::vector<int>& query, const int* item, int n) {
    int same = 0;
    for (const int q : query)
        if (q >= 0 && std::find(item, item + n, q) != item + n) ++same;
    return same;
}

bool IsConcentrationKey(const QString& strength) {
    return strength.endsWith(QLatin1String("/ml"));
}

}  // namespace

QStringList SuggestIndex::UsualAttributes() {
    QStringList out;
    for (const Dimension& d : kDimensions) out.append(d.usual ? QString::fromLatin1(d.usual) : QString());
    return out;
}

int SuggestIndex::DimensionOf(const QString& attribute) {
    return DimensionIndex(attribute);
}

bool SuggestIndex::IsConcentration(const QString& strength) {
    return IsConcentrationKey(strength);
}

SuggestIndex::QueryTerms SuggestIndex::Read(const ItemTerms& terms) const {
    QueryTerms q;
    const auto ids = [this, &q](Part part, const QStringList& list) {
        for (const QString& s : list) q.part[part].push_back(termIds_[part].value(s, -1));
    };
    ids(Amounts, terms.strengths);
    for (const QString& s : terms.strengths)
        if (IsConcentration(s)) q.concentrations.push_back(termIds_[Amounts].value(s, -1));
    ids(Packs, terms.packs);
    ids(Forms, terms.forms);
    for (const QString& f : terms.forms) q.families.push_back(familyIds_.value(FormFamily(f), -1));
    ids(Qualifiers, terms.qualifiers);
    ids(Attributes, terms.attributes);
    for (const QString& a : terms.attributes) q.dimensions.push_back(DimensionOf(a));
    return q;
}

// The agreements of an item's terms with the query's.
SuggestIndex::Agreement SuggestIndex::Features(const Item& item, const QueryTerms& q) const {
    Agreement r;
    // `gain` adds to the score; `against` is what a disagreement (not a silence) cost.
    const auto add = [&r](double gain, double against, quint64 code, int bits) {
        r.score += gain;
        r.against += against;
        r.outcome = r.outcome << bits | code;
    };

    // Two concentrations say the strength whatever volume each was written per ("120 mg/5 mL" and
    // "24 mg/mL"); the amount per volume as written only meets an amount written alone.
    const int* itemAmounts = Begin(item, Amounts);
    int nAmounts = item.count[Amounts];
    int itemConcentrations = 0;
    for (int k = 0; k < nAmounts; ++k) itemConcentrations += concentration_[itemAmounts[k]];
    const bool byConcentration = !q.concentrations.empty() && itemConcentrations > 0;
    const auto& amounts = byConcentration ? q.concentrations : q.part[Amounts];
    thread_local std::vector<int> concentrations;
    if (byConcentration) {
        concentrations.clear();
        for (int k = 0; k < nAmounts; ++k)
            if (concentration_[itemAmounts[k]]) concentrations.push_back(itemAmounts[k]);
        itemAmounts = concentrations.data();
        nAmounts = itemConcentrations;
    }
    if (!amounts.empty() && nAmounts > 0) {
        const int same = Overlap(amounts, itemAmounts, nAmounts);
        const double dice = 2.0 * same / double(amounts.size() + nAmounts);
        if (same == 0)
            add(-kAmountConflict, kAmountConflict + kAmountWeight, 1, 4);
        else
            add(kAmountWeight * dice, kAmountWeight * (1 - dice), 1 + quint64(std::lround(dice * 8)), 4);
    } else {
        add(0, 0, 0, 4);
    }

    const auto& packs = q.part[Packs];
    if (!packs.empty() && item.count[Packs] > 0) {
        if (Overlap(packs, Begin(item, Packs), item.count[Packs]) > 0)
            add(kPackWeight, 0, 2, 2);
        else
            add(-kPackConflict, kPackConflict + kPackWeight, 1, 2);
    } else {
        // A pack size the item does not state is no disagreement, but leaves the item in doubt: another
        // pack of the same product may be the one meant.
        if (packs.empty())
            add(0, 0, 0, 2);
        else
            add(-kPackMissing, kPackMissing + kPackWeight, 3, 2);
    }

    const auto& forms = q.part[Forms];
    const int nForms = item.count[Forms];
    if (!forms.empty() && nForms > 0) {
        const int* f = Begin(item, Forms);
        const bool same = Overlap(forms, f, nForms) > 0;
        bool family = false;
        for (int k = 0; k < nForms && !same && !family; ++k)
            family = std::find(q.families.begin(), q.families.end(), family_[f[k]]) != q.families.end();
        if (same)
            add(kFormWeight, 0, 3, 2);
        else if (family)
            add(kFamilyWeight, kFormWeight - kFamilyWeight, 2, 2);
        else
            add(-kFormConflict, kFormConflict + kFormWeight, 1, 2);
    } else {
        r.formSilent = !forms.empty();
        add(0, 0, 0, 2);
    }

    const auto& qualifiers = q.part[Qualifiers];
    const int nQualifiers = item.count[Qualifiers];
    if (qualifiers.empty() != (nQualifiers == 0)) {
        add(-kQualifierMissing, kQualifierMissing + (qualifiers.empty() ? 0 : kQualifierWeight), 1, 3);
    } else if (!qualifiers.empty()) {
        const int same = Overlap(qualifiers, Begin(item, Qualifiers), nQualifiers);
        const bool all = same == int(qualifiers.size()) && same == nQualifiers;
        if (same == 0)
            add(-kQualifierConflict, kQualifierConflict + kQualifierWeight, 2, 3);
        else if (all)
            add(kQualifierWeight, 0, 3, 3);
        else
            add(0, kQualifierWeight, 4, 3);
    } else {
        add(0, 0, 0, 3);
    }

    const int nAttributes = item.count[Attributes];
    if (q.part[Attributes].empty() && nAttributes == 0) return r;
    const int* a = Begin(item, Attributes);
    for (int d = 0; d < kDimensionCount; ++d) {
        int inQuery = 0, inItem = 0, same = 0;
        bool onlyUsual = true;  // every value on the side that names this dimension is its usual one
        for (size_t k = 0; k < q.dimensions.size(); ++k) {
            if (q.dimensions[k] != d) continue;
            ++inQuery;
            const int id = q.part[Attributes][k];
            onlyUsual = onlyUsual && id == usual_[d];
            if (id >= 0 && std::find(a, a + nAttributes, id) != a + nAttributes) ++same;
        }
        for (int k = 0; k < nAttributes; ++k) {
            if (dimension_[a[k]] != d) continue;
            ++inItem;
            if (inQuery == 0) onlyUsual = onlyUsual && a[k] == usual_[d];
        }
        const Dimension& dim = kDimensions[d];
        if (inQuery == 0 && inItem == 0) {
            add(0, 0, 0, 3);
        } else if (dim.usual && (inQuery == 0 || inItem == 0)) {
            // The silent side has the usual value: the other says nothing more when it has only that one.
            if (onlyUsual)
                add(0, 0, 0, 3);
            else
                add(-dim.usualDiffer, dim.usualDiffer, 2, 3);
        } else if (inQuery == 0 || inItem == 0) {
            // An item silent on what the description asks for may be meant, but is not surely meant.
            const double lost = dim.yesOrNo ? dim.differ : kAttributeMissing;
            add(-lost, lost, 1, 3);
        } else if (same == 0) {
            add(-dim.differ, dim.differ + dim.same, 2, 3);
        } else {
            const double dice = 2.0 * same / double(inQuery + inItem);
            // Part of a set of views or fractions is another exam as surely as a different one.
            add(dim.same * dice - (1 - dice) * dim.differ / 2, dice == 1 ? 0 : dim.same + dim.differ / 2,
                dice == 1 ? 3 : 4, 3);
        }
    }
    return r;
}

}  // namespace esoa::assist
