#pragma once

#include <QStringList>

#include "screen/Messages.h"

namespace esoa::test {

// Stands in for the message boxes: records every message and busy change instead of blocking.
class RecordingMessages : public Messages {
public:
    void Show(const QString& text) override { shown << text; }
    void SetBusy(bool busy) override {
        this->busy = busy;
        busyChanges << busy;
    }

    QStringList shown;
    bool busy = false;
    QList<bool> busyChanges;
};

}  // namespace esoa::test
