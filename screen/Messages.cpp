#include "screen/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace esoa {

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

}  // namespace esoa
