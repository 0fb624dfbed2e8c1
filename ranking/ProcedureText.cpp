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

// Whether an attribute of `dimension` ("modality:") is among the attributes.
bool HasDimension(const QStringList& attributes, QStringView dimension) {
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

// What an abbreviation read by the rest of the text (`tokens`, the words with the filler) stands for.
void Resolve(ItemTerms& t, const QStringList& tokens, const QString& pending) {
    if (pending == QLatin1String("?ct")) {
        if (HasAny(tokens, {"bleedingtime", "clottingtime", "clotting", "coagulation"}))
            AddOnce(t.words, QStringLiteral("clottingtime"));
        else
            AddOnce(t.attributes, QStringLiteral("modality:ct"));
    } else if (pending == QLatin1String("?pt")) {
        const bool therapy =
            HasAny(tokens, {"evaluation", "therapy", "physicaltherapy", "session", "rehabilitation",
                            "treatment", "exercise", "therapeuticexercise"});
        AddOnce(t.words, therapy ? QStringLiteral("physicaltherapy") : QStringLiteral("prothrombin"));
    } else if (pending == QLatin1String("?us")) {
        if (HasAny(tokens, {"therapy", "therapeutic", "physicaltherapy", "rehabilitation"}))
            AddOnce(t.words, QStringLiteral("therapeuticultrasound"));
        else
            AddOnce(t.attributes, QStringLiteral("modality:ultrasound"));
    } else if (pending == QLatin1String("?wound")) {
        if (HasAny(tokens, {"gramstain", "culture", "sensitivity", "afb", "koh", "cytology"}))
            AddOnce(t.attributes, QStringLiteral("specimen:wound"));
        else
            AddOnce(t.words, QStringLiteral("wound"));
    }
}

// An exam table's name cut into words: "tbcoXRayExam" gives "X Ray Exam", "tbcoCTExam" "CT Exam".
QString TableWords(const QString& source) {
    QString name = source;
    if (name.startsWith(QLatin1String("tbco"))) name = name.mid(4);
    QString out;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const QChar before = i > 0 ? name[i - 1] : QChar(' ');
        const QChar after = i + 1 < name.size() ? name[i + 1] : QChar(' ');
        const bool startsWord = c.isUpper() && (before.isLower() || (before.isUpper() && after.isLower()));
        if (startsWord) out.append(QLatin1Char(' '));
        out.append(c.isLetterOrNumber() ? c : QChar(' '));
    }
    // Tables are named shorter than their rows: "UltraExam", "SonoExam".
    return out.replace(QLatin1String("Ultra "), QLatin1String("Ultrasound "), Qt::CaseInsensitive);
}

}  // namespace

ItemTerms AnalyseProcedureText(const QString& text, const QStringList& context) {
    const QList<text::Piece> pieces = procedure::Phrases().Apply(text::Cut(text::Normalised(text)));
    ItemTerms t;
    QStringList pending, tokens;
    for (const text::Piece& p : pieces) {
        if (p.kind == text::Kind::Number) {
            AddWord(t, text::Number(text::NumberValue(p.text)), false);
        } else if (p.kind != text::Kind::Word) {
            continue;
        } else if (p.text.startsWith(QLatin1Char('?'))) {
            pending.append(p.text);
        } else if (p.text.contains(QLatin1Char(':'))) {
            AddOnce(t.attributes, p.text);
        } else {
            tokens.append(p.text);
            if (!procedure::IsFiller(p.text)) AddWord(t, p.text, false);
        }
    }
    for (const QString& p : pending) Resolve(t, tokens, p);
    AddPanels(t);
    for (const QString& c : context) {
        if (!HasDimension(t.attributes, QStringView(c).left(c.indexOf(QLatin1Char(':')) + 1)))
            t.attributes.append(c);
    }
    if (!HasDimension(t.attributes, u"modality:") && HasDimension(t.attributes, u"view:"))
        t.attributes.append(QStringLiteral("modality:xray"));
    return t;
}

QStringList SourceAttributes(const QString& source) {
    if (source.isEmpty()) return {};
    QStringList out;
    for (const QString& a : AnalyseProcedureText(TableWords(source)).attributes)
        if (a.startsWith(QLatin1String("modality:"))) out.append(a);
    return out;
}

}  // namespace esoa::assist
