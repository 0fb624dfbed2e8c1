#pragma once

#include <QString>

namespace esoa {

struct Screen;

// The links of the current PhilHealth code (txtESOACode) in the link table of the current reference
// table, shown in GridMap. A load leaves no link row current; the row the user then makes current
// (mouse or keys) is the one the delete acts on.
class MappingList {
public:
    explicit MappingList(Screen& screen) : s_(screen) {}

    void LoadMappings();
    // Hides the step pointer.
    void GridMap_Click();

    struct Selection {
        QString table;  // the link table the list was read from; empty after a failed load
        QString id;     // the current row's link ID; empty when no link row is current
    };
    // GridMap's current row as it stands now.
    Selection selected() const;

private:
    Screen& s_;
    QString loadedTable_;
};

}  // namespace esoa
