#pragma once

#include <vector>

#include "ranking/PhraseTable.h"

namespace esoa::assist::procedure {

// The spellings the procedure reading knows, by field (ProcedureVocabulary.h puts them together).
// Written for this project from common laboratory, radiology, heart-station, rehabilitation and
// emergency-room usage in Philippine hospitals: the abbreviations of routine request forms, charge
// masters and result slips, the analytes' and exams' textbook names, and the short forms PhilHealth's
// lists use. No list was copied. Internal to the ranking library.

// Haematology, blood bank, clinical microscopy, chemistry, immunology and serology, microbiology and
// pathology, and the specimens they are done on.
const std::vector<text::PhraseEntry>& LaboratoryTerms();
// Modalities, views and positions, contrast, body regions and the named imaging exams.
const std::vector<text::PhraseEntry>& ImagingTerms();
// Heart station, rehabilitation, emergency-room and ward services; age and side.
const std::vector<text::PhraseEntry>& ServiceTerms();

}  // namespace esoa::assist::procedure
