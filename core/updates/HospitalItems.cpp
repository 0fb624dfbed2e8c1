#include "core/updates/HospitalItems.h"

#include <QHash>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

#include "core/links/ItemJoin.h"
#include "core/links/LinkSource.h"
#include "database/CodeKey.h"
#include "database/Connection.h"
#include "database/DbError.h"
#include "database/SqlText.h"

namespace esoa {
namespace {

constexpr qsizetype kLinkCells = 12;

QString quotedList(const QStringList& values) {
    QStringList quoted;
    for (const QString& v : values) quoted << QLatin1Char('\'') + sql::Escaped(v) + QLatin1Char('\'');
    return quoted.join(QLatin1Char(','));
}

// A table, columns included, as the database tells names apart.
std::tuple<CodeKey, CodeKey, CodeKey> KeyOf(const ItemTable& t) {
    return {CodeKey(t.name), CodeKey(t.idField), CodeKey(t.nameField)};
}

// An item table the links may point into, with the columns a revenue names for it, and how the
// statement reads it.
struct Source {
    ItemTable table;
    QStringList revenues;            // the revenues (as the links write them) that tbRevenues routes here
    bool inventory = false;          // links of the inventory may point here
    bool otherRevenue = false;       // links with a section, or of a revenue without exam table, may
    std::unique_ptr<ItemJoin> join;  // null when the table is not read
    qsizetype column = 0;            // where its key, name and status stand in a row
    bool notPlain = false;           // a name cannot stand in a statement
    bool missing = false;            // an exam table that does not exist
    std::optional<DbError> failure;  // it cannot be read for another reason
};

// Which table a link's item is looked for in. As when each table was read whole once, one table name
// stands for one table: the first link (in ID order) that names it decides its spelling and the
// columns it is read by, for every later link that names it too.
class FirstUses {
public:
    struct Use {
        ItemTable table;
        const Source* source = nullptr;  // null when the table was not foreseen
        QString note;                    // why its items cannot be looked for
    };
    // The use of `table`, which stays where it is while the uses last.
    const Use& Of(const ItemTable& table, const std::vector<Source>& sources) {
        auto found = uses_.find(CodeKey(table.name));
        if (found != uses_.end()) return found->second;
        const auto key = KeyOf(table);
        const auto s = std::find_if(sources.begin(), sources.end(),
                                    [&](const Source& source) { return KeyOf(source.table) == key; });
        Use use{table, s == sources.end() ? nullptr : &*s, {}};
        if (use.source && use.source->missing)
            use.note = QStringLiteral("the exam table %1 does not exist").arg(table.name);
        if (use.source && use.source->notPlain) {
            try {
                RequirePlainNames(table);
            } catch (const DbError& e) {
                use.note = e.description();  // the names as this use spells them
            }
        }
        return uses_.emplace(CodeKey(table.name), use).first->second;
    }

private:
    std::map<CodeKey, Use> uses_;
};

class Reader {
public:
    Reader(Connection& connection, const ReferenceList& list)
        : c_(connection),
          links_(QStringLiteral("[Build_FIle].[dbo].[") + list.linkTable() + QLatin1Char(']')) {}

    void Run(const HospitalItems::Visit& visit) {
        try {
            revenues_ = RevenueExamTables::ReadAll(c_);
        } catch (const DbError& e) {
            revenuesFailure_ = e;
        }
        FindSources();
        RequireReadable();
        QString columns = LinkColumns(QStringLiteral("L"));
        QString joins;
        qsizetype column = kLinkCells;
        for (Source& s : sources_) {
            if (!s.join) continue;
            s.column = column;
            column += 3;
            columns += QLatin1Char(',') + s.join->Columns();
            joins += s.join->Join(When(s));
        }
        QString current;
        std::vector<QStringList> rows;  // those of the link under way (one per item found for it)
        const auto flush = [&] {
            if (!rows.empty()) Hand(rows, visit);
            rows.clear();
        };
        c_.ReadEach(QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM ") + links_ +
                        QStringLiteral(" L WITH (NOLOCK)") + joins + QStringLiteral(" ORDER BY L.ID"),
                    [&](const QStringList& row) {
                        if (row[0] != current) flush();
                        current = row[0];
                        rows.push_back(row);
                    });
        flush();
    }

private:
    Source& SourceOf(const ItemTable& table) {
        const auto key = KeyOf(table);
        for (Source& s : sources_) {
            if (KeyOf(s.table) == key) return s;
        }
        sources_.push_back({table, {}, false, false, nullptr, 0, false, false, {}});
        return sources_.back();
    }

    // The inventory, the other-revenue table and the exam tables of the revenues that links use,
    // each checked once.
    void FindSources() {
        SourceOf(ItemTable::Inventory()).inventory = true;
        SourceOf(ItemTable::OtherRevenue()).otherRevenue = true;
        const ReadResult used = c_.Read(QStringLiteral("SELECT RevenueID FROM ") + links_ +
                                            QStringLiteral(" WITH (NOLOCK) GROUP BY RevenueID"),
                                        CursorType::ForwardOnly, LockType::ReadOnly);
        for (const QStringList& r : used.rows) {
            const ItemTable* exam = revenues_.Of(r[0]);
            if (!exam) continue;
            SourceOf(*exam).revenues << r[0];
            examRevenues_ << r[0];
        }
        int alias = 0;
        for (Source& s : sources_) {
            try {
                RequirePlainNames(s.table);
            } catch (const DbError&) {
                s.notPlain = true;
                continue;
            }
            try {
                s.join = std::make_unique<ItemJoin>(c_, s.table, QStringLiteral("T%1").arg(++alias));
            } catch (const DbError& e) {
                if (!s.table.inventory && e.cause() == DbError::Cause::MissingTable)
                    s.missing = true;
                else
                    s.failure = e;
            }
        }
    }

    // The links that may point into a table, as the database can tell them (each link read is then
    // placed exactly): a superset, as the database compares texts more loosely than LinkSource. A
    // link may be read through another revenue's columns of the same table (FirstUses), so the
    // conditions of every source of the table are joined.
    QString When(const Source& of) const {
        QStringList revenues;
        bool inventory = false, otherRevenue = false;
        for (const Source& s : sources_) {
            if (CodeKey(s.table.name) != CodeKey(of.table.name)) continue;
            revenues << s.revenues;
            inventory = inventory || s.inventory;
            otherRevenue = otherRevenue || s.otherRevenue;
        }
        QStringList when;
        if (inventory) when << QStringLiteral("L.InvOrProc = 'INV'");
        if (!revenues.isEmpty())
            when << QStringLiteral("L.RevenueID IN (%1) AND (L.SectionID IS NULL OR L.SectionID = '')")
                        .arg(quotedList(revenues));
        if (otherRevenue) {
            QString other = QStringLiteral("L.SectionID IS NOT NULL OR L.RevenueID IS NULL");
            if (!examRevenues_.isEmpty())
                other += QStringLiteral(" OR L.RevenueID NOT IN (%1)").arg(quotedList(examRevenues_));
            when << other;
        }
        return QLatin1Char('(') + when.join(QStringLiteral(") OR (")) + QLatin1Char(')');
    }

    // tbRevenues, or a table, that could not be read fails the whole only when a link needs it: the
    // first such table in the order the links name them.
    void RequireReadable() {
        const bool anyFailure =
            revenuesFailure_ || std::any_of(sources_.begin(), sources_.end(),
                                            [](const Source& s) { return s.failure.has_value(); });
        if (!anyFailure) return;
        bool needsRevenues = false;
        const DbError* first = nullptr;
        FirstUses uses;
        c_.ReadEach(QStringLiteral("SELECT InvOrProc,RevenueID,SectionID FROM ") + links_ +
                        QStringLiteral(" WITH (NOLOCK) ORDER BY ID"),
                    [&](const QStringList& r) {
                        const LinkSource source(r[0], r[1], r[2]);
                        needsRevenues = needsRevenues || source.NeedsRevenueTables();
                        const Source* s = uses.Of(source.Table(revenues_), sources_).source;
                        if (!first && s && s->failure) first = &*s->failure;
                    });
        if (needsRevenues && revenuesFailure_) throw *revenuesFailure_;
        if (first) throw *first;
    }

    // One link: the item of its table among those its rows found, matched by the program's key.
    void Hand(const std::vector<QStringList>& rows, const HospitalItems::Visit& visit) {
        const LinkRow link = LinkRowFrom(rows.front());
        const FirstUses::Use& use = UseOf(link);
        const Source* s = use.source;
        HospitalItems::Item item{HospitalItems::State::Missing, {}, use.table.name, use.note};
        if (s && s->join) {
            const CodeKey key(link.itemId);
            for (const QStringList& r : rows) {
                const QString& id = r[s->column];
                if (id.isEmpty() || CodeKey(id) != key) continue;
                const bool active = s->table.IsActive(r[s->column + 2]);
                item = {active ? HospitalItems::State::Active : HospitalItems::State::Inactive,
                        r[s->column + 1],
                        use.table.name,
                        {}};
            }
        }
        visit(link, item);
    }

    // The use of a link's table, found once for each way the links name one: LinkSource looks at
    // whether the link is exactly "INV", whether it has a section and, if neither, its revenue.
    const FirstUses::Use& UseOf(const LinkRow& link) {
        const QString route = link.invOrProc == QLatin1String("INV") ? QStringLiteral("I")
                              : !link.sectionId.isEmpty()            ? QStringLiteral("S")
                                                                     : QLatin1Char('R') + link.revenueId;
        const FirstUses::Use*& use = routes_[route];
        if (!use)
            use = &uses_.Of(LinkSource(link.invOrProc, link.revenueId, link.sectionId).Table(revenues_),
                            sources_);
        return *use;
    }

    Connection& c_;
    QString links_;
    RevenueExamTables revenues_;
    std::optional<DbError> revenuesFailure_;
    std::vector<Source> sources_;
    QStringList examRevenues_;
    FirstUses uses_;
    QHash<QString, const FirstUses::Use*> routes_;
};

}  // namespace

void HospitalItems::ForEachLink(Connection& connection, const ReferenceList& list, const Visit& visit) {
    Reader(connection, list).Run(visit);
}

HospitalItems::HospitalItems(Connection& connection, const std::vector<LinkRow>& links) {
    bool anyRevenue = false;
    for (const LinkRow& l : links)
        anyRevenue = anyRevenue || LinkSource(l.invOrProc, l.revenueId, l.sectionId).NeedsRevenueTables();
    if (anyRevenue) revenues_ = RevenueExamTables::ReadAll(connection);
    for (const LinkRow& l : links) {
        const ItemTable source = TableOf(l);
        const CodeKey key(source.name);
        if (tables_.contains(key)) continue;
        Table table{source, {}, {}};
        Load(connection, table);
        tables_.insert(key, std::move(table));
    }
}

void HospitalItems::Load(Connection& connection, Table& table) {
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
        result = connection.Read(statement, CursorType::ForwardOnly, LockType::ReadOnly);
    } catch (const DbError& e) {
        if (source.inventory || e.cause() != DbError::Cause::MissingTable) throw;
        table.note = QStringLiteral("the exam table %1 does not exist").arg(source.name);
        return;
    }
    for (const QStringList& r : result.rows) {
        const bool active = source.IsActive(r[2]);
        table.items.insert(CodeKey(r[0]), {active ? State::Active : State::Inactive, r[1], source.name, {}});
    }
}

ItemTable HospitalItems::TableOf(const LinkRow& link) const {
    return LinkSource(link.invOrProc, link.revenueId, link.sectionId).Table(revenues_);
}

HospitalItems::Item HospitalItems::Find(const LinkRow& link) const {
    const auto found = tables_.constFind(CodeKey(TableOf(link).name));
    if (found == tables_.constEnd()) return {};
    const auto item = found->items.constFind(CodeKey(link.itemId));
    if (item != found->items.constEnd()) return *item;
    return {State::Missing, {}, found->source.name, found->note};
}

}  // namespace esoa
