#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace esoa::assist {

// How a text is read: as a medicine or supply of the inventory (strengths, dosage forms, dose-form
// qualifiers) or as a procedure or exam (acronyms spelt out, the attributes that tell two exams apart).
enum class ItemKind { Medicine, Procedure };

// What an item name or a PhilHealth description says, in comparable pieces. Two texts that a pharmacist
// (or, for procedures, a laboratory or radiology clerk) would read as the same give the same pieces,
// whatever their letter case, accents, punctuation, abbreviations or spacing ("Amoxicillin 250mg/5mL
// susp." and "AMOXICILLIN 250 mg/5 mL suspension").
struct ItemTerms {
    // Distinct words in the order they appear: lower case, accents removed, abbreviations spelt out,
    // filler words ("with", "and", "of", ...) dropped; a number without a unit is a word too.
    QStringList words;
    // The words that stand only inside brackets (a brand, maker or note beside the name): they count less
    // in the length of a text.
    QStringList asides;
    // Medicines: distinct amounts of drug. An amount per unit dose with its unit, masses in mg ("1 g" and
    // "1000mg" both give "1000mg"), then "iu", "meq", "mmol"; a concentration per mL (or per g) as
    // "<amount>/ml" ("250 mg/5 mL" gives "50mg/ml" and the written "250mg"; "2%" and "20 mg/g" both give
    // "20mg/ml"); every part of a combination ("50/12.5 mg", "2 mg + 0.5 mg", "20+5 mg/mL").
    QStringList strengths;
    // Medicines: the sum of the parts of a combination of masses ("625mg" for "500 mg + 125 mg"), which
    // masters often write alone.
    QStringList totals;
    // Medicines: distinct dosage forms, spelt out ("tab" gives "tablet", "amp" and "ampoule" give "ampule").
    QStringList forms;
    // Medicines: pack sizes kept apart from the strength: the volume of a bottle, ampule or bag ("60ml"),
    // the mass of a tube beside a concentration ("15000mg" for "2% cream, 15 g").
    QStringList packs;
    // Medicines: dose-form qualifiers, spelt out: "modified-release", "enteric-coated", "chewable",
    // "dispersible", "orodispersible", "sublingual", "effervescent", "ophthalmic", "otic", "vaginal",
    // "nasal", "concentrate".
    QStringList qualifiers;
    // Procedures: what tells two exams apart, as "dimension:value": "modality:xray|ct|mri|ultrasound",
    // "view:pa|ap|lateral|oblique|waters|...", "specimen:blood|urine|csf|pleural|peritoneal|synovial|...",
    // "contrast:plain|contrast", "age:pediatric", "side:bilateral", "scope:panel",
    // "fraction:total|direct|indirect|ionized", "method:quantitative|qualitative", "mobile:yes".
    QStringList attributes;
};

// The medicine reading.
ItemTerms AnalyseItemText(const QString& text);
// An item name read without a generic name that holds one in brackets ("BRAND 500 mg tab (amoxicillin)"):
// when a word in brackets is one of `drugWords` (the words of the master's generic names), the words in
// brackets are the generic name and the others stand aside, as beside a generic name.
void TakeGenericFromBrackets(ItemTerms& terms, const QSet<QString>& drugWords);
// The reading of `kind`: AnalyseItemText or AnalyseProcedureText (ProcedureText.h).
ItemTerms AnalyseText(const QString& text, ItemKind kind);

// Forms that stand for one another on a ward (an ampule and a vial are both an injection) share a family;
// a form outside every family is its own.
QString FormFamily(const QString& form);

}  // namespace esoa::assist
