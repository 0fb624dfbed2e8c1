#pragma once

#include <QDialog>

#include "core/coverage/Coverage.h"

namespace esoa::assist {

// Shows a coverage report as three tables (categories, revenues, unused inventory items per
// inventory revenue code) with "Save as CSV...". Not modal: the mapping goes on beside it. The
// figures are those of the moment it was built; open it again for fresh ones.
class CoverageWindow : public QDialog {
    Q_OBJECT
public:
    explicit CoverageWindow(Coverage coverage, QWidget* parent = nullptr);

    const Coverage& coverage() const { return coverage_; }

private:
    Coverage coverage_;
};

}  // namespace esoa::assist
