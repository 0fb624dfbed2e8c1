#include "WholeTableReports.h"

#include <QHash>
#include <QSet>
#include <map>

#include "core/links/LinkSource.h"
#include "core/updates/LinkExport.h"
#include "database/CodeKey.h"
#include "database/Connection.h"
#include "database/DbError.h"

namespace esoa::test {
namespace {

ReadResult read(Connection& c, const QString& statement) {
    return c.Read(statement, CursorType::ForwardOnly, LockType::ReadOnly);
}

enum class State { Active, Inactive, Missing };
struct Item {
    State state = State::Missing;
    QString name, table, note;
};

// Each item table the links name, read whole once.
class WholeItems {
public:
    WholeItems(Connection& c, const std::vector<LinkRow>& links) {
        bool anyRevenue = false;
        for (const LinkRow& l : links)
            anyRevenue = anyRevenue || LinkSource(l.invOrProc, l.revenueId, l.sectionId).NeedsRevenueTables();
        if (anyRevenue) revenues_ = RevenueExamTables::ReadAll(c);
        for (const LinkRow& l : links) {
            const ItemTable source = TableOf(l);
            const CodeKey key(source.name);
            if (tables_.contains(key)) continue;
            Table table{source, {}, {}};
            Load(c, table);
            tables_.insert(key, std::move(table));
        }
    }

    Item Find(const LinkRow& link) const {
        const auto found = tables_.constFind(CodeKey(TableOf(link).name));
        if (found == tables_.constEnd()) return {};
        const auto item = found->items.constFind(CodeKey(link.itemId));
        if (item != found->items.constEnd()) return *item;
        return {State::Missing, {}, found->source.name, found->note};
    }

private:
    struct Table {
        ItemTable source;
        QString note;
        QHash<CodeKey, Item> items;
    };

    ItemTable TableOf(const LinkRow& l) const {
        return LinkSource(l.invOrProc, l.revenueId, l.sectionId).Table(revenues_);
    }

    static void Load(Connection& c, Table& table) {
        const ItemTable& source = table.source;
        try {
            RequirePlainNames(source);
        } catch (const DbError& e) {
            table.note = e.description();
            return;
        }
        const QString statement =
            source.inventory
                ? QStringLiteral("SELECT ItemID,ItemName,itemstatus FROM Inventory..tbInvMaster WITH (NOLOCK)")
                : QStringLiteral("SELECT ") + source.idField + QLatin1Char(',') + source.nameField +
                      QStringLiteral(",Status FROM [Build_FIle].[dbo].[") + source.name +
                      QStringLiteral("] WITH (NOLOCK)");
        ReadResult result;
        try {
            result = read(c, statement);
        } catch (const DbError& e) {
            if (source.inventory || e.cause() != DbError::Cause::MissingTable) throw;
            table.note = QStringLiteral("the exam table %1 does not exist").arg(source.name);
            return;
        }
        for (const QStringList& r : result.rows) {
            const bool active =
                source.inventory ? r[2].trimmed() == QLatin1String("0") : CodeKey(r[2]) == CodeKey(QStringLiteral("A"));
            table.items.insert(CodeKey(r[0]), {active ? State::Active : State::Inactive, r[1], source.name, {}});
        }
    }

    RevenueExamTables revenues_;
    QHash<CodeKey, Table> tables_;
};

QString shown(const QString& name) { return name.trimmed().isEmpty() ? QStringLiteral("-") : name; }

}  // namespace

std::vector<StaleLink> WholeTableStaleLinks(Connection& c, const ReferenceList& list) {
    const std::vector<ReferenceRow> rows = ReadReferenceRows(c, list);
    const std::vector<LinkRow> links = ReadLinks(c, list);
    QHash<CodeKey, const ReferenceRow*> byCode;
    for (const ReferenceRow& row : rows) {
        if (!byCode.contains(CodeKey(row.code))) byCode.insert(CodeKey(row.code), &row);
    }
    const WholeItems items(c, links);
    std::vector<StaleLink> stale;
    for (const LinkRow& link : links) {
        StaleLink s;
        s.link = link;
        if (const ReferenceRow* row = byCode.value(CodeKey(link.code))) {
            s.hasReference = true;
            s.reference = row->values;
            s.differing = DifferingValues(link.copies, row->values);
            if (!s.differing.isEmpty()) s.reasons.push_back(StaleLink::Reason::CopiesDiffer);
        } else {
            s.reasons.push_back(StaleLink::Reason::CodeWithdrawn);
        }
        const Item item = items.Find(link);
        s.itemTable = item.table;
        s.itemName = item.name;
        s.note = item.note;
        if (item.state == State::Missing) s.reasons.push_back(StaleLink::Reason::ItemMissing);
        if (item.state == State::Inactive) s.reasons.push_back(StaleLink::Reason::ItemInactive);
        if (!s.reasons.empty()) stale.push_back(std::move(s));
    }
    return stale;
}

csv::Table WholeTableLinkExport(Connection& c, const ReferenceList& list) {
    const std::vector<LinkRow> links = ReadLinks(c, list);
    const WholeItems items(c, links);
    csv::Table out;
    out.Add(LinkExport::Header());
    for (const LinkRow& l : links) {
        out.Add({l.id, l.code, l.copies.category, l.copies.description, l.copies.fixedFee, l.copies.chargingUnit,
                 l.itemId, l.itemDesc, l.invOrProc, l.revenueId, l.sectionId, l.sortOrder, items.Find(l).name});
    }
    return out;
}

assist::Coverage WholeTableCoverage(Connection& c, const ReferenceList& list) {
    using Coverage = assist::Coverage;
    Coverage cov;
    cov.list = list;
    const std::vector<ReferenceRow> rows = ReadReferenceRows(c, list);
    const std::vector<LinkRow> links = ReadLinks(c, list);
    std::map<CodeKey, Coverage::Category> categories;
    QHash<CodeKey, CodeKey> categoryOfCode;
    for (const ReferenceRow& r : rows) {
        const CodeKey code(r.code);
        if (categoryOfCode.contains(code)) continue;
        categoryOfCode.insert(code, CodeKey(r.values.category));
        auto [it, added] = categories.try_emplace(CodeKey(r.values.category));
        if (added) it->second.name = shown(r.values.category);
        ++it->second.codes;
    }
    QSet<CodeKey> linkedCodes;
    std::map<CodeKey, Coverage::Revenue> revenues;
    for (const LinkRow& l : links) {
        const CodeKey code(l.code);
        const auto category = categoryOfCode.constFind(code);
        if (category == categoryOfCode.cend()) {
            ++cov.orphanLinks;
        } else {
            Coverage::Category& cat = categories[*category];
            ++cat.links;
            if (!linkedCodes.contains(code)) ++cat.linkedCodes;
            linkedCodes.insert(code);
        }
        auto [it, added] = revenues.try_emplace(CodeKey(l.revenueId));
        if (added) it->second.revenueId = shown(l.revenueId);
        ++it->second.links;
    }
    cov.total.name = QStringLiteral("Total");
    for (const auto& [key, cat] : categories) {
        cov.categories.push_back(cat);
        cov.total.codes += cat.codes;
        cov.total.linkedCodes += cat.linkedCodes;
    }
    cov.total.links = int(links.size());
    for (const auto& [key, rev] : revenues) cov.revenues.push_back(rev);
    QSet<CodeKey> active;
    for (const QStringList& r :
         read(c, QStringLiteral("SELECT ItemID FROM Inventory..tbInvMaster WITH (NOLOCK) WHERE itemstatus = 0")).rows)
        active.insert(CodeKey(r.value(0)));
    cov.activeItems = int(active.size());
    QSet<CodeKey> linkedItems;
    QHash<CodeKey, int> linksByRevenue;
    for (const LinkRow& l : links) {
        if (CodeKey(l.invOrProc) != CodeKey(QStringLiteral("INV"))) continue;
        ++linksByRevenue[CodeKey(l.revenueId)];
        if (active.contains(CodeKey(l.itemId))) linkedItems.insert(CodeKey(l.itemId));
    }
    cov.unlinkedItems = cov.activeItems - int(linkedItems.size());
    for (const QStringList& r :
         read(c, QStringLiteral("SELECT RevenueID, itemname FROM Build_FIle..tbcorevenuecode WITH (NOLOCK) WHERE "
                                "Recordstatus='A' AND (LocationID IS NOT NULL AND LocationID <> '') ORDER BY RevenueID"))
             .rows)
        cov.inventoryRevenues.push_back({r.value(0), r.value(1), linksByRevenue.value(CodeKey(r.value(0)))});
    return cov;
}

}  // namespace esoa::test
