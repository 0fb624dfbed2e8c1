#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "core/ListData.h"
#include "window/review/ReviewModel.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace esoa {
namespace history {
struct RecordedAction;
}

struct Screen;
class ChangeStatus;
class ReviewRanking;

// "Review...": every code of a list that no link names yet (of one category, or of all), each
// with its best candidate, its score, whether it is confident and the runner-up, ranked on a thread
// of its own while the window stays responsive (a progress bar and Cancel; the codes ranked so far
// can be reviewed meanwhile). Not modal: the mapping goes on beside it.
//
// In the list of codes: Enter accepts the code's item and moves to the next code, Space or S skips
// it, the arrow keys move, R or a click on the runner-up chooses that item instead; "More..." shows
// the code's ranked list to choose another. "Accept all confident" tells how many codes it would
// accept and asks first (Messages::Ask). "Save accepted" writes the accepted links as one action of
// the history (WriteAcceptedLinks; the status line offers its Undo), reports them in one message and
// runs `saved` (the mapping screen refreshes its lists). Closing, or choosing another category, with
// accepted links not saved asks first.
class ReviewWindow : public QDialog {
    Q_OBJECT
public:
    // Opens on `category` of `list` (nullopt: all categories; "-" or empty: codes without one) and
    // reads the list's categories for the choice; call Rank to read and rank the codes.
    ReviewWindow(Screen& screen, ChangeStatus& status, ReferenceList list, std::optional<QString> category,
                 std::function<void()> saved, QWidget* parent = nullptr);
    ~ReviewWindow() override;

    // Reads the codes of the chosen category with their candidates and starts ranking them; a
    // ranking under way is cancelled first. Throws DbError (the list stays empty).
    void Rank();
    void CancelRanking();
    void AcceptCurrent();
    void SkipCurrent();
    // Chooses the runner-up column's item for the code in `row` (accepted).
    void PickRunnerUp(int row);
    // Opens the code's ranked list; the item picked there is chosen and accepted.
    void ShowMore();
    void AcceptAllConfident();
    void SaveAccepted();
    // After an undo: the saved codes of this list whose links the undone action wrote are open again.
    void Undone(const history::RecordedAction& undone);

    bool ranking() const;
    const ReviewModel& model() const { return model_; }
    QTableView* table() const { return table_; }
    QComboBox* categoryBox() const { return category_; }
    QLabel* status() const { return status_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape closes as the window's close button does.
    void reject() override;

private:
    int CurrentRow() const;
    void MoveTo(int row);
    // True when no accepted link would be lost, or the user agrees to lose them.
    bool MayDiscard(const QString& doing);
    void CategoryChosen();
    void ShowStatus();
    void UpdateButtons();
    template <typename Handler>
    void Guarded(Handler&& handler);

    Screen& s_;
    ChangeStatus& changes_;
    ReferenceList list_;
    std::function<void()> saved_;
    ReviewModel model_;
    std::unique_ptr<ReviewRanking> ranking_;
    int total_ = 0;
    QString rankingNote_;  // how the last ranking ended, and what was left out while reading
    int shownCategory_ = 0;
    QComboBox* category_;
    QTableView* table_;
    QProgressBar* progress_;
    QPushButton *cancel_, *acceptConfident_, *more_, *save_;
    QLabel* status_;
};

}  // namespace esoa
