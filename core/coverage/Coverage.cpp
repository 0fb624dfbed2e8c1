#include "core/coverage/Coverage.h"

#include "database/DbError.h"
#include "core/updates/ChangeReport.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <map>

#include "core/files/Csv.h"
#include "core/links/ItemJoin.h"
#include "core/lookup/HospitalLists.h"
#include "core/reference/ReferenceFile.h"
#include "database/Connection.h"

namespace esoa::assist {
namespace {

QString shown(const QString& name) { return name.trimmed().isEmpty() ? QStringLiteral("-") : name; }

// Groups under the database's notion of equal texts, remembering the first spelling met.
template <typename Row>
Row& group(std::map<CodeKey, Row>& groups, const QString& name) {
    auto [it, added] = groups.try_emplace(CodeKey(name));
    if (added) it->second.name = shown(name);
    return it->second;
}

ReadResult read(Connection& c, const QString& statement) {
    return c.Read(statement, CursorType::ForwardOnly, LockType::ReadOnly);
}

QString percent(int part, int whole) {
    return QString::number(whole > 0 ? 100.0 * part / whole : 0.0, 'f', 1);
}

// Columns padded to their widest cell; numbers right-aligned.
QString table(const QStringList& header, const std::vector<QStringList>& rows) {
    std::vector<qsizetype> width(size_t(header.size()));
    auto measure = [&](const QStringList& r) {
        for (qsizetype i = 0; i < r.size(); ++i) width[size_t(i)] = std::max(width[size_t(i)], r[i].size());
    };
    measure(header);
    for (const QStringList& r : rows) measure(r);
    auto line = [&](const QStringList& r) {
        QStringList cells;
        for (qsizetype i = 0; i < r.size(); ++i)
            cells << (i == 0 ? r[i].leftJustified(width[size_t(i)]) : r[i].rightJustified(width[size_t(i)]));
        return cells.join(QStringLiteral("  ")) + QLatin1Char('\n');
    };
    QString out = line(header);
    for (const QStringList& r : rows) out += line(r);
    return out;
}

}  // namespace

QString Coverage::Category::Share() const { return percent(linkedCodes, codes); }

QString Coverage::InventoryFigure() const {
    return QStringLiteral("Unlinked active items of the inventory: %1 of %2")
        .arg(unlinkedItems)
        .arg(activeItems);
}

Coverage Coverage::Build(Connection& c, const ReferenceList& list) {
    Coverage cov;
    cov.list = list;
    std::map<CodeKey, Category> categories;  // by the category
    QHash<CodeKey, CodeKey> categoryOfCode;  // the code -> its first category
    ForEachReferenceRow(c, list, [&](const ReferenceRow& r) {
        const CodeKey code(r.code);
        if (categoryOfCode.contains(code)) return;
        categoryOfCode.insert(code, CodeKey(r.values.category));
        ++group(categories, r.values.category).codes;
    });

    // The links, each with its inventory item when it is an active one. An item that is not active
    // is not offered for mapping and so is not counted. The "INV" links filed under each inventory
    // revenue code are counted too.
    const ItemJoin inventory(c, ItemTable::Inventory(), QStringLiteral("I"));
    const CodeKey inventoryLink(QStringLiteral("INV"));
    QSet<CodeKey> linkedCodes;
    std::map<CodeKey, Revenue> revenues;
    QSet<CodeKey> linkedItems;
    QHash<CodeKey, int> linksByRevenue;  // revenue -> "INV" links filed under it
    c.ReadEach(QStringLiteral("SELECT L.Code,L.InvOrProc,L.RevenueID,L.ItemID,I.ItemID FROM [Build_FIle].[dbo].[") +
                   list.linkTable() + QStringLiteral("] L WITH (NOLOCK)") +
                   inventory.Join(QStringLiteral("L.InvOrProc = 'INV'"), QStringLiteral("I.itemstatus = 0")) +
                   QStringLiteral(" ORDER BY L.ID"),
               [&](const QStringList& l) {
                   const CodeKey code(l[0]);
                   const auto category = categoryOfCode.constFind(code);
                   if (category == categoryOfCode.cend()) {
                       ++cov.orphanLinks;
                   } else {
                       Category& cat = categories[*category];
                       ++cat.links;
                       if (!linkedCodes.contains(code)) ++cat.linkedCodes;
                       linkedCodes.insert(code);
                   }
                   const CodeKey revenue(l[2]);
                   auto [it, added] = revenues.try_emplace(revenue);
                   if (added) it->second.revenueId = shown(l[2]);
                   ++it->second.links;
                   ++cov.total.links;
                   if (CodeKey(l[1]) != inventoryLink) return;
                   ++linksByRevenue[revenue];
                   const CodeKey item(l[3]);
                   if (!l[4].isEmpty() && CodeKey(l[4]) == item) linkedItems.insert(item);
               });
    cov.total.name = QStringLiteral("Total");
    for (const auto& [key, cat] : categories) {
        cov.categories.push_back(cat);
        cov.total.codes += cat.codes;
        cov.total.linkedCodes += cat.linkedCodes;
    }
    for (const auto& [key, rev] : revenues) cov.revenues.push_back(rev);

    // Counted in one pass over the items, as the links were read.
    c.ReadEach(QStringLiteral("SELECT COUNT(*) FROM Inventory..tbInvMaster WITH (NOLOCK) WHERE itemstatus = 0"),
               [&cov](const QStringList& count) { cov.activeItems = count.front().toInt(); });
    cov.unlinkedItems = cov.activeItems - int(linkedItems.size());
    const ReadResult codes = read(c, RevenueCodesStatement(true, QStringLiteral("RevenueID")));
    for (const QStringList& r : codes.rows)
        cov.inventoryRevenues.push_back({r.value(0), r.value(1), linksByRevenue.value(CodeKey(r.value(0)))});
    return cov;
}

void Coverage::MarkWithdrawn(Connection& connection, const QString& folder) {
    // Only the withdrawn codes are counted here: the links that use them are not read.
    const ChangeReport report = ChangeReport::Compare(list, ReadListFiles(folder, list.names),
                                                      ReadReferenceRows(connection, list), {});
    if (!report.complete()) {
        QStringList reasons;
        for (const ChangeReport::FileRead& f : report.files) {
            if (!f.unreadable.isEmpty()) reasons << f.unreadable;
        }
        withdrawnKnown = false;
        withdrawnNote =
            QStringLiteral("Withdrawn codes are not known: %1").arg(reasons.join(QStringLiteral("; ")));
        return;
    }
    for (Category& cat : categories) cat.withdrawn = 0;
    total.withdrawn = 0;
    for (const ChangeReport::Entry& e : report.entries) {
        if (e.kind != ChangeReport::Kind::Withdrawn) continue;
        const QString name = e.stored.category.isEmpty() ? QStringLiteral("-") : e.stored.category;
        const CodeKey key(name);
        for (Category& cat : categories) {
            if (CodeKey(cat.name) == key) {
                ++cat.withdrawn;
                break;
            }
        }
        ++total.withdrawn;
    }
    withdrawnKnown = true;
    withdrawnNote.clear();
}

QString Coverage::Text() const {
    QString out = QStringLiteral("Coverage of %1 (links in %2)\n\n").arg(list.table, list.linkTable());
    std::vector<QStringList> rows;
    const auto categoryRow = [this](const Category& cat) {
        QStringList row{cat.name, QString::number(cat.codes), QString::number(cat.linkedCodes),
                        cat.Share() + QLatin1Char('%'), QString::number(cat.links)};
        if (withdrawnKnown) row << QString::number(cat.withdrawn);
        return row;
    };
    for (const Category& cat : categories) rows.push_back(categoryRow(cat));
    rows.push_back(categoryRow(total));
    QStringList header{QStringLiteral("Category"), QStringLiteral("Codes"), QStringLiteral("Linked"),
                       QStringLiteral("Share"), QStringLiteral("Links")};
    if (withdrawnKnown) header << QStringLiteral("Withdrawn");
    out += table(header, rows);
    if (!withdrawnNote.isEmpty()) out += withdrawnNote + QLatin1Char('\n');
    if (orphanLinks > 0)
        out += QStringLiteral("%1 links name a code that is not in %2 (counted in the total only).\n")
                   .arg(orphanLinks)
                   .arg(list.table);

    rows.clear();
    for (const Revenue& rev : revenues) rows.push_back({rev.revenueId, QString::number(rev.links)});
    rows.push_back({QStringLiteral("Total"), QString::number(total.links)});
    out += QLatin1Char('\n') + table({QStringLiteral("Revenue"), QStringLiteral("Links")}, rows);

    out += QLatin1Char('\n') + InventoryFigure() + QLatin1Char('\n');
    rows.clear();
    for (const InventoryRevenue& inv : inventoryRevenues)
        rows.push_back({inv.revenueId + QStringLiteral("  ") + inv.name, QString::number(inv.links)});
    out += QStringLiteral("\nINV links per inventory revenue code\n");
    out += table({QStringLiteral("Revenue code"), QStringLiteral("INV links")}, rows);
    return out;
}

csv::Table Coverage::Csv() const {
    csv::Table out;
    out.Add({QStringLiteral("Part"), QStringLiteral("Name"), QStringLiteral("Codes"),
             QStringLiteral("LinkedCodes"), QStringLiteral("Share"), QStringLiteral("Links"),
             QStringLiteral("UnlinkedItems"), QStringLiteral("Withdrawn"), QStringLiteral("Items")});
    const auto withdrawnOf = [this](const Category& cat) {
        return withdrawnKnown ? QString::number(cat.withdrawn) : QString();
    };
    for (const Category& cat : categories)
        out.Add({QStringLiteral("Category"), cat.name, QString::number(cat.codes),
                 QString::number(cat.linkedCodes), cat.Share(), QString::number(cat.links), {},
                 withdrawnOf(cat), {}});
    out.Add({QStringLiteral("Category"), total.name, QString::number(total.codes),
             QString::number(total.linkedCodes), total.Share(), QString::number(total.links), {},
             withdrawnOf(total), {}});
    for (const Revenue& rev : revenues)
        out.Add({QStringLiteral("Revenue"), rev.revenueId, {}, {}, {}, QString::number(rev.links), {}, {}, {}});
    out.Add({QStringLiteral("Revenue"), QStringLiteral("Total"), {}, {}, {}, QString::number(total.links), {},
             {}, {}});
    out.Add({QStringLiteral("Inventory"), QStringLiteral("Active items"), {}, {}, {}, {},
             QString::number(unlinkedItems), {}, QString::number(activeItems)});
    for (const InventoryRevenue& inv : inventoryRevenues)
        out.Add({QStringLiteral("Inventory"), inv.revenueId, {}, {}, {}, QString::number(inv.links), {}, {}, {}});
    return out;
}

}  // namespace esoa::assist
