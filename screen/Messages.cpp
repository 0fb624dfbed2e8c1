#include "screen/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>

namespace esoa {
namespace {

class DialogProgress : public Progress {
public:
    DialogProgress(const QString& title, int total, bool modal) : dialog_(QApplication::activeWindow()) {
        dialog_.setWindowTitle(QApplication::applicationDisplayName());
        dialog_.setLabelText(title);
        dialog_.setRange(0, total);
        // A window-modal display blocks nothing while it waits to appear, nor when no window is
        // active: modal work takes the whole program at once, so no click can change what it reads.
        dialog_.setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
        dialog_.setMinimumDuration(modal ? 0 : 400);  // short work finishes without a flash of a dialog
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
        if (modal) dialog_.show();
    }

    void Step(int done, const QString& text) override {
        if (!text.isEmpty()) dialog_.setLabelText(text);
        if (dialog_.maximum() > 0) dialog_.setValue(std::min(done, dialog_.maximum()));
        QApplication::processEvents();
    }

    bool Cancelled() const override { return dialog_.wasCanceled(); }

private:
    QProgressDialog dialog_;
};

}  // namespace

void MessageBoxes::Show(const QString& text) {
    // A message box is a wait of its own: the busy pointer must not hide the OK button's hand.
    const bool wasBusy = busy_;
    if (wasBusy) SetBusy(false);
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
    if (wasBusy) SetBusy(true);
}

void MessageBoxes::SetBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

std::unique_ptr<Progress> MessageBoxes::StartProgress(const QString& title, int total, bool modal) {
    return std::make_unique<DialogProgress>(title, total, modal);
}

}  // namespace esoa
