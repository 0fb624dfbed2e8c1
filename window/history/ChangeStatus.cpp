#include "window/history/ChangeStatus.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>

#include "core/history/HistoryTables.h"
#include "core/history/Undo.h"
#include "database/Connection.h"
#include "database/SqlText.h"
#include "window/screen/EventGuard.h"
#include "window/screen/LinkLabel.h"
#include "window/screen/Screen.h"

namespace esoa {

ChangeStatus::ChangeStatus(Screen& screen, QStatusBar& bar) : QObject(&bar), s_(screen) {
    // The text and its Undo link read as one line.
    auto* line = new QWidget(&bar);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    label_ = new QLabel(line);
    label_->setObjectName(QStringLiteral("lblStatus"));
    label_->setTextFormat(Qt::PlainText);
    undo_ = new LinkLabel(QStringLiteral("Undo"), line);
    undo_->setObjectName(QStringLiteral("lblUndo"));
    undo_->setAccessibleName(QStringLiteral("Undo"));
    undo_->hide();
    layout->addWidget(label_);
    layout->addWidget(undo_);
    layout->addStretch(1);
    bar.addWidget(line, 1);
    bar.setSizeGripEnabled(false);
    connect(undo_, &LinkLabel::Click, this, [this] {
        Guarded(s_.messages, [this] {
            if (shown_) UndoAction(*shown_);
        });
    });
}

void ChangeStatus::Prepare() {
    history::Readiness ready;
    try {
        ready = history::Prepare(s_.user.sqlconnection());
    } catch (const std::exception& e) {
        ready = {false, DescriptionOf(e)};
    }
    notRecorded_ = ready.Notice();
    Show(notRecorded_);
}

history::Action ChangeStatus::NewAction(history::Kind kind) {
    const QString table = s_.ui.lblESOATableName->text();
    const std::optional<ReferenceList> list = ReferenceList::Named(table);
    if (!list || list->table.compare(table, Qt::CaseInsensitive) != 0)
        throw DbError(QStringLiteral("\"%1\" is no reference list of this program.").arg(table));
    return history::Action(s_.user.sqlconnection(), history::Actor::Here(s_.user.UserName()), kind, *list);
}

void ChangeStatus::Done(const QString& text, const history::Action& action) {
    if (!action.recorded() || !action.id()) {
        const bool unrecorded = !action.recorded();
        Show(unrecorded ? text + QStringLiteral(" - changes are not being recorded") : text);
        return;
    }
    label_->setText(text + QStringLiteral(" - "));
    shown_ = action.id();
    undo_->show();
}

void ChangeStatus::Show(const QString& text) {
    label_->setText(text);
    shown_.reset();
    undo_->hide();
}

void ChangeStatus::ShowItemLink() {
    const QString item = s_.ui.txtZEMORAItemID->text();
    if (item.isEmpty()) return;
    const QString revenue = s_.ui.txtRevID->text();
    const QString linkTable = s_.ui.lblESOATableName->text() + QStringLiteral("_LINK");
    try {
        const ReadResult found = s_.user.sqlconnection().Read(
            QStringLiteral(
                "SELECT TOP 1 ID, Code FROM [Build_FIle].[dbo].[%1] WITH (NOLOCK) WHERE RevenueID = '%2' "
                "AND ItemID = '%3' ORDER BY ID")
                .arg(linkTable, sql::Escaped(revenue), sql::Escaped(item)),
            CursorType::ForwardOnly, LockType::ReadOnly);
        if (found.rows.empty()) {
            Show(QStringLiteral("Item %1 (revenue %2) has no link in %3 yet.").arg(item, revenue, linkTable));
        } else {
            Show(
                QStringLiteral("Item %1 (revenue %2) is linked to %3 in %4 (link %5).")
                    .arg(item, revenue, found.rows.front().value(1), linkTable, found.rows.front().value(0)));
        }
    } catch (const DbError&) {
        // The link table is missing or unreadable: the lists say so themselves.
        Show(notRecorded_);
    }
}

bool ChangeStatus::UndoAction(qint64 id) {
    history::UndoResult result;
    try {
        BusyPointer busy(s_.messages);
        result = history::Undo(s_.user.sqlconnection(), history::Actor::Here(s_.user.UserName()), id);
    } catch (const history::UndoRefused& refused) {
        s_.messages.Show(refused.text());
        return false;
    }
    const QString text = QStringLiteral("Action %1 undone (%2, %3 rows put back)")
                             .arg(QString::number(id), result.undone.kind, QString::number(result.rows));
    if (result.undoAction) {
        label_->setText(text + QStringLiteral(" - "));
        shown_ = result.undoAction;
        undo_->show();
    } else {
        Show(text);
    }
    if (afterUndo_) afterUndo_(result.undone);
    return true;
}

QString ChangeStatus::text() const {
    return label_->text() + (undo_->isVisibleTo(label_->parentWidget()) ? undo_->text() : QString());
}

QString ChangeStatus::SaveText(const LinkValues& link, const SaveOutcome& outcome) {
    QString text = QStringLiteral("%1 linked to %2").arg(link.code, link.itemId);
    if (outcome.kind == SaveOutcome::Kind::Moved)
        text += QStringLiteral(" (moved from %1)").arg(outcome.previousCode);
    return text;
}

QString ChangeStatus::MapAllText(const QString& code, int linked, int moved, int handled, int listed) {
    QString text = QStringLiteral("Map ALL: %1 items linked to %2").arg(linked).arg(code);
    if (moved > 0) text += QStringLiteral(", %1 of them moved from other codes").arg(moved);
    if (handled < listed) text += QStringLiteral(" (stopped after %1 of %2 listed)").arg(handled).arg(listed);
    return text;
}

}  // namespace esoa
