#pragma once

#include <QString>

namespace esoa {

struct Screen;

// The links of the current PhilHealth code (txtESOACode) in the link table of the current reference
// table, shown in GridMap. Remembers which link row the user clicked since the list was last
// loaded, for the delete.
class MappingList {
public:
    explicit MappingList(Screen& screen) : s_(screen) {}

    void LoadMappings();
    // Hides the step pointer; a click on a link row also selects that link for the delete.
    void GridMap_Click();

    struct Selection {
        QString table;  // the link table the list was read from
        QString id;     // the link's ID; empty when no link row was clicked since the load
    };
    const Selection& selected() const { return selected_; }

private:
    Screen& s_;
    QString loadedTable_;
    Selection selected_;
};

}  // namespace esoa
