#pragma once

#include <QString>

namespace esoa {

// The user-facing messages of the tool: OK-only message boxes titled with the program's own title,
// and the busy mouse pointer. Tests replace it with a recorder, so no test blocks on a dialog.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void Show(const QString& text) = 0;
    virtual void SetBusy(bool busy) = 0;
};

// The real message boxes.
class MessageBoxes : public Messages {
public:
    void Show(const QString& text) override;
    void SetBusy(bool busy) override;

private:
    bool busy_ = false;
};

}  // namespace esoa
