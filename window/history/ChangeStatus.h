#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "core/history/Action.h"
#include "core/history/HistoryLog.h"
#include "core/links/LinkWrite.h"

class QLabel;
class QStatusBar;

namespace esoa {

struct Screen;
class LinkLabel;

// The status line at the bottom of the mapping window. After each link write it says what happened,
// with a link "Undo" (focusable, Enter or Space presses it) that undoes that action as a whole; a
// hospital item clicked shows which code it is linked to in the current list. While the history
// is not recorded (its tables could not be created), it says so, and writes offer no Undo.
//
// It also makes the actions of the window's link writes (who, where, which list) and runs their
// undo, for the status line's link and the "History..." window alike.
class ChangeStatus : public QObject {
    Q_OBJECT
public:
    ChangeStatus(Screen& screen, QStatusBar& bar);

    // Creates the history tables when missing (once, when the window loads) and says on the line
    // when changes cannot be recorded.
    void Prepare();

    // A new action of the current list (lblESOATableName), by the current user on this workstation.
    history::Action NewAction(history::Kind kind);

    // After a write: `text`, then " - Undo" when the action was recorded (or the notice that changes
    // are not recorded).
    void Done(const QString& text, const history::Action& action);
    // A line without Undo.
    void Show(const QString& text);
    // Shows which code the hospital item of the screen's boxes (txtRevID, txtZEMORAItemID) is linked
    // to in the current list.
    void ShowItemLink();

    // Undoes an action as a whole: refused with one message (nothing changed), or done, told on
    // the line (with Undo for the undo itself) and followed by `afterUndo`. True when undone.
    bool UndoAction(qint64 id);

    // The line as shown, the Undo link's text included ("Link 12 deleted - Undo").
    QString text() const;
    // The action the Undo link undoes, when it shows.
    std::optional<qint64> shownAction() const { return shown_; }
    LinkLabel* undoLink() const { return undo_; }

    // Called after every undo with the action undone (the lists are refreshed there).
    void setAfterUndo(std::function<void(const history::RecordedAction&)> after) {
        afterUndo_ = std::move(after);
    }

    // The texts of the line.
    static QString SaveText(const LinkValues& link, const SaveOutcome& outcome);
    // Map-all: `linked` of the `listed` items saved, `moved` of them from other codes, the run having
    // handled `handled` rows.
    static QString MapAllText(const QString& code, int linked, int moved, int handled, int listed);

private:
    Screen& s_;
    QLabel* label_;
    LinkLabel* undo_;
    std::optional<qint64> shown_;
    QString notRecorded_;  // the notice while the history is not recorded
    std::function<void(const history::RecordedAction&)> afterUndo_;
};

}  // namespace esoa
