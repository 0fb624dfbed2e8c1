#pragma once

#include <vector>

#include "core/coverage/Coverage.h"
#include "core/files/Csv.h"
#include "core/updates/StaleLinks.h"

namespace esoa::test {

// The reports as they were first written: every table a report needs read whole with a plain SELECT
// and matched in memory. Kept to show that the reports that read only what they need give the same
// rows, texts and bytes.
std::vector<StaleLink> WholeTableStaleLinks(Connection& connection, const ReferenceList& list);
csv::Table WholeTableLinkExport(Connection& connection, const ReferenceList& list);
assist::Coverage WholeTableCoverage(Connection& connection, const ReferenceList& list);

}  // namespace esoa::test
