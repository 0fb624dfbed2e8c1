#include "core/updates/StaleLinks.h"

#include <QHash>

#include "core/files/Csv.h"
#include "core/history/Action.h"
#include "core/links/LinkWrite.h"
#include "core/updates/HospitalItems.h"
#include "database/Connection.h"

namespace esoa {

QString StaleLink::ReasonText() const {
    QStringList parts;
    for (const Reason r : reasons) {
        switch (r) {
            case Reason::CopiesDiffer:
                parts << QStringLiteral("copies differ from the reference row (%1)")
                             .arg(differing.join(QStringLiteral(", ")));
                break;
            case Reason::CodeWithdrawn:
                parts << QStringLiteral("code no longer in the reference table");
                break;
            case Reason::ItemMissing:
                parts << (note.isEmpty()
                              ? QStringLiteral("hospital item no longer exists in %1").arg(itemTable)
                              : QStringLiteral("hospital item cannot be found: %1").arg(note));
                break;
            case Reason::ItemInactive:
                parts << QStringLiteral("hospital item is inactive in %1").arg(itemTable);
                break;
        }
    }
    return parts.join(QStringLiteral("; "));
}

void StaleLinks::Check(Connection& connection, const ReferenceList& list,
                       const std::function<void(const StaleLink& link)>& onStale) {
    QHash<CodeKey, CodeValues> byCode;
    ForEachReferenceRow(connection, list, [&byCode](const ReferenceRow& row) {
        const CodeKey key(row.code);
        if (!byCode.contains(key)) byCode.insert(key, row.values);  // the lookup by code finds the first row
    });
    HospitalItems::ForEachLink(connection, list, [&](const LinkRow& link, const HospitalItems::Item& item) {
        StaleLink s;
        s.link = link;
        if (const auto row = byCode.constFind(CodeKey(link.code)); row != byCode.constEnd()) {
            s.hasReference = true;
            s.reference = *row;
            s.differing = DifferingValues(link.copies, *row);
            if (!s.differing.isEmpty()) s.reasons.push_back(StaleLink::Reason::CopiesDiffer);
        } else {
            s.reasons.push_back(StaleLink::Reason::CodeWithdrawn);
        }
        s.itemTable = item.table;
        s.itemName = item.name;
        s.note = item.note;
        if (item.state == HospitalItems::State::Missing) s.reasons.push_back(StaleLink::Reason::ItemMissing);
        if (item.state == HospitalItems::State::Inactive) s.reasons.push_back(StaleLink::Reason::ItemInactive);
        if (!s.reasons.empty()) onStale(s);
    });
}

std::vector<StaleLink> StaleLinks::Check(Connection& connection, const ReferenceList& list) {
    std::vector<StaleLink> stale;
    Check(connection, list, [&stale](const StaleLink& s) { stale.push_back(s); });
    return stale;
}

int StaleLinks::Refresh(history::Action& action, const std::vector<StaleLink>& links) {
    // The links of one code take the same values: one rewrite for each code.
    std::vector<std::pair<CodeValues, QStringList>> byCode;
    QHash<CodeKey, size_t> codes;
    for (const StaleLink& s : links) {
        if (!s.hasReference) continue;
        const CodeKey key(s.link.code);
        if (!codes.contains(key)) {
            codes.insert(key, byCode.size());
            byCode.push_back({s.reference, {}});
        }
        byCode[codes.value(key)].second << s.link.id;
    }
    if (byCode.empty()) return 0;
    int refreshed = 0;
    action.Transact([&] {
        refreshed = 0;
        for (const auto& [values, ids] : byCode) refreshed += RewriteLinkCopies(action, ids, values);
    });
    return refreshed;
}

QString StaleLinks::TextHeader(const ReferenceList& list, qsizetype count) {
    return QStringLiteral("%1: %2 stale links.").arg(list.linkTable()).arg(count);
}

QString StaleLinks::TextLine(const StaleLink& s) {
    return QStringLiteral("link %1: code %2, %3 item %4 \"%5\": %6")
        .arg(s.link.id, s.link.code, s.link.invOrProc, s.link.itemId, s.link.itemDesc, s.ReasonText());
}

QString StaleLinks::Text(const ReferenceList& list, const std::vector<StaleLink>& links) {
    QStringList out{TextHeader(list, qsizetype(links.size()))};
    for (const StaleLink& s : links) out << TextLine(s);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QStringList StaleLinks::CsvHeader() {
    return {QStringLiteral("LinkID"),    QStringLiteral("Code"),      QStringLiteral("ItemID"),
            QStringLiteral("ItemDesc"),  QStringLiteral("InvOrProc"), QStringLiteral("RevenueID"),
            QStringLiteral("SectionID"), QStringLiteral("CurrentItemName"), QStringLiteral("Reasons")};
}

QStringList StaleLinks::CsvRecord(const StaleLink& s) {
    return {s.link.id,        s.link.code,      s.link.itemId, s.link.itemDesc, s.link.invOrProc,
            s.link.revenueId, s.link.sectionId, s.itemName,    s.ReasonText()};
}

csv::Table StaleLinks::Csv(const std::vector<StaleLink>& links) {
    csv::Table out;
    out.Add(CsvHeader());
    for (const StaleLink& s : links) out.Add(CsvRecord(s));
    return out;
}

}  // namespace esoa
