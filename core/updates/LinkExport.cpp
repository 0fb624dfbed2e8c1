#include "core/updates/LinkExport.h"

#include "core/files/Csv.h"
#include "core/updates/HospitalItems.h"

namespace esoa {

QStringList LinkExport::Header() {
    return {QStringLiteral("ID"),        QStringLiteral("Code"),        QStringLiteral("Category"),
            QStringLiteral("Description"), QStringLiteral("FixedFee"),  QStringLiteral("ChargingUnit"),
            QStringLiteral("ItemID"),    QStringLiteral("ItemDesc"),    QStringLiteral("InvOrProc"),
            QStringLiteral("RevenueID"), QStringLiteral("SectionID"),   QStringLiteral("SortOrder"),
            QStringLiteral("CurrentItemName")};
}

csv::Table LinkExport::Csv(Connection& connection, const ReferenceList& list, int* count) {
    const std::vector<LinkRow> links = ReadLinks(connection, list);
    const HospitalItems items(connection, links);
    csv::Table out;
    out.Add(Header());
    for (const LinkRow& l : links) {
        out.Add({l.id, l.code, l.copies.category, l.copies.description, l.copies.fixedFee,
                 l.copies.chargingUnit, l.itemId, l.itemDesc, l.invOrProc, l.revenueId, l.sectionId,
                 l.sortOrder, items.Find(l).name});
    }
    if (count) *count = int(links.size());
    return out;
}

}  // namespace esoa
