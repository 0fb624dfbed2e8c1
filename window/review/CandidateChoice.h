#pragma once

#include <QDialog>
#include <QList>

#include "core/review/ReviewQueue.h"

class QTableWidget;

namespace esoa {

// "More...": a code's ranked list of hospital items, best first, as the Suggest button lists them
// (with the score, where each is filed and the code it is already linked to). Enter, a double
// click or "Choose" picks the current item (Picked) and closes; Escape closes without a pick.
class CandidateChoice : public QDialog {
    Q_OBJECT
public:
    CandidateChoice(const ReferenceRow& code, QList<assist::ReviewPick> picks, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }

signals:
    void Picked(const assist::ReviewPick& pick);

private:
    void Choose();

    QList<assist::ReviewPick> picks_;
    QTableWidget* table_;
};

}  // namespace esoa
