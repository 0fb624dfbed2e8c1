#pragma once

#include <QHash>
#include <QString>

#include "ranking/PhraseTable.h"

namespace esoa::assist::medicine {

// What the medicine reading knows of the words of hospital masters and the PhilHealth lists, written
// for this project from common pharmacy usage (dose-form abbreviations as hospitals write them, the
// international and the older names of a drug, salts and esters). Internal to the ranking library.
//
// The phrase table gives, for a spelling:
// - a dosage form ("tablet", "ampule", ...), spelt out;
// - a dose-form qualifier, marked "q:" ("q:modified-release", "q:ophthalmic", ...);
// - an abbreviation read by what else the text holds, marked "?" ("?cr": a cream, or modified release
//   when the text names a tablet or capsule; "?release:er": modified release when the text has a
//   strength or form, else the word itself, and "?enteric:dr" enteric-coated in the same way; "?disp":
//   dispersible beside a tablet, else disposable;
//   "?inh": isoniazid beside a tablet or syrup, else an inhaler);
// - one or more words (a drug's current name for an older one, "kcl" for "potassium chloride").
const text::PhraseTable& Phrases();

struct Unit {
    QString name;   // the unit a strength is written in after conversion: mg, ml, iu, meq, mmol, %, mm
    double factor;  // multiplies the written amount
};
// Units of strength, by their spellings; nullptr for a word that is none.
const Unit* FindUnit(const QString& word);

bool IsForm(const QString& word);
// Forms that stand for one another on a ward (an ampule and a vial are both an injection) share a family;
// a form outside every family is its own.
QString FormFamily(const QString& form);
// Joining words, routes and packing words that never tell two products apart.
bool IsFiller(const QString& word);
// Salts, esters and hydrates of a drug: masters and the lists often disagree on them, so they weigh less
// than the drug's own name.
bool IsSaltOrEster(const QString& word);
// Dose-form qualifiers that say where a medicine is used ("ophthalmic", "otic", "nasal", "vaginal"): a
// product with one is never the plain product of the same name.
bool IsRoute(const QString& qualifier);
// Words that, after a "/", stand for one dose ("100 mcg/dose", "5 mg/tab").
bool IsDoseUnit(const QString& word);

// The form or qualifier (as Phrases() gives it) that a word no table knows is a spelling of: cut short
// ("suspen", "inhal"), one typing error away ("tablt", "drps"; two for words of six letters or more,
// "ointmt"), or written without its vowels ("tblt", "cpsl", "tb"), when only one form or qualifier fits;
// empty otherwise.
QString GuessForm(const QString& word);

}  // namespace esoa::assist::medicine
