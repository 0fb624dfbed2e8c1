#include "core/updates/HospitalItems.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "core/links/ItemJoin.h"
#include "core/links/LinkSource.h"
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

// An item table the links may point into, and how the statement reads it.
struct Source {
    ItemTable table;
    QStringList revenues;      // the revenues (as the links write them) that tbRevenues routes here
    bool inventory = false;    // links of the inventory may point here
    bool otherRevenue = false; // links with a section, or of a revenue without exam table, may
    std::unique_ptr<ItemJoin> join;  // null when the table is not read
    qsizetype column = 0;            // where its key, name and status stand in a row
    QString note;                    // why its items cannot be looked for
    std::optional<DbError> failure;  // it cannot be read for another reason
};

class Reader {
public:
    Reader(Connection& connection, const ReferenceList& list)
        : c_(connection), links_(QStringLiteral("[Build_FIle].[dbo].[") + list.linkTable() + QLatin1Char(']')) {}

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
        for (Source& s : sources_) {
            if (CodeKey(s.table.name) == CodeKey(table.name)) return s;
        }
        sources_.push_back({table, {}, false, false, nullptr, 0, {}, {}});
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
            } catch (const DbError& e) {
                s.note = e.description();
                continue;
            }
            try {
                s.join = std::make_unique<ItemJoin>(c_, s.table, QStringLiteral("T%1").arg(++alias));
            } catch (const DbError& e) {
                if (!s.table.inventory && e.cause() == DbError::Cause::MissingTable)
                    s.note = QStringLiteral("the exam table %1 does not exist").arg(s.table.name);
                else
                    s.failure = e;
            }
        }
    }

    // The links that may point into a table, as the database can tell them (LinkSource decides for
    // each link read): a superset, as the database compares texts more loosely than LinkSource.
    QString When(const Source& s) const {
        QStringList when;
        if (s.inventory) when << QStringLiteral("L.InvOrProc = 'INV'");
        if (!s.revenues.isEmpty())
            when << QStringLiteral("L.RevenueID IN (%1) AND (L.SectionID IS NULL OR L.SectionID = '')")
                        .arg(quotedList(s.revenues));
        if (s.otherRevenue) {
            QString other = QStringLiteral("L.SectionID IS NOT NULL OR L.RevenueID IS NULL");
            if (!examRevenues_.isEmpty())
                other += QStringLiteral(" OR L.RevenueID NOT IN (%1)").arg(quotedList(examRevenues_));
            when << other;
        }
        return QLatin1Char('(') + when.join(QStringLiteral(") OR (")) + QLatin1Char(')');
    }

    // A table, or tbRevenues, that could not be read fails the whole only when a link needs it.
    void RequireReadable() {
        const bool anyFailure =
            revenuesFailure_ || std::any_of(sources_.begin(), sources_.end(), [](const Source& s) {
                return s.failure.has_value();
            });
        if (!anyFailure) return;
        bool needsRevenues = false;
        const DbError* first = nullptr;
        c_.ReadEach(QStringLiteral("SELECT InvOrProc,RevenueID,SectionID FROM ") + links_ +
                        QStringLiteral(" WITH (NOLOCK) ORDER BY ID"),
                    [&](const QStringList& r) {
                        const LinkSource source(r[0], r[1], r[2]);
                        needsRevenues = needsRevenues || source.NeedsRevenueTables();
                        const Source* s = Find(source.Table(revenues_));
                        if (!first && s && s->failure) first = &*s->failure;
                    });
        if (needsRevenues && revenuesFailure_) throw *revenuesFailure_;
        if (first) throw *first;
    }

    const Source* Find(const ItemTable& table) const {
        for (const Source& s : sources_) {
            if (CodeKey(s.table.name) == CodeKey(table.name)) return &s;
        }
        return nullptr;
    }

    // One link: the item of its own source among those its rows found, matched by the program's key.
    void Hand(const std::vector<QStringList>& rows, const HospitalItems::Visit& visit) const {
        const LinkRow link = LinkOf(rows.front());
        const ItemTable table = LinkSource(link.invOrProc, link.revenueId, link.sectionId).Table(revenues_);
        const Source* s = Find(table);
        HospitalItems::Item item{HospitalItems::State::Missing, {}, s ? s->table.name : table.name,
                                 s ? s->note : QString()};
        if (s && s->join) {
            const QString key = CodeKey(link.itemId);
            for (const QStringList& r : rows) {
                const QString& id = r[s->column];
                if (id.isEmpty() || CodeKey(id) != key) continue;
                const bool active = s->table.IsActive(r[s->column + 2]);
                item = {active ? HospitalItems::State::Active : HospitalItems::State::Inactive, r[s->column + 1],
                        s->table.name, {}};
            }
        }
        visit(link, item);
    }

    Connection& c_;
    QString links_;
    RevenueExamTables revenues_;
    std::optional<DbError> revenuesFailure_;
    std::vector<Source> sources_;
    QStringList examRevenues_;
};

}  // namespace

void HospitalItems::ForEachLink(Connection& connection, const ReferenceList& list, const Visit& visit) {
    Reader(connection, list).Run(visit);
}

}  // namespace esoa
