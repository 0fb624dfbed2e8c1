#pragma once

#include <QString>

#include "ranking/PhraseTable.h"

namespace esoa::assist::procedure {

// What the procedure reading knows of exam names: acronyms and short forms spelt out to one token
// ("cbc", "complete blood count" and "full blood count" all give "cbc"), synonyms ("urinalysis" and
// "routine urine examination"), and the attributes that tell two exams apart, marked
// "dimension:value" ("view:pa", "specimen:csf", "contrast:plain"). Two abbreviations are read by what
// else the text holds: "?ct" (clotting time beside a bleeding time, else a CT scan) and "?pt"
// (physical therapy beside an evaluation, therapy or session, else the prothrombin time).
// Internal to the ranking library.
const text::PhraseTable& Phrases();

// A word as the table reads it: British spellings made American ("haematology", "nebulisation"),
// plurals made singular ("views", "sinuses"); words with a digit or of fewer than four letters stay.
QString ProcedureWord(const QString& word);

// Joining words and words that every exam row may carry ("test", "exam", "routine", "stat", "OPD").
bool IsFiller(const QString& word);

// Whether a word is one the table reads a spelling as ("cbc", "antihbs", "lumbosacralspine"): two such
// words are two different things, never a typing error of one another.
bool IsKnownTerm(const QString& word);

}  // namespace esoa::assist::procedure
