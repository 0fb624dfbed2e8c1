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

int LinkExport::Write(Connection& connection, const ReferenceList& list, csv::Writer& out) {
    out.Add(Header());
    int count = 0;
    HospitalItems::ForEachLink(connection, list, [&](const LinkRow& l, const HospitalItems::Item& item) {
        out.Add({l.id, l.code, l.copies.category, l.copies.description, l.copies.fixedFee, l.copies.chargingUnit,
                 l.itemId, l.itemDesc, l.invOrProc, l.revenueId, l.sectionId, l.sortOrder, item.name});
        ++count;
    });
    return count;
}

}  // namespace esoa
