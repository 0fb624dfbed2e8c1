#pragma once

#include <QDialog>
#include <vector>

#include "core/history/HistoryLog.h"

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace esoa {

struct Screen;
class ChangeStatus;

// "History...": the actions on the links of one list, newest first (when, who, workstation, kind,
// number of links, first code), filtered by code, item, user and date; the rows of the selected
// action with their values before and after; and "Undo", with the same rules as the status line's
// link. Not modal: the mapping goes on beside it. Every control is reached by Tab, the filters
// and buttons also by their access keys; Enter in a filter box filters.
class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    HistoryWindow(Screen& screen, ChangeStatus& status, ReferenceList list, QWidget* parent = nullptr);

    // Reads the actions again with the filters as they stand; the newest is selected.
    void Reload();
    // Undoes the selected action (a refusal is shown as a message).
    void UndoSelected();

    const std::vector<history::RecordedAction>& actions() const { return actions_; }
    QTableWidget* actionTable() const { return actionTable_; }
    QTableWidget* rowTable() const { return rowTable_; }
    QLineEdit* codeFilter() const { return code_; }
    QLineEdit* itemFilter() const { return item_; }
    QLineEdit* userFilter() const { return user_; }
    QCheckBox* sinceFilter() const { return since_; }
    QDateEdit* sinceDate() const { return sinceDate_; }
    QPushButton* undoButton() const { return undo_; }

private:
    void ShowRows();

    Screen& s_;
    ChangeStatus& status_;
    ReferenceList list_;
    std::vector<history::RecordedAction> actions_;
    QLineEdit *code_, *item_, *user_;
    QCheckBox* since_;
    QDateEdit* sinceDate_;
    QTableWidget *actionTable_, *rowTable_;
    QPushButton* undo_;
};

}  // namespace esoa
