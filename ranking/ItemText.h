#pragma once

#include <QString>
#include <QStringList>

namespace esoa::assist {

// What an item name or a PhilHealth description says, in comparable pieces. Two texts that a pharmacist
// would read as the same give the same pieces, whatever their letter case, accents, punctuation,
// abbreviations or spacing ("Amoxicillin 250mg/5mL susp." and "AMOXICILLIN 250 mg/5 mL suspension").
struct ItemTerms {
    // Distinct words in the order they appear: lower case, accents removed, abbreviations spelt out,
    // filler words ("with", "and", "of", ...) dropped; a number without a unit is a word too.
    QStringList words;
    // Distinct amounts with their unit, masses in mg ("1 g" and "1000mg" both give "1000mg"),
    // volumes in ml, then "iu", "meq", "mmol", "%", sizes in mm.
    QStringList strengths;
    // Distinct dosage forms, spelt out ("tab" gives "tablet", "amp" and "ampoule" give "ampule").
    QStringList forms;
};

ItemTerms AnalyseItemText(const QString& text);

// Forms that stand for one another on a ward (an ampule and a vial are both an injection) share a family;
// a form outside every family is its own.
QString FormFamily(const QString& form);

}  // namespace esoa::assist
