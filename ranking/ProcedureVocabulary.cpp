#include "ranking/ProcedureVocabulary.h"

#include <QSet>

#include "ranking/ProcedureTerms.h"

namespace esoa::assist::procedure {

namespace {

const std::vector<text::PhraseEntry>& AllTerms() {
    static const std::vector<text::PhraseEntry> all = [] {
        std::vector<text::PhraseEntry> terms = LaboratoryTerms();
        for (const auto* part : {&ImagingTerms(), &ServiceTerms()})
            terms.insert(terms.end(), part->begin(), part->end());
        return terms;
    }();
    return all;
}

}  // namespace

const text::PhraseTable& Phrases() {
    static const text::PhraseTable table(AllTerms(), ProcedureWord, true);
    return table;
}

bool IsKnownTerm(const QString& word) {
    static const QSet<QString> known = [] {
        QSet<QString> set;
        for (const text::PhraseEntry& e : AllTerms())
            for (const QString& t : QString::fromUtf8(e.tokens).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                if (!t.contains(QLatin1Char(':')) && !t.startsWith(QLatin1Char('?'))) set.insert(t);
        return set;
    }();
    return known.contains(word);
}

QString ProcedureWord(const QString& word) {
    QString w = word;
    // British spellings.
    static const std::pair<const char*, const char*> spellings[] = {
        {"haem", "hem"},        {"paed", "ped"},   {"oesoph", "esoph"}, {"oedem", "edem"},
        {"foet", "fet"},        {"anaem", "anem"}, {"gynae", "gyne"},   {"aesthe", "esthe"},
        {"isation", "ization"}, {"ised", "ized"},  {"ising", "izing"},  {"colour", "color"},
        {"titre", "titer"},     {"litre", "liter"}};
    for (const auto& [from, to] : spellings)
        if (w.contains(QLatin1String(from))) w.replace(QLatin1String(from), QLatin1String(to));
    // Plurals ("views", "sinuses", "studies"), on words long enough not to be an abbreviation.
    if (w.size() < 4 || std::any_of(w.cbegin(), w.cend(), [](QChar c) { return c.isDigit(); })) return w;
    if (w.endsWith(QLatin1String("ies")) && w.size() > 4) return w.chopped(3) + QLatin1Char('y');
    if (w.endsWith(QLatin1String("sses")) || w.endsWith(QLatin1String("uses")) ||
        w.endsWith(QLatin1String("xes")))
        return w.chopped(2);
    if (w.endsWith(QLatin1Char('s')) && !w.endsWith(QLatin1String("ss")) &&
        !w.endsWith(QLatin1String("us")) && !w.endsWith(QLatin1String("is")))
        return w.chopped(1);
    return w;
}

bool IsFiller(const QString& word) {
    static const QSet<QString> filler = [] {
        QSet<QString> set;
        const QString words = QStringLiteral(
            "with and of for the a an w c in to per x s g is as on by at up or no only including incl less "
            "than more over under test exam examination determination level assay study procedure service "
            "routine stat opd ipd view series scan imaging new old done fee charge rate use tracing send out "
            "sendout outsourced outside lab laboratory unit sample specimen request item time session visit "
            "titer cm mm package promo");
        for (const QString& w : words.split(QLatin1Char(' '))) set.insert(ProcedureWord(w));
        return set;
    }();
    return filler.contains(word);
}

}  // namespace esoa::assist::procedure
