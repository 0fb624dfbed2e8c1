#pragma once

#include <QStringList>
#include <functional>

#include "window/screen/Messages.h"

namespace esoa::test {

// Stands in for the message boxes: records every message, busy change and progress step instead
// of blocking. `onShow` and `onStep` let a test act at that moment (e.g. click while an import runs).
class RecordingMessages : public Messages {
public:
    void Show(const QString& text) override {
        shown << text;
        if (onShow) onShow(text);
    }
    void SetBusy(bool busy) override {
        this->busy = busy;
        busyChanges << busy;
    }
    std::unique_ptr<Progress> StartProgress(const QString& title, int total, bool modal) override {
        progressTitles << title;
        progressModal << modal;
        progressTotals << total;
        return std::make_unique<Recorder>(*this);
    }
    // Recorded as a message shown; the answer is `saveAnswer`.
    QString AskSaveFile(const QString& text, const QString& suggestedName) override {
        saveOffers << suggestedName;
        Show(text);
        return saveAnswer;
    }

    // Recorded; the answer is `askAnswer`.
    bool Ask(const QString& question) override {
        asked << question;
        return askAnswer;
    }

    QStringList shown;
    QStringList asked;
    bool askAnswer = false;
    bool busy = false;
    QList<bool> busyChanges;
    QStringList progressTitles;
    QList<bool> progressModal;
    QList<int> progressTotals;
    QStringList steps;
    QStringList saveOffers;     // the suggested names of every save offer
    QString saveAnswer;         // the path "chosen" at a save offer; empty: declined
    int cancelAfterSteps = -1;  // >= 0: the user cancels once that many steps were shown
    std::function<void(const QString&)> onShow;
    std::function<void(int done)> onStep;

private:
    class Recorder : public Progress {
    public:
        explicit Recorder(RecordingMessages& owner) : owner_(owner) {}
        void Step(int done, const QString& text) override {
            owner_.steps << text;
            ++count_;
            if (owner_.onStep) owner_.onStep(done);
        }
        bool Cancelled() const override {
            return owner_.cancelAfterSteps >= 0 && count_ >= owner_.cancelAfterSteps;
        }

    private:
        RecordingMessages& owner_;
        int count_ = 0;
    };
};

}  // namespace esoa::test
