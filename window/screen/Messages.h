#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace esoa {

// How far a long piece of work has come. Step() also lets the window process pending events, so it
// repaints and stays responsive. Destroying the object closes its display.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void Step(int done, const QString& text) = 0;
    // True once the user asked to stop.
    virtual bool Cancelled() const = 0;
};

// The user-facing messages of the tool: OK-only message boxes titled with the program's own title,
// the busy mouse pointer and progress displays. Tests replace it with a recorder, so no test ever
// blocks on a dialog.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void Show(const QString& text) = 0;
    virtual void SetBusy(bool busy) = 0;
    // total 0: not known in advance. modal: the display shows at once and, until it is destroyed,
    // every other window of the program ignores input (only its Cancel answers); otherwise it shows
    // only if the work lasts.
    virtual std::unique_ptr<Progress> StartProgress(const QString& title, int total, bool modal) = 0;
    // Shows `text` and offers to save a fuller report as a text file. Returns the path the user
    // chose (`suggestedName` proposed), or empty when the user declined; the caller writes the file.
    virtual QString AskSaveFile(const QString& text, const QString& suggestedName) {
        (void)suggestedName;
        Show(text);
        return {};
    }
};

// Shows the busy mouse pointer for as long as it lives, however the work ends.
class BusyPointer {
public:
    explicit BusyPointer(Messages& messages) : messages_(messages) { messages_.SetBusy(true); }
    ~BusyPointer() { messages_.SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Messages& messages_;
};

// Asks where to save a file, proposing `suggestedName` in the user's documents (the program's folder
// is often not writable by its users); `filter` as QFileDialog takes it. Empty when the user declined.
QString AskSavePathInDocuments(QWidget* parent, const QString& title, const QString& suggestedName,
                               const QString& filter);

// The text as a message box shows it: lines cut to a length that fits the screen, and at most a
// screenful of lines.
QString FitForScreen(const QString& text);

// The real message boxes.
class MessageBoxes : public Messages {
public:
    void Show(const QString& text) override;
    void SetBusy(bool busy) override;
    std::unique_ptr<Progress> StartProgress(const QString& title, int total, bool modal) override;
    QString AskSaveFile(const QString& text, const QString& suggestedName) override;

private:
    bool busy_ = false;
};

}  // namespace esoa
