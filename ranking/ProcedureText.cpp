#include "ranking/ProcedureText.h"

#include <algorithm>

#include "ranking/ProcedureVocabulary.h"
#include "ranking/TextPieces.h"

namespace esoa::assist {
namespace {

void AddOnce(QStringList& list, const QString& item) {
    if (!list.contains(item)) list.append(item);
}

void AddWord(ItemTerms& t, const QString& word, bool aside) {
    if (!t.words.contains(word)) {
        t.words.append(word);
        if (aside) t.asides.append(word);
    } else if (!aside) {
        t.asides.removeOne(word);
    }
}

bool HasAny(const QStringList& list, std::initializer_list<const char*> items) {
    return std::any_of(items.begin(), items.end(), [&list](const char* i) { return list.contains(i); });
}

qsizetype CountOf(const QStringList& list, std::initializer_list<const char*> items) {
    return std::count_if(items.begin(), items.end(), [&list](const char* i) { return list.contains(i); });
}

bool HasDimension(const QStringList& attributes, QLatin1String dimension) {
    return std::any_of(attributes.begin(), attributes.end(),
                       [dimension](const QString& a) { return a.startsWith(dimension); });
}

// Analytes that, named together, are the panel they belong to.
void AddPanels(ItemTerms& t) {
    static const struct {
        const char* panel;
        std::initializer_list<const char*> members;
    } panels[] = {
        {"electrolyte", {"sodium", "potassium", "chloride"}},
        {"lipidprofile", {"cholesterol", "triglyceride", "hdl", "ldl"}},
        {"tft", {"tsh", "ft3", "ft4", "t3", "t4"}},
    };
    for (const auto& p : panels) {
        if (CountOf(t.words, p.members) < 2) continue;
        AddOnce(t.words, p.panel);
        AddOnce(t.attributes, QStringLiteral("scope:panel"));
    }
}

}  // namespace

ItemTerms AnalyseProcedureText(const QString& text) {
    const QList<text::Piece> pieces = procedure::Phrases().Apply(text::Cut(text::Normalised(text)));
    ItemTerms t;
    QStringList pending;
    for (const text::Piece& p : pieces) {
        if (p.kind == text::Kind::Number) {
            AddWord(t, text::Number(p.text.toDouble()), p.aside);
        } else if (p.kind != text::Kind::Word) {
            continue;
        } else if (p.text.startsWith(QLatin1Char('?'))) {
            pending.append(p.text);
        } else if (p.text.contains(QLatin1Char(':'))) {
            AddOnce(t.attributes, p.text);
        } else if (!procedure::IsFiller(p.text)) {
            AddWord(t, p.text, p.aside);
        }
    }
    for (const QString& p : pending) {
        if (p == QLatin1String("?ct")) {
            if (HasAny(t.words, {"bleedingtime", "clottingtime", "clotting", "coagulation"}))
                AddOnce(t.words, QStringLiteral("clottingtime"));
            else
                AddOnce(t.attributes, QStringLiteral("modality:ct"));
        } else if (p == QLatin1String("?pt")) {
            const bool therapy =
                HasAny(t.words, {"evaluation", "eval", "therapy", "physicaltherapy", "session",
                                 "rehabilitation", "treatment", "exercise", "assessment"});
            AddOnce(t.words, therapy ? QStringLiteral("physicaltherapy") : QStringLiteral("prothrombin"));
        }
    }
    AddPanels(t);
    if (!HasDimension(t.attributes, QLatin1String("modality:")) &&
        HasDimension(t.attributes, QLatin1String("view:")))
        t.attributes.append(QStringLiteral("modality:xray"));
    return t;
}

}  // namespace esoa::assist
