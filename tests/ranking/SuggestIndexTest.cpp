#include <gtest/gtest.h>

#include "ranking/ItemText.h"
#include "ranking/SuggestIndex.h"

namespace esoa::assist {
namespace {

// Texts written differently in masters and in the PhilHealth lists that must read the same.
TEST(SuggestText, DifferentSpellingsOfOneProductGiveTheSameTerms) {
    const std::pair<QString, QString> same[] = {
        {"PARACETAMOL 500 mg tablet", "paracetamol 500MG Tab."},
        {"Ceftriaxone 1 g vial", "CEFTRIAXONE 1000mg vl"},
        {"Salbutamol 500 mcg", "salbutamol 0.5 mg"},
        {"Salbutamol 100 µg", "Salbutamol 100 micrograms"},
        {"Amoxicillin 250 mg/5 mL susp", "AMOXICILLIN 250mg/5ml suspension"},
        {"Sodium chloride 1,000 mL", "Sodium Chloride 1 L"},
        {"Sto. Niño ampoule", "sto nino AMP"},
        {"Chest X-ray PA", "chest x ray pa"},
        {"CBC w/ platelet count", "CBC with Platelet Count"},
        {"Insulin 100 IU/mL", "insulin 100 units/ml"},
    };
    for (const auto& [a, b] : same) {
        SCOPED_TRACE(qPrintable(a + " | " + b));
        const ItemTerms x = AnalyseItemText(a), y = AnalyseItemText(b);
        EXPECT_EQ(x.words, y.words);
        EXPECT_EQ(x.strengths, y.strengths);
        EXPECT_EQ(x.forms, y.forms);
    }
    const ItemTerms t = AnalyseItemText("Amoxicillin 250mg/5mL susp, 60 mL");
    EXPECT_EQ(t.words, QStringList{"amoxicillin"});
    EXPECT_EQ(t.strengths, (QStringList{"250mg", "5ml", "60ml"}));
    EXPECT_EQ(t.forms, QStringList{"suspension"});
}

const QList<SuggestCandidate>& Master() {
    static const QList<SuggestCandidate> items = {
        {"1", "Paracetamol 500mg tablet", "Paracetamol", ""},
        {"2", "Paracetamol 250mg/5mL syrup 60mL", "Paracetamol", "M0001008"},
        {"3", "AMOXIL 500 MG CAP", "Amoxicillin", ""},
        {"4", "Amoxicillin 250mg/5ml susp 60ml", "Amoxicillin", ""},
        {"5", "Amoxicillin + Clavulanic Acid 625mg tab", "Co-Amoxiclav", ""},
        {"6", "Ceftriaxone 1000mg vl", "", ""},
        {"7", "Ceftriaxone 2g vial", "", ""},
        {"8", "Metronidazol 500mg tab", "", ""},
        {"9", "Metformin 500mg tab", "Metformin", ""},
        {"10", "Ibuprofen 200mg tab", "Ibuprofen", ""},
        {"11", "Ibuprofen 400mg tab", "Ibuprofen", ""},
        {"12", "Tramadol 50mg cap", "Tramadol", ""},
        {"13", "Tramadol 50mg/ml amp 2ml", "Tramadol", ""},
        {"14", "Salbutamol 2mg tab", "Salbutamol", ""},
        {"15", "Salbutamol 100mcg/dose inh", "Salbutamol", ""},
        {"16", "ADULT DIAPER PANAL", "", ""},
        {"17", "XRAY CHEST PA VIEW", "", ""},
        {"18", "Chest Ultrasound", "", ""},
        {"19", "CBC W/ PLATELET COUNT", "", ""},
        {"20", "Platelet Count", "", ""},
        {"21", "Losartan Potassium 50mg tab", "Losartan", ""},
        {"22", "Losartan Potassium 100mg tab", "Losartan", ""},
    };
    return items;
}

TEST(SuggestIndex, RanksTheMatchingItemFirstAndItsOtherVariantsBelow) {
    const SuggestIndex index(Master());
    struct Case {
        QString query, first, below;  // `below`, when given, must be listed after `first`
    };
    const Case cases[] = {
        {"ADULT DIAPER (PAÑAL)", "16", ""},                                   // accents and punctuation
        {"AMOXICILLIN 250 mg/5 mL suspension, 60 mL", "4", "3"},              // abbreviated form, glued units
        {"AMOXICILLIN 500 mg capsule", "3", "4"},                             // brand carried by its generic
        {"CEFTRIAXONE 1 g vial", "6", "7"},                                   // 1 g = 1000 mg, vl = vial
        {"SALBUTAMOL 100 micrograms inhaler", "15", "14"},                    // mcg, inh
        {"METRONIDAZOLE 500 mg tablet", "8", ""},                             // a letter missing in the master
        {"IBUPROFEN 400 mg tablet", "11", "10"},                              // strength mismatch below
        {"TRAMADOL 50 mg/mL ampule, 2 mL", "13", "12"},                       // form mismatch below
        {"Chest X-ray PA", "17", "18"},                                       // word order, hyphen
        {"CBC with Platelet Count", "19", "20"},                              // "w/"
        {"LOSARTAN 100 mg tablet", "22", "21"},                               // salt only in the master
        {"paracetamol 250 MG/5 ML SYRUP", "2", "1"},                          // letter case
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.query));
        const QList<Suggestion> found = index.Suggest(c.query);
        ASSERT_FALSE(found.isEmpty());
        EXPECT_EQ(index.candidate(found[0].candidate).itemId, c.first);
        if (c.below.isEmpty()) continue;
        const auto at = std::find_if(found.begin(), found.end(),
                                     [&](const Suggestion& s) { return index.candidate(s.candidate).itemId == c.below; });
        ASSERT_NE(at, found.end()) << "the other variant is still suggested";
        EXPECT_LT(at->score, found[0].score);
    }
}

TEST(SuggestIndex, OrdersEqualScoresByNameThenIdAndKeepsTheLimit) {
    const SuggestIndex index({{"B2", "Gauze Pad", "", ""},
                              {"A1", "gauze pad", "", ""},
                              {"C3", "Gauze Pad", "", ""},
                              {"D4", "Gauze Roll", "", ""},
                              {"E5", "Cotton Balls", "", ""}});
    QStringList ids;
    for (const Suggestion& s : index.Suggest("GAUZE pad")) ids << index.candidate(s.candidate).itemId;
    EXPECT_EQ(ids, (QStringList{"A1", "B2", "C3", "D4"}));  // no shared word: cotton balls not suggested
    EXPECT_EQ(index.Suggest("gauze", 2).size(), 2);
    EXPECT_TRUE(index.Suggest("").isEmpty());
    EXPECT_TRUE(index.Suggest(", / -").isEmpty());
    EXPECT_TRUE(SuggestIndex({}).Suggest("gauze").isEmpty());
}

}  // namespace
}  // namespace esoa::assist
