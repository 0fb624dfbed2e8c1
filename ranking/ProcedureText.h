#pragma once

#include <QString>

#include "ranking/ItemText.h"

namespace esoa::assist {

// The procedure reading of an exam name or a PhilHealth procedure description: words are acronyms and
// short forms spelt out to one token each (ProcedureVocabulary.h), the rest of the words singular and in
// American spelling; `attributes` hold what tells two exams apart (ItemTerms). A view implies an X-ray
// when no other modality is named; two or more electrolytes, lipids or thyroid tests named together make
// a panel. Strengths, forms, packs and qualifiers stay empty.
ItemTerms AnalyseProcedureText(const QString& text);

}  // namespace esoa::assist
