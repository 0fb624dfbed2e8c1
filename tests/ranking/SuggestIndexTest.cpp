#include <gtest/gtest.h>

#include <stdexcept>

#include "ranking/ItemText.h"
#include "ranking/ProcedureText.h"
#include "ranking/SuggestIndex.h"
#include "ranking/TermMatcher.h"

namespace esoa::assist {
namespace {

QStringList Sorted(QStringList list) {
    list.sort();
    return list;
}

void ExpectSameTerms(const ItemTerms& x, const ItemTerms& y) {
    for (QStringList ItemTerms::*field : {&ItemTerms::words, &ItemTerms::strengths, &ItemTerms::packs,
                                          &ItemTerms::forms, &ItemTerms::qualifiers, &ItemTerms::attributes})
        EXPECT_EQ(Sorted(x.*field), Sorted(y.*field));
}

// Texts written differently in masters and in the PhilHealth lists that must read the same.
TEST(SuggestText, DifferentSpellingsOfOneProductGiveTheSameTerms) {
    const std::pair<QString, QString> medicines[] = {
        {"PARACETAMOL 500 mg tablet", "paracetamol 500MG Tab."},
        {"Ceftriaxone 1 g vial", "CEFTRIAXONE 1000mg vl"},
        {"Ceftriaxone 1 g powder for injection, vial", "CEFTRIAXONE 1000mg vl"},
        {"Salbutamol 100 µg", "Salbutamol 100 micrograms"},
        {"Sto. Niño ampoule", "sto nino AMP"},
        {"Heparin 5,000 I.U./mL", "heparin 5000 units/ml"},
        {"Mupirocin 2% ointment, 15 g", "MUPIROCIN 20 mg/g OINT 15gm"},
        {"Losartan + HCTZ 50/12.5mg tab", "LOSARTAN + HYDROCHLOROTHIAZIDE 50 mg + 12.5 mg tablet"},
        {"Co-amoxiclav 400+57mg per 5ml susp", "AMOXICILLIN + CLAVULANIC ACID 400 mg/57 mg/5 mL suspension"},
        {"Metformin 500 mg XR tab", "METFORMIN 500 mg extended-release tablet"},
        {"Nifedipine 30mg CR tab", "NIFEDIPINE 30 mg controlled release tablet"},
        {"ISDN 5mg S/L tab", "ISOSORBIDE DINITRATE 5 mg sublingual tablet"},
        {"Ofloxacin 0.3% ophth soln 5ml", "OFLOXACIN 0.3% eye drops, 5 mL"},
        {"Bisacodyl 10mg suppo", "BISACODYL 10 mg suppository"},
        {"Amoxicillin 250mg DT", "AMOXICILLIN 250 mg dispersible"},
        {"Tobramycin 0.3% ophthalmic ointment", "tobramycin 0.3 % eye oint"},
        {"Sodium chloride 1,000 mL", "Sodium Chloride 1 L"},
        {"X-ray film 14x17", "x ray FILM 14x17"},
        // Strengths and forms run together, forms without vowels, units left off.
        {"Amlodipine5mg tab", "AMLODIPINE 5 mg tablet"},
        {"Paracetamol 500mgtab", "PARACETAMOL 500 mg tablet"},
        {"Mefenamic acid CAP500", "MEFENAMIC ACID 500 mg capsule"},
        {"Paracetamol 500 tab", "PARACETAMOL 500 mg tablet"},
        {"Losartan + HCTZ 50/12.5 tab", "LOSARTAN + HYDROCHLOROTHIAZIDE 50 mg + 12.5 mg tablet"},
        {"Omeprazole 20mg cpsl", "OMEPRAZOLE 20 mg capsule"},
        {"Colchicine .5 mg tblt", "COLCHICINE 0.5 mg tablet"},
        {"Ceftriaxone 1g/vial", "CEFTRIAXONE 1 g vial"},
        {"Montelukast 5mg chewtab", "MONTELUKAST 5 mg chewable tablet"},
        {"Aspirin 80mg DR tab", "ASPIRIN 80 mg enteric-coated tablet"},
        // Salts shortened, vitamins by their letters, infusions by their ward names.
        {"Diclofenac Na 75mg/3ml amp", "DICLOFENAC SODIUM 75 mg/3 mL ampule"},
        {"Vit B1 B6 B12 tab", "Thiamine + Pyridoxine + Cyanocobalamin tablet"},
        {"D5LR 1L", "Dextrose 5% Lactated Ringer's 1 L"},
    };
    for (const auto& [a, b] : medicines) {
        SCOPED_TRACE(qPrintable(a + " | " + b));
        ExpectSameTerms(AnalyseItemText(a), AnalyseItemText(b));
    }
    const std::pair<QString, QString> procedures[] = {
        {"CBC", "Complete Blood Count"},
        {"SGPT/ALT", "ALANINE AMINOTRANSFERASE"},
        {"Urinalysis", "ROUTINE URINE EXAMINATION"},
        {"Fecalysis", "Routine Stool Examination"},
        {"Lytes", "SERUM ELECTROLYTES"},
        {"CHON, CSF", "Cerebrospinal fluid protein"},
        {"CXR PA", "Chest X-ray, PA view"},
        {"UTZ KUB", "Ultrasound of the kidneys, ureters and bladder"},
        {"CT Scan Head Plain", "CT brain without contrast"},
        {"12-Lead ECG", "Electrocardiogram"},
        {"TENS", "Transcutaneous electrical nerve stimulation"},
        {"BT/CT", "Bleeding time and clotting time"},
        {"Haemoglobin", "Hemoglobin"},
        {"S.G.O.T.", "AST"},
        {"Hemogram", "CBC"},
        {"PT/INR", "Prothrombin time"},
        {"T. Cholesterol", "TOTAL CHOLESTEROL"},
        {"Fecal Occult Blood", "FOBT"},
        {"ASO titer", "ANTI-STREPTOLYSIN O TITER (ASOT)"},
        {"ADA, Pleural", "Adenosine deaminase (pleural fluid)"},
        {"C&S, Pus", "WOUND CULTURE AND SENSITIVITY"},
        {"Chest PA/Lat", "CHEST X-RAY, PA AND LATERAL VIEWS"},
        {"CT Scan Head P+C", "CT HEAD, PLAIN AND WITH CONTRAST"},
        {"Ultrasund, Whole Abd.", "WHOLE ABDOMEN ULTRASOUND"},  // typing errors in long spellings
        {"Seminal fluid anlysis", "SEMEN ANALYSIS"},
        {"2D Echo", "Echocardiography"},
    };
    for (const auto& [a, b] : procedures) {
        SCOPED_TRACE(qPrintable(a + " | " + b));
        ExpectSameTerms(AnalyseProcedureText(a), AnalyseProcedureText(b));
    }
}

// What a text is read as: strengths apart from pack sizes, every part of a combination, qualifiers and
// forms by what else the text holds, the attributes of an exam.
TEST(SuggestText, ReadsStrengthsPacksQualifiersAndAttributes) {
    struct Case {
        QString text;
        QStringList ItemTerms::*field;
        QStringList expected;
    };
    const Case medicines[] = {
        {"Amoxicillin 250mg/5mL susp, 60 mL", &ItemTerms::strengths, {"250mg", "50mg/ml"}},
        {"Amoxicillin 250mg/5mL susp, 60 mL", &ItemTerms::packs, {"60ml"}},
        {"Hydrocortisone 1% cr 15g", &ItemTerms::forms, {"cream"}},
        {"Hydrocortisone 1% cr 15g", &ItemTerms::strengths, {"10mg/ml"}},
        {"Hydrocortisone 1% cr 15g", &ItemTerms::packs, {"15000mg"}},
        {"Nifedipine 30mg CR tab", &ItemTerms::qualifiers, {"modified-release"}},
        {"Cotrimoxazole 200mg/40mg/5ml", &ItemTerms::strengths, {"200mg", "40mg", "40mg/ml", "8mg/ml"}},
        {"Ketorolac 20+5 mg/ml", &ItemTerms::strengths, {"20mg", "5mg", "20mg/ml", "5mg/ml"}},
        {"Furosemide 20mg/2ml amp", &ItemTerms::packs, {"2ml"}},
        {"Furosemide 10 mg/mL ampule, 2 mL", &ItemTerms::strengths, {"10mg", "10mg/ml", "20mg"}},
        {"Budesonide 200 mcg/dose inhaler", &ItemTerms::strengths, {"0.2mg"}},
        {"Olanzapine 10mg tablt", &ItemTerms::forms, {"tablet"}},
        {"INH 300mg tab", &ItemTerms::words, {"isoniazid"}},
        {"Adult Diaper XL", &ItemTerms::qualifiers, {}},
        {"Amoxicillin (Amoxil) 500mg cap", &ItemTerms::asides, {"amoxil"}},
        {"Wound Dressing (ER)", &ItemTerms::qualifiers, {}},  // no extended-release dressing
        {"Co-amoxiclav 500mg + 125mg tab", &ItemTerms::totals, {"625mg"}},
        {"Paracetamol 500 tab #30", &ItemTerms::strengths, {"500mg"}},  // the first number, the rest counts
        {"Paracetamol 500 tab #30", &ItemTerms::asides, {"30"}},
        {"Paracetamol 500mg tab box of 100", &ItemTerms::asides, {"100"}},
        {"Amoxicillin cap x 30", &ItemTerms::strengths, {}},
        {"Gauze pad 4x4 12 ply", &ItemTerms::strengths, {}},          // no tablet: a number is no strength
        {"Fluticasone 50mcg/spray evohaler", &ItemTerms::forms, {}},  // an inhaler's dose, no spray
    };
    for (const Case& c : medicines) {
        SCOPED_TRACE(qPrintable(c.text));
        EXPECT_EQ(Sorted(AnalyseItemText(c.text).*c.field), Sorted(c.expected));
    }
    const Case procedures[] = {
        {"Chest AP (portable)", &ItemTerms::attributes, {"view:ap", "mobile:yes", "modality:xray"}},
        {"Glucose, pleural fluid", &ItemTerms::attributes, {"specimen:pleural"}},
        {"CT Abdomen plain and with contrast",
         &ItemTerms::attributes,
         {"modality:ct", "contrast:plain", "contrast:contrast"}},
        {"Direct Coombs", &ItemTerms::attributes, {"fraction:direct"}},
        {"Breast UTZ (both)", &ItemTerms::attributes, {"modality:ultrasound", "side:bilateral"}},
        {"Pediatric ECG", &ItemTerms::attributes, {"age:pediatric"}},
        {"Na, K, Cl", &ItemTerms::attributes, {"scope:panel"}},
        {"CT (clotting time) with BT", &ItemTerms::words, {"clottingtime", "bleedingtime"}},
        {"PT evaluation", &ItemTerms::words, {"physicaltherapy", "evaluation"}},
        {"Plt. ct.", &ItemTerms::attributes, {}},  // a count, no CT scan
        {"Wound Dressing (ER)", &ItemTerms::attributes, {}},
        {"Gram stain, wound", &ItemTerms::attributes, {"specimen:wound"}},
        {"Protein, 24-hour urine", &ItemTerms::words, {"protein", "24hour"}},
    };
    for (const Case& c : procedures) {
        SCOPED_TRACE(qPrintable(c.text));
        EXPECT_EQ(Sorted(AnalyseProcedureText(c.text).*c.field), Sorted(c.expected));
    }
    // What an exam table's name says of its rows: an imaging table's modality, which a row's own words
    // and views come after.
    const std::pair<QString, QStringList> tables[] = {
        {"tbcoXRayExam", {"modality:xray"}},
        {"tbcoUltraExam", {"modality:ultrasound"}},
        {"tbcoCTExam", {"modality:ct"}},
        {"tbcoMRIExam", {"modality:mri"}},
        {"tbcoLabExam", {}},
        {"tbcoOtherRevenue", {}},
    };
    for (const auto& [table, attributes] : tables)
        EXPECT_EQ(SourceAttributes(table), attributes) << qPrintable(table);
    EXPECT_EQ(AnalyseProcedureText("Whole Abdomen", SourceAttributes("tbcoUltraExam")).attributes,
              QStringList{"modality:ultrasound"});
    EXPECT_EQ(AnalyseProcedureText("Chest, axial", SourceAttributes("tbcoCTExam")).attributes,
              (QStringList{"view:axial", "modality:ct"}));
    EXPECT_EQ(AnalyseProcedureText("MRI Knee", SourceAttributes("tbcoCTExam")).attributes,
              QStringList{"modality:mri"});
}

// A typing error needs a word long enough on both sides; two letters swapped are one error.
TEST(SuggestText, MatchesTypingErrorsOnlyWhereBothWordsAllowThem) {
    TermMatcher vocabulary;
    for (const char* w : {"nursing", "dressing", "clacium", "ceftriaxone"}) vocabulary.Add(w);
    vocabulary.Finish();
    const std::pair<QString, QStringList> cases[] = {
        {"dressing", {"dressing"}},  // "nursing" is three errors away
        {"calcium", {"clacium"}},    // swapped letters
        {"ceftriaxon", {"ceftriaxone"}},
    };
    for (const auto& [word, expected] : cases) {
        QStringList found;
        for (const TermMatcher::Match& m : vocabulary.Matches(word)) found << vocabulary.word(m.term);
        EXPECT_EQ(found, expected) << qPrintable(word);
    }
}

SuggestCandidate Exam(const char* id, const char* name, const char* table) {
    return {id, name, {}, {}, {}, table, ItemKind::Procedure};
}

const QList<SuggestCandidate>& Master() {
    static const QList<SuggestCandidate> items = {
        {"1", "Paracetamol 500mg tablet", "Paracetamol", ""},
        {"2", "Paracetamol 250mg/5mL syrup 60mL", "Paracetamol", "M0001008"},
        {"3", "AMOXIL 500 MG CAP", "Amoxicillin", ""},
        {"4", "Amoxicillin 250mg/5ml susp 60ml", "Amoxicillin", ""},
        {"5", "Amoxicillin 250mg DT tab", "", ""},
        {"6", "Ceftriaxone 1000mg vl", "", ""},
        {"7", "Ceftriaxone 2g vial", "", ""},
        {"8", "Metronidazol 500mg tab", "", ""},
        {"9", "Nifedipine 30mg tab", "", ""},
        {"10", "Nifedipine 30mg MR tab", "", ""},
        {"11", "Ofloxacin 0.3% otic drops 5ml", "", ""},
        {"12", "Ofloxacin 0.3% ophth drops 5ml", "", ""},
        {"13", "Hydrocortisone 1% oint 15g", "", ""},
        {"14", "Hydrocortisone 1% cr 15g", "", ""},
        {"15", "Mupirocin 2% oint 5g", "", ""},
        {"16", "Mupirocin 20mg/g oint 15gm", "", ""},
        {"17", "Losartan 50mg tab", "Losartan", ""},
        {"18", "Losartan+HCTZ 100/25mg tab", "", ""},
        {"19", "Hyzaar Hydrochlorothiazide 50/12.5mg tab", "Losartan", ""},
        {"20", "Paracetmol 500mg tab", "", ""},
        {"21", "Paracetamol 650mg tab", "", ""},
        {"22", "Paracetamol 100mg/mL drops", "", ""},
        {"23", "Olmesartan medoxomil 40mg tab", "", ""},
        {"24", "Azilsartan 40mg tab", "", ""},
        {"25", "Heparin 1000 IU/ml 5ml vial", "", ""},
        {"26", "Heparin 5000 I.U./ml 5ml vial", "", ""},
        {"27", "Bisacodyl 10mg suppo", "", ""},
        {"28", "Bisacodyl 5mg EC tab", "", ""},
        {"29", "ADULT DIAPER PANAL", "", ""},
        {"32", "Zolexa 20mg cap (omeprazole)", "", ""},
        {"33", "Omeprazole 40mg cap", "", ""},
        {"34", "Co-amoxiclav 625mg tab", "", ""},
        {"35", "Co-amoxiclav 1g tab", "", ""},
        {"36", "AMLODIPINE 5 TAB", "", ""},
        {"37", "AMLODIPINE 10 TAB", "", ""},
        {"38", "Diclofenac Na 50mg tab", "", ""},
        {"39", "Diclofenac K 50mg tab", "", ""},
        {"40", "D5W 500ml", "", ""},
        {"41", "D5NSS 500ml", "", ""},
        {"42", "Clotrimazole 1% cream", "", ""},
        {"43", "Clotrimazole 1% vaginal cream 20g", "", ""},
    };
    return items;
}

const QList<SuggestCandidate>& Exams() {
    static const QList<SuggestCandidate> items = {
        Exam("L1", "Electrolytes (Na, K, Cl)", "tbcoLabExam"),
        Exam("L2", "Sodium (Na)", "tbcoLabExam"),
        Exam("L3", "Bleeding Time", "tbcoLabExam"),
        Exam("L4", "Clotting Time", "tbcoLabExam"),
        Exam("L5", "Coombs Test (indirect)", "tbcoLabExam"),
        Exam("L6", "Coombs Test (direct)", "tbcoLabExam"),
        Exam("L7", "FBS", "tbcoLabExam"),
        Exam("L8", "CSF Glucose", "tbcoLabExam"),
        Exam("L9", "CBC with Platelet Count", "tbcoLabExam"),
        Exam("L10", "Complete Blood Count", "tbcoLabExam"),
        Exam("L11", "Creatinine, urine", "tbcoLabExam"),
        Exam("L12", "Creatinine", "tbcoLabExam"),
        Exam("X1", "Chest PA and Lateral", "tbcoXRayExam"),
        Exam("X2", "Chest AP (portable)", "tbcoXRayExam"),
        Exam("X3", "Chest PA", "tbcoXRayExam"),
        Exam("X4", "KUB", "tbcoXRayExam"),
        Exam("C1", "CT Scan Chest Plain", "tbcoCTExam"),
        Exam("C2", "CT Head with Contrast", "tbcoCTExam"),
        Exam("C3", "CT Head Plain", "tbcoCTExam"),
        Exam("U1", "Breast Ultrasound", "tbcoUltraExam"),
        Exam("U2", "Breast UTZ (both)", "tbcoUltraExam"),
        Exam("U3", "KUB Ultrasound", "tbcoUltraExam"),
        // Rows that leave their modality to their table, and the emergency room's services.
        Exam("U4", "Whole Abdomen", "tbcoUltraExam"),
        Exam("C4", "Whole Abdomen Plain", "tbcoCTExam"),
        Exam("C5", "Head, P+C", "tbcoCTExam"),
        Exam("X5", "Chest PA (Pedia)", "tbcoXRayExam"),
        Exam("L13", "Anti-HBs", "tbcoLabExam"),
        Exam("L14", "HBc Antibody", "tbcoLabExam"),
        Exam("L15", "Gram stain, sputum", "tbcoLabExam"),
        Exam("L16", "Gram stain, pleural fluid", "tbcoLabExam"),
        Exam("L17", "Glucose, pleural fluid", "tbcoLabExam"),
        Exam("L18", "Glucose", "tbcoLabExam"),
        Exam("E1", "Wound Dressing (ER)", "tbcoOtherRevenue"),
        Exam("E2", "Nursing Care Fee per day", "tbcoOtherRevenue"),
        Exam("E3", "Minor OR Fee", "tbcoOtherRevenue"),
        Exam("E4", "Major OR Fee", "tbcoOtherRevenue"),
    };
    return items;
}

TEST(SuggestIndex, RanksTheMatchingItemFirstAndItsOtherVariantsBelow) {
    struct Case {
        QString query, first, below;  // `below`, when given, must be listed after `first`
    };
    const Case medicines[] = {
        {"ADULT DIAPER (PAÑAL)", "29", ""},                       // accents and punctuation
        {"AMOXICILLIN 250 mg/5 mL suspension, 60 mL", "4", "3"},  // concentration, pack
        {"AMOXICILLIN 500 mg capsule", "3", "4"},                 // brand carried by its generic
        {"AMOXICILLIN 250 mg dispersible tablet", "5", "4"},      // qualifier "DT"
        {"CEFTRIAXONE 1 g vial", "6", "7"},                       // 1 g = 1000 mg, vl = vial
        {"METRONIDAZOLE 500 mg tablet", "8", ""},                 // a letter missing in the master
        {"NIFEDIPINE 30 mg modified release tablet", "10", "9"},  // "MR"
        {"NIFEDIPINE 30 mg tablet", "9", "10"},                   // a qualifier one side only
        {"OFLOXACIN 0.3% eye drops, 5 mL", "12", "11"},           // ophthalmic against otic
        {"HYDROCORTISONE 1% cream, 15 g", "14", "13"},            // "cr" is cream beside no tablet
        {"MUPIROCIN 2% ointment, 15 g", "16", "15"},              // 20 mg/g = 2%, tube apart
        {"LOSARTAN + HYDROCHLOROTHIAZIDE 50 mg + 12.5 mg tablet", "19",
         "18"},                                             // combination; name and generic
        {"PARACETAMOL 500 mg tablet", "1", "20"},           // a rare misspelling never wins
        {"AZILSARTAN MEDOXOMIL 40 mg tablet", "24", "23"},  // an ester weighs little
        {"HEPARIN 5,000 IU/mL vial, 5 mL", "26", "25"},     // "I.U."
        {"BISACODYL 10 mg suppository", "27", "28"},        // "suppo"
        {"OMEPRAZOLE 20 mg capsule", "32", "33"},           // the generic in a brand's brackets
        {"AMOXICILLIN + CLAVULANIC ACID 500 mg + 125 mg tablet", "34", "35"},  // a combination's sum
        {"AMLODIPINE 5 mg tablet", "36", "37"},                                // no unit written
        {"AMLODIPINE 10 mg tablet", "37", "36"},
        {"DICLOFENAC POTASSIUM 50 mg tablet", "39", "38"},  // salts told apart
        {"DICLOFENAC SODIUM 50 mg tablet", "38", "39"},
        {"DEXTROSE 5% intravenous infusion, 500 mL", "40", "41"},  // sodium chloride is a drug here
        {"CLOTRIMAZOLE 1% cream, 20 g", "42", "43"},               // a vaginal cream is another product
    };
    const Case exams[] = {
        {"SERUM ELECTROLYTES", "L1", "L2"},  // a panel against a single test
        {"SODIUM", "L2", "L1"},
        {"BLEEDING TIME", "L3", "L4"},  // close relatives
        {"DIRECT COOMBS TEST", "L6", "L5"},
        {"GLUCOSE, CSF", "L8", "L7"},          // the specimen
        {"CREATININE", "L12", "L11"},          // no specimen named: blood
        {"CBC", "L10", "L9"},                  // acronym, an extra test below
        {"CHEST X-RAY, PA VIEW", "X3", "X1"},  // a view set against a single view
        {"RADIOGRAPHY, CHEST, AP VIEW, PORTABLE", "X2", "X3"},
        {"CT SCAN OF THE CHEST, PLAIN", "C1", "X3"},      // the modality, across tables
        {"CT SCAN, HEAD, WITHOUT CONTRAST", "C3", "C2"},  // contrast
        {"ULTRASOUND, BREAST, BILATERAL", "U2", "U1"},    // side
        {"ULTRASOUND OF THE KIDNEYS, URETERS AND BLADDER", "U3", "X4"},
        {"KUB", "X4", "U3"},                       // an imaging code that names no modality: an X-ray
        {"WHOLE ABDOMEN ULTRASOUND", "U4", "C4"},  // the modality from the row's table
        {"CT SCAN, HEAD", "C3", "C5"},             // no contrast named: plain
        {"CT HEAD, PLAIN AND WITH CONTRAST", "C5", "C3"},
        {"CHEST PA", "X3", "X5"},    // pediatric only when asked for
        {"ANTI-HBC", "L14", "L13"},  // two known tests are never each other's typing error
        {"GRAM STAIN, PLEURAL FLUID", "L16", "L15"},
        {"GLUCOSE, SYNOVIAL FLUID", "L18", "L17"},  // a different specimen ranks below a missing one
        {"Dressing Set", "E1", "E2"},               // an exact word beats a distant one
        {"MINOR OR FEE", "E3", "E4"},
    };
    const SuggestIndex medicineIndex(Master()), examIndex(Exams());
    for (const auto& [index, cases] :
         {std::pair{&medicineIndex, QList<Case>(std::begin(medicines), std::end(medicines))},
          std::pair{&examIndex, QList<Case>(std::begin(exams), std::end(exams))}}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(qPrintable(c.query));
            const QList<Suggestion> found = index->Suggest(c.query);
            ASSERT_FALSE(found.isEmpty());
            EXPECT_EQ(index->candidate(found[0].candidate).itemId, c.first);
            if (c.below.isEmpty()) continue;
            const auto at = std::find_if(found.begin(), found.end(), [&](const Suggestion& s) {
                return index->candidate(s.candidate).itemId == c.below;
            });
            if (at != found.end()) {
                EXPECT_LT(at->score, found[0].score);
            }
            EXPECT_GT(found[0].score, 0);
        }
    }
    // Exam rows keep the table they came from.
    const QList<Suggestion> kub = examIndex.Suggest("KUB ultrasound", 1);
    ASSERT_EQ(kub.size(), 1);
    EXPECT_EQ(examIndex.candidate(kub[0].candidate).source, "tbcoUltraExam");
}

// Confident only when the first item agrees with everything the description states, names it well,
// leaves no word unread and leads every item that differs from it in what the description asks for.
TEST(SuggestIndex, IsConfidentOnlyOfAClearFullAgreement) {
    QList<SuggestCandidate> items = Master();
    // The same product stocked twice does not make either doubtful.
    items.append({"30", "ROSUVASTATIN 10MG TAB", "", ""});
    items.append({"31", "Rosuvastatin 10 mg tablet (Crestor)", "", ""});
    // A word many products carry and nothing reads may be a qualifier.
    for (const char* drug : {"Gliclazide 80mg", "Diltiazem 60mg", "Valproate 500mg", "Tramadol 100mg"})
        items.append({drug, QString::fromLatin1(drug) + " tab retard", "", ""});
    const SuggestIndex index(items);
    const std::pair<QString, bool> cases[] = {
        {"CEFTRIAXONE 1 g vial", true},
        {"ROSUVASTATIN 10 mg tablet", true},
        {"NIFEDIPINE 30 mg tablet", true},
        {"NIFEDIPINE 30 mg sublingual tablet", false},  // neither item has the qualifier
        {"MUPIROCIN 2% ointment, 10 g", false},         // pack sizes differ
        {"TRAMADOL 100 mg tablet", false},              // the only item says "retard"
        {"AMOXICILLIN 250 mg tablet", false},           // dispersible, not asked for
        {"METOPROLOL 50 mg tablet", false},             // no such drug
    };
    for (const auto& [query, confident] : cases) {
        SCOPED_TRACE(qPrintable(query));
        const QList<Suggestion> found = index.Suggest(query, 1);
        if (!confident && found.isEmpty()) continue;
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(found[0].confident, confident) << found[0].confidence;
        EXPECT_EQ(found[0].confident, found[0].confidence >= SuggestIndex::kConfidentAt);
    }
    // The same exam charged by two revenues: either may be meant, so neither is sure.
    const SuggestIndex exams({Exam("1", "ECG (ER rate)", "tbcoECGExam"),
                              Exam("2", "ECG in ER", "tbcoOtherRevenue"),
                              Exam("3", "Holter monitoring", "tbcoECGExam")});
    EXPECT_FALSE(exams.Suggest("ECG TRACING (ER)", 1).value(0).confident);
    EXPECT_TRUE(exams.Suggest("HOLTER MONITORING", 1).value(0).confident);
    const QList<Suggestion> two = index.Suggest("CEFTRIAXONE 1 g vial", 2);
    ASSERT_EQ(two.size(), 2);
    EXPECT_FALSE(two[1].confident);
    EXPECT_EQ(two[1].confidence, 0);
}

TEST(SuggestIndex, OrdersEqualScoresByNameThenIdAndKeepsTheLimit) {
    // Texts beyond Latin-1 (Ω) are kept as they are beside the others, and compare the same way.
    const SuggestIndex index({{"B2", "Gauze Pad", "", ""},
                              {"Ω9", "GAUZE PAD", "", "", "Ωmega pack"},
                              {"A1", "gauze pad", "", ""},
                              {"À0", "Gauze Pad", "", ""},
                              {"C3", "Gauze Pad", "", ""},
                              {"D4", "Gauze Roll", "", ""},
                              {"E5", "Cotton Balls", "", ""}});
    QStringList ids;
    for (const Suggestion& s : index.Suggest("GAUZE pad")) ids << index.candidate(s.candidate).itemId;
    // No shared word: cotton balls not suggested.
    EXPECT_EQ(ids, (QStringList{"A1", "B2", "C3", "À0", "Ω9", "D4"}));
    EXPECT_EQ(index.candidate(1).itemDesc, "Ωmega pack");
    EXPECT_EQ(index.candidate(3).itemId, "À0");
    EXPECT_EQ(index.Suggest("gauze", 2).size(), 2);
    EXPECT_TRUE(index.Suggest("").isEmpty());
    EXPECT_TRUE(index.Suggest(", / -").isEmpty());
    EXPECT_TRUE(SuggestIndex({}).Suggest("gauze").isEmpty());
}

// An item repeating an earlier one's name (here far apart, in different blocks of the reading) is read by
// its own generic name, kind and source.
TEST(SuggestIndex, ReadsARepeatedNameByItsOwnGenericAndSource) {
    QList<SuggestCandidate> items = {
        {"P1", "Biogesic 500mg tab", "Paracetamol", ""},
        {"N1", "Biogesic 500mg tab", "", ""},
        {"U1", "Whole abdomen", "", "", "", "tbcoUltraExam", ItemKind::Procedure}};
    for (int i = 0; i < 40000; ++i) items.append({QString::number(i), "Cotton balls", "", ""});
    items.append({{"P2", "Biogesic 500mg tab", "Paracetamol", ""},
                  {"I2", "Biogesic 500mg tab", "Ibuprofen", ""},
                  {"N2", "Biogesic 500mg tab", "", ""},
                  {"X2", "Whole abdomen", "", "", "", "tbcoXrayExam", ItemKind::Procedure},
                  {"U2", "Whole abdomen", "", "", "", "tbcoUltraExam", ItemKind::Procedure}});
    const SuggestIndex index(items);
    const auto suggested = [&index](const QString& query) {
        QStringList out;
        for (const Suggestion& s : index.Suggest(query))
            out << index.candidate(s.candidate).itemId + QString::number(s.score, 'f', 6);
        return out;
    };
    const QStringList paracetamol = suggested("PARACETAMOL 500 mg tablet");
    ASSERT_EQ(paracetamol.size(), 2);
    EXPECT_TRUE(paracetamol[0].startsWith("P1") && paracetamol[1].startsWith("P2"));
    EXPECT_EQ(paracetamol[0].mid(2), paracetamol[1].mid(2));
    const QStringList ibuprofen = suggested("IBUPROFEN 500 mg tablet");
    ASSERT_EQ(ibuprofen.size(), 1);
    EXPECT_TRUE(ibuprofen[0].startsWith("I2"));
    EXPECT_EQ(suggested("Biogesic").size(), 5);
    const QStringList ultrasound = suggested("ULTRASOUND, WHOLE ABDOMEN");
    ASSERT_EQ(ultrasound.size(), 3);
    EXPECT_TRUE(ultrasound[0].startsWith("U1") && ultrasound[1].startsWith("U2") &&
                ultrasound[2].startsWith("X2"));
    EXPECT_EQ(ultrasound[0].mid(2), ultrasound[1].mid(2));
    EXPECT_NE(ultrasound[1].mid(2), ultrasound[2].mid(2));
}

// A brand without a generic of its own that names one in brackets reads as that generic, whether the
// generic's own item comes before it or blocks after it; a failing feed throws what it threw.
TEST(SuggestIndex, ReadsAGenericInBracketsWhereverItsItemComesAndPassesOnAFeedsFailure) {
    const SuggestCandidate brand{"Z1", "Zolexa 20mg cap (omeprazole)", "", ""};
    const SuggestCandidate generic{"O9", "Omeprazole 40mg cap", "Omeprazole", ""};
    const auto answers = [](QList<SuggestCandidate> items) {
        const SuggestIndex index(items);
        QStringList out;
        for (const char* query : {"OMEPRAZOLE 20 mg capsule", "ZOLEXA 20 mg capsule"})
            for (const Suggestion& s : index.Suggest(query))
                out << QStringLiteral("%1 %2 %3 %4")
                           .arg(index.candidate(s.candidate).itemId)
                           .arg(s.score, 0, 'f', 6)
                           .arg(s.nameMatch, 0, 'f', 6)
                           .arg(s.confidence, 0, 'f', 6);
        return out;
    };
    QList<SuggestCandidate> filler;
    for (int i = 0; i < 70000; ++i) filler.append({QString::number(i), "Cotton balls", "", ""});
    const QStringList before = answers(QList<SuggestCandidate>{generic, brand} + filler);
    EXPECT_EQ(answers(QList<SuggestCandidate>{brand} + filler + QList<SuggestCandidate>{generic}), before);
    QList<SuggestCandidate> unnamed = QList<SuggestCandidate>{{"O9", "Omeprazole 40mg cap", "", ""}, brand};
    EXPECT_NE(answers(unnamed + filler), before) << "the brackets read as a generic only beside one";

    const auto failing = [&](const std::function<void(SuggestCandidate)>& add) {
        for (const SuggestCandidate& c : filler) add(c);
        throw std::runtime_error("the database went away");
    };
    EXPECT_THROW(SuggestIndex::Read(failing), std::runtime_error);
}

// Building from a feed of many blocks, again and again: the blocks are read, added and let go of on
// several threads while the feed goes on, and each index comes out whole.
TEST(SuggestIndex, BuildsWholeFromAFeedOfManyBlocksEveryTime) {
    for (int build = 0; build < 12; ++build) {
        const SuggestIndex index =
            SuggestIndex::Read([build](const std::function<void(SuggestCandidate)>& add) {
                for (int i = 0; i < 200000; ++i)
                    add({QString::number(i), QStringLiteral("Gauze %1 pad").arg((i + build) % 5000), "", ""});
            });
        ASSERT_EQ(index.size(), 200000);
        const QList<Suggestion> found = index.Suggest("GAUZE 42 pad", 3);
        ASSERT_FALSE(found.isEmpty());
        EXPECT_EQ(index.candidate(found[0].candidate).itemName, "Gauze 42 pad");
    }
}

}  // namespace
}  // namespace esoa::assist
