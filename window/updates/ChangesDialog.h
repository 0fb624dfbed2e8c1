#pragma once

#include <QDialog>

#include "core/updates/ChangeReport.h"

class QCheckBox;

namespace esoa {

// The change report of a list: its summary, one table row per new, changed or withdrawn code (old
// and new values side by side, the links that use it), "Save as CSV...", and either Continue and
// Cancel (before an import) or Close.
class ChangesDialog : public QDialog {
    Q_OBJECT
public:
    ChangesDialog(const ChangeReport& report, bool offerContinue, QWidget* parent = nullptr);

private:
    void SaveCsv();
    const ChangeReport& report_;
};

// What "Apply changes..." will write, asked once, with the choice to update the links' copies too.
class ApplyDialog : public QDialog {
    Q_OBJECT
public:
    explicit ApplyDialog(const ChangeReport& report, QWidget* parent = nullptr);
    bool alsoLinks() const;

private:
    QCheckBox* alsoLinks_;
};

}  // namespace esoa
