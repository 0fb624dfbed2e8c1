#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/files/Csv.h"
#include "core/review/ReviewQueue.h"

namespace esoa::assist {

// Where a candidate comes from: its exam table, or "tbInvMaster" for an inventory item.
QString SourceOf(const SuggestCandidate& item);

// The columns of a review as a table: Code, Description, ItemID, ItemName, Score, Confident,
// InvOrProc, RevenueID, SectionID first (what a link import needs: the code, the item and where it
// is filed), then Category, Confidence, Source, ItemLinkedCode (the code the item is already linked
// to), CodeHasLink, and the runner-up's RunnerUpItemID, RunnerUpItemName and RunnerUpScore.
QStringList ReviewColumns();
// One code's values in those columns: texts exactly as stored, scores with three decimals,
// Confident and CodeHasLink "yes" or "no". A code without a candidate has its candidate's and
// runner-up's columns empty and Confident "no".
QStringList ReviewFields(const ReviewRow& row);
// The header and a row per code.
csv::Table ReviewCsv(const std::vector<ReviewRow>& rows);
// The same as lines of tab-separated values.
QString ReviewText(const std::vector<ReviewRow>& rows);
// "N codes of ESOA_ITEM ranked: M with a suggestion, K confident (P%)."
QString ReviewSummary(const QString& table, const std::vector<ReviewRow>& rows);

}  // namespace esoa::assist
