#include "core/review/ReviewReport.h"

namespace esoa::assist {
namespace {

QString Score(double score) {
    return QString::number(score, 'f', 3);
}

QString YesNo(bool yes) {
    return yes ? QStringLiteral("yes") : QStringLiteral("no");
}

}  // namespace

QString SourceOf(const SuggestCandidate& item) {
    return item.invOrProc == QLatin1String("INV") ? QStringLiteral("tbInvMaster") : item.source;
}

QStringList ReviewColumns() {
    return {QStringLiteral("Code"),           QStringLiteral("Description"),
            QStringLiteral("ItemID"),         QStringLiteral("ItemName"),
            QStringLiteral("Score"),          QStringLiteral("Confident"),
            QStringLiteral("InvOrProc"),      QStringLiteral("RevenueID"),
            QStringLiteral("SectionID"),      QStringLiteral("Category"),
            QStringLiteral("Confidence"),     QStringLiteral("Source"),
            QStringLiteral("ItemLinkedCode"), QStringLiteral("CodeHasLink"),
            QStringLiteral("RunnerUpItemID"), QStringLiteral("RunnerUpItemName"),
            QStringLiteral("RunnerUpScore")};
}

QStringList ReviewFields(const ReviewRow& row) {
    QStringList fields{row.code.code, row.code.values.description};
    if (row.best) {
        const SuggestCandidate& b = row.best->item;
        fields << b.itemId << b.itemName << Score(row.best->score) << YesNo(row.confident) << b.invOrProc
               << b.revenueId << b.sectionId << row.code.values.category << Score(row.confidence)
               << SourceOf(b) << b.linkedCode;
    } else {
        fields << QString() << QString() << QString() << YesNo(false) << QString() << QString() << QString()
               << row.code.values.category << QString() << QString() << QString();
    }
    fields << YesNo(row.linked);
    if (row.runnerUp)
        fields << row.runnerUp->item.itemId << row.runnerUp->item.itemName << Score(row.runnerUp->score);
    else
        fields << QString() << QString() << QString();
    return fields;
}

csv::Table ReviewCsv(const std::vector<ReviewRow>& rows) {
    csv::Table table;
    table.Add(ReviewColumns());
    for (const ReviewRow& row : rows) table.Add(ReviewFields(row));
    return table;
}

QString ReviewText(const std::vector<ReviewRow>& rows) {
    QString text = ReviewColumns().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const ReviewRow& row : rows) text += ReviewFields(row).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QString ReviewSummary(const QString& table, const std::vector<ReviewRow>& rows) {
    qsizetype found = 0, confident = 0;
    for (const ReviewRow& row : rows) {
        found += row.best ? 1 : 0;
        confident += row.confident ? 1 : 0;
    }
    const double share = rows.empty() ? 0.0 : 100.0 * double(confident) / double(rows.size());
    return QStringLiteral("%1 codes of %2 ranked: %3 with a suggestion, %4 confident (%5%).")
        .arg(rows.size())
        .arg(table)
        .arg(found)
        .arg(confident)
        .arg(share, 0, 'f', 1);
}

}  // namespace esoa::assist
