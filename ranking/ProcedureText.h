#pragma once

#include <QString>

#include "ranking/ItemText.h"

namespace esoa::assist {

// The procedure reading of an exam name or a PhilHealth procedure description: words are acronyms and
// short forms spelt out to one token each (ProcedureVocabulary.h), the rest of the words singular and in
// American spelling; `attributes` hold what tells two exams apart (ItemTerms). `context` holds attributes
// that the row's table gives (SourceAttributes) for what the text leaves unsaid: "Whole abdomen" in an
// ultrasound table is an ultrasound. A view implies an X-ray when nothing else names a modality; two or more
// electrolytes, lipids or thyroid tests named together make a panel. Strengths, forms, packs and
// qualifiers stay empty.
ItemTerms AnalyseProcedureText(const QString& text, const QStringList& context = {});

// What an exam table's name says of all its rows: the modality of an imaging table ("tbcoXRayExam",
// "tbcoUltraExam", "tbcoCTExam", "tbcoMRIExam"), as "modality:..." attributes; empty for any other.
QStringList SourceAttributes(const QString& source);

}  // namespace esoa::assist
