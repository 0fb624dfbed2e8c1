#pragma once

#include <QDialog>
#include <vector>

#include "core/updates/StaleLinks.h"

class QTableWidget;

namespace esoa {

// The stale links of a list, each with its reasons; the user selects links and chooses "Refresh
// copies" (accepted, chosen() gives them) or closes the dialog. "Save as CSV..." saves the list.
class StaleLinksDialog : public QDialog {
    Q_OBJECT
public:
    StaleLinksDialog(const ReferenceList& list, const std::vector<StaleLink>& links, QWidget* parent = nullptr);
    // The indexes (into the links given) of the selected rows that can be refreshed.
    std::vector<int> chosen() const;

private:
    const std::vector<StaleLink>& links_;
    QTableWidget* table_;
};

}  // namespace esoa
