// The history of the link writes on the command line: links loaded from a spreadsheet, the list
// of changes, and the undo of an action.

#include <QDate>

#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "core/files/Csv.h"
#include "core/history/HistoryTables.h"
#include "core/history/Undo.h"
#include "core/links/LinkImport.h"
#include "database/Connection.h"

namespace esoa::cli {
namespace {

history::Actor Here() {
    return history::Actor::Here(history::LoginName());
}

int ImportLinks(const Options& options) {
    const ReferenceList list = ListOf(options);
    const bool dryRun = options.IsSet("dry-run");
    const std::vector<csv::ReadRecord> records = csv::Load(options.Value("file"));
    std::unique_ptr<Connection> c = OpenConnection(options);
    if (!dryRun) {
        const history::Readiness ready = history::Prepare(*c);
        if (!ready.recorded) Err(ready.Notice() + QLatin1Char('\n'));
    }
    history::Action action(*c, Here(), history::Kind::ImportLinks, list);
    const LinkImport::Result result = LinkImport::Run(action, records, dryRun);
    for (const LinkImport::Refusal& refused : result.refused)
        Out(QStringLiteral("  ") + refused.Text() + '\n');
    const QString refused = QString::number(result.refused.size());
    if (dryRun) {
        Out(QStringLiteral(
                "%1 of %2 rows would be stored in %3, %4 refused; nothing was written (dry run).\n")
                .arg(QString::number(result.good), QString::number(result.rows), list.linkTable(), refused));
    } else {
        const QString as = action.id() ? QStringLiteral(" as action %1").arg(*action.id()) : QString();
        Out(QStringLiteral("%1 of %2 rows stored in %3%4, %5 refused.\n")
                .arg(QString::number(result.stored), QString::number(result.rows), list.linkTable(), as,
                     refused));
    }
    return result.refused.empty() ? 0 : 1;
}

QStringList Header() {
    return {QStringLiteral("ActionID"),
            QStringLiteral("At"),
            QStringLiteral("User"),
            QStringLiteral("Workstation"),
            QStringLiteral("Kind"),
            QStringLiteral("LinkID"),
            QStringLiteral("Code"),
            QStringLiteral("PreviousCode"),
            QStringLiteral("ItemID"),
            QStringLiteral("RevenueID"),
            QStringLiteral("SectionID"),
            QStringLiteral("Table"),
            QStringLiteral("RowID"),
            QStringLiteral("Change"),
            QStringLiteral("UndoOf"),
            QStringLiteral("OldCategory"),
            QStringLiteral("NewCategory"),
            QStringLiteral("OldDescription"),
            QStringLiteral("NewDescription"),
            QStringLiteral("OldFixedFee"),
            QStringLiteral("NewFixedFee"),
            QStringLiteral("OldChargingUnit"),
            QStringLiteral("NewChargingUnit"),
            QStringLiteral("OldItemDesc"),
            QStringLiteral("NewItemDesc"),
            QStringLiteral("OldInvOrProc"),
            QStringLiteral("NewInvOrProc"),
            QStringLiteral("OldSectionID"),
            QStringLiteral("NewSectionID")};
}

QStringList Record(const history::RecordedAction& a, const history::RecordedRow& r) {
    const history::RowChange& c = r.change;
    const LinkRow& either = r.Either();
    QStringList record{QString::number(a.id),
                       a.At(),
                       a.user,
                       a.workstation,
                       a.kind,
                       r.isLink() ? c.rowId : QString(),
                       r.Code(),
                       r.PreviousCode(),
                       either.itemId,
                       either.revenueId,
                       either.sectionId,
                       c.table,
                       c.rowId,
                       c.Change(),
                       a.undoOf ? QString::number(*a.undoOf) : QString()};
    auto both = [&](auto value) {
        record << (c.before ? value(*c.before) : QString()) << (c.after ? value(*c.after) : QString());
    };
    both([](const LinkRow& l) { return l.copies.category; });
    both([](const LinkRow& l) { return l.copies.description; });
    both([](const LinkRow& l) { return l.copies.fixedFee; });
    both([](const LinkRow& l) { return l.copies.chargingUnit; });
    both([](const LinkRow& l) { return l.itemDesc; });
    both([](const LinkRow& l) { return l.invOrProc; });
    both([](const LinkRow& l) { return l.sectionId; });
    return record;
}

// "57  2024-05-01 10:20:30 +08:00  alice on WS-1  map-all  link 12 update M0001085 -> M0001246, item
// 1016, revenue PH, section """.
QString Line(const history::RecordedAction& a, const history::RecordedRow& r) {
    QString action = QStringLiteral("%1  %2  %3 on %4  %5")
                         .arg(QString::number(a.id), a.At(), a.user, a.workstation, a.kind);
    if (a.undoOf) action += QStringLiteral(" of action %1").arg(*a.undoOf);
    const history::RowChange& c = r.change;
    const QString row = r.isLink() ? QStringLiteral("link %1").arg(c.rowId)
                                   : QStringLiteral("%1 row %2").arg(c.table, c.rowId);
    const bool changedCode = c.before && c.after && c.before->code != c.after->code;
    const QString codes = changedCode ? c.before->code + QStringLiteral(" -> ") + c.after->code : r.Code();
    QString line = QStringLiteral("%1  %2 %3 %4").arg(action, row, c.Change(), codes);
    if (r.isLink())
        line += QStringLiteral(", item %1, revenue %2, section \"%3\"")
                    .arg(r.Either().itemId, r.Either().revenueId, r.Either().sectionId);
    return line + QLatin1Char('\n');
}

int HistoryList(const Options& options) {
    const ReferenceList list = ListOf(options);
    history::Filter filter;
    filter.code = options.Value("code");
    filter.item = options.Value("item");
    if (options.IsSet("since")) filter.since = QDate::fromString(options.Value("since"), Qt::ISODate);
    std::unique_ptr<Connection> c = OpenConnection(options);
    if (!history::Recorded(*c)) {
        Err(QStringLiteral(
                "Changes are not being recorded in this database: the tables %1 and %2 are missing.\n")
                .arg(QLatin1String(history::kActionTable), QLatin1String(history::kRowTable)));
        return 1;
    }
    const std::vector<history::RecordedAction> actions = history::ReadHistory(*c, list, filter);
    if (AsCsv(options)) {
        csv::Table table;
        table.Add(Header());
        for (const history::RecordedAction& a : actions) {
            for (const history::RecordedRow& r : a.rows) table.Add(Record(a, r));
        }
        Out(table.Text(csv::Flavour::Exact));
    } else {
        for (const history::RecordedAction& a : actions) {
            for (const history::RecordedRow& r : a.rows) Out(Line(a, r));
        }
    }
    return 0;
}

int UndoAction(const Options& options) {
    const qint64 id = options.Value("action").toLongLong();
    const bool dryRun = options.IsSet("dry-run");
    std::unique_ptr<Connection> c = OpenConnection(options);
    history::UndoResult result;
    try {
        result = history::Undo(*c, Here(), id, dryRun);
    } catch (const history::UndoRefused& refused) {
        Err(refused.text() + QLatin1Char('\n'));
        return 1;
    }
    const history::RecordedAction& a = result.undone;
    if (dryRun) {
        Out(QStringLiteral("Action %1 (%2, %3 rows) can be undone; nothing was changed (dry run).\n")
                .arg(QString::number(id), a.kind, QString::number(a.rows.size())));
    } else {
        Out(QStringLiteral("Action %1 (%2) undone as action %3: %4 rows put back.\n")
                .arg(QString::number(id), a.kind,
                     result.undoAction ? QString::number(*result.undoAction) : QStringLiteral("?"),
                     QString::number(result.rows)));
    }
    return 0;
}

QString NotADate(const QString& value) {
    return QDate::fromString(value, Qt::ISODate).isValid() && value.size() == 10
               ? QString()
               : QStringLiteral("--since must be a date YYYY-MM-DD, not \"%1\".").arg(value);
}

QString NotAnAction(const QString& value) {
    bool ok = false;
    const qint64 id = value.toLongLong(&ok);
    return ok && id > 0 ? QString()
                        : QStringLiteral("--action must be an action's number, not \"%1\".").arg(value);
}

}  // namespace

Command ImportLinksCommand() {
    return {
        QStringLiteral("import-links"),
        QStringLiteral("Load links reviewed in a spreadsheet (CSV), as one action."),
        QStringLiteral("Loads links from a CSV file (RFC 4180, UTF-8 with or without a byte order mark) "
                       "whose header line names at least Code, ItemID, InvOrProc, RevenueID and SectionID; "
                       "other columns are ignored, so a file of export-links loads back. Each row is saved "
                       "as the window saves a link, after checks: the code is in the list, the item is an "
                       "active row of the source its InvOrProc, RevenueID and SectionID name. Refused rows "
                       "are listed by line (the header is line 1); the good rows are stored as one action "
                       "of the history. Exit code 1 when any row was refused."),
        {},
        {ListOption(),
         {{QStringLiteral("file"), QStringLiteral("The CSV file."), QStringLiteral("FILE")}, true},
         {{QStringLiteral("dry-run"), QStringLiteral("Check the rows and write nothing.")}}},
        ImportLinks};
}

Command HistoryCommand() {
    return {
        QStringLiteral("history"),
        QStringLiteral("The recorded changes of a list's links, newest first."),
        QStringLiteral("Lists the recorded changes of a list's links (and of the reference rows that apply "
                       "changes rewrote), one line per changed row, newest action first. Kinds: save, "
                       "delete, map-all, apply-changes, refresh, import-links, undo."),
        {},
        {ListOption(),
         {{QStringLiteral("code"), QStringLiteral("Only rows whose code before or after is CODE."),
           QStringLiteral("CODE")}},
         {{QStringLiteral("item"), QStringLiteral("Only rows of this hospital item."),
           QStringLiteral("ITEMID")}},
         {{QStringLiteral("since"), QStringLiteral("Only actions on or after this date."),
           QStringLiteral("YYYY-MM-DD")},
          false,
          NotADate},
         FormatOption()},
        HistoryList};
}

Command UndoCommand() {
    return {
        QStringLiteral("undo"),
        QStringLiteral("Undo a recorded action as a whole."),
        QStringLiteral("Undoes a recorded action as a whole, in one transaction that is an action itself. "
                       "Refused (exit code 1, nothing changed) when a later action changed its links, when "
                       "it was undone already, or when a link no longer holds what it left."),
        {},
        {{{QStringLiteral("action"), QStringLiteral("The number of the action."), QStringLiteral("ID")},
          true,
          NotAnAction},
         {{QStringLiteral("dry-run"), QStringLiteral("Check whether it can be undone; change nothing.")}}},
        UndoAction};
}

}  // namespace esoa::cli
