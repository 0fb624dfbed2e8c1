#include "window/screen/Messages.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>

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

QString AskSavePathInDocuments(QWidget* parent, const QString& title, const QString& suggestedName,
                               const QString& filter) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(parent, title, QDir(folder).filePath(suggestedName), filter);
}

QString FitForScreen(const QString& text) {
    // A message box grows with its longest line and its line count; a statement or a connection string
    // of thousands of characters would push the OK button off the screen.
    constexpr int kLongestLine = 200;
    constexpr int kMostLines = 30;
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > kMostLines) {
        lines = lines.mid(0, kMostLines - 1);
        lines << QString(QChar(0x2026));
    }
    for (QString& line : lines) {
        if (line.size() > kLongestLine) line = line.left(kLongestLine - 1) + QChar(0x2026);
    }
    return lines.join(QLatin1Char('\n'));
}

void MessageBoxes::Show(const QString& text) {
    // A message box is a wait of its own: the busy pointer must not hide the OK button's hand.
    const bool wasBusy = busy_;
    if (wasBusy) SetBusy(false);
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), FitForScreen(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
    if (wasBusy) SetBusy(true);
}

QString MessageBoxes::AskSaveFile(const QString& text, const QString& suggestedName) {
    const bool wasBusy = busy_;
    if (wasBusy) SetBusy(false);
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    QPushButton* save = box.addButton(QStringLiteral("&Save list..."), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    QString path;
    if (box.clickedButton() == save) {
        path = AskSavePathInDocuments(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                                      suggestedName, QStringLiteral("Text files (*.txt);;All files (*)"));
    }
    if (wasBusy) SetBusy(true);
    return path;
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
