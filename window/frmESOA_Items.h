#pragma once

#include <QScrollArea>
#include <QStatusBar>
#include <QWidget>
#include <memory>

#include "window/screen/Screen.h"

namespace esoa {

class PhilHealthLists;
class ItemSearch;
class ItemSuggest;
class ItemSource;
class CategoryRouting;
class ListSwitch;
class ReferenceTables;
class ReferenceImport;
class MappingList;
class ItemSelection;
class MappingSave;
class MappingBulk;
class ListUpdates;
class ChangeStatus;

// The mapping screen, the program's one window. It owns its controls and one object per subsystem,
// and wires each control's events to them; every handler runs through Guarded, so an error ends
// only its own event. The current-user object and the message service outlive the window.
//
// The controls sit at their design places on a design surface, which fills the window and scrolls
// when the window is smaller than the design size: every control stays reachable on any screen.
// The first showing runs the load and then fits the window to its screen.
class frmESOA_Items : public QWidget {
    Q_OBJECT
public:
    frmESOA_Items(CurrentUser& user, Messages& messages, QWidget* parent = nullptr);
    ~frmESOA_Items() override;

    ScreenControls& controls() { return ui_; }
    // The widget the controls are placed on (their positions are relative to it), and the scroll
    // area that shows it.
    QWidget* designSurface() { return surface_; }
    QScrollArea* scrollArea() { return scroll_; }
    StepGuide& guide() { return guide_; }
    ReferenceImport& referenceImport() { return *import_; }

    void Form_Load();
    void Form_Resize();
    void lblMaint_Click();
    // Opens a window with the coverage of the current list (a new one at each click).
    void lblCoverage_Click();
    // Opens the history of the current list's links (a new window at each click); returns it.
    QWidget* lblHistory_Click();
    void cmdClose_Click() { close(); }

    // Shrinks the window, where needed, so that it and its frame fit `available` (a screen's
    // available geometry), and moves it inside. Never enlarges it. The first showing calls it
    // with the window's screen.
    void FitInto(const QRect& available);

    // Routines of the subsystems, reachable by name as the screen's own.
    PhilHealthLists& lists() { return *lists_; }
    ItemSearch& search() { return *search_; }
    ItemSource& source() { return *source_; }
    CategoryRouting& routing() { return *routing_; }
    ListSwitch& listSwitch() { return *listSwitch_; }
    ReferenceTables& tables() { return *tables_; }
    MappingList& mappings() { return *mappings_; }
    ItemSelection& selection() { return *selection_; }
    MappingSave& save() { return *save_; }
    MappingBulk& bulk() { return *bulk_; }
    ListUpdates& listUpdates() { return *listUpdates_; }
    ItemSuggest& suggest() { return *suggest_; }
    // The status line at the bottom: what the last link write did, with its Undo.
    ChangeStatus& status() { return *status_; }
    QStatusBar* statusBar() { return statusBar_; }

    void setVisible(bool visible) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wireEvents();
    template <typename Handler>
    void guarded(Handler&& handler);

    Messages& messages_;
    QScrollArea* scroll_;
    QStatusBar* statusBar_;
    QWidget* surface_;
    ScreenControls ui_;
    StepGuide guide_;
    Screen screen_;
    std::unique_ptr<ChangeStatus> status_;
    std::unique_ptr<PhilHealthLists> lists_;
    std::unique_ptr<ItemSearch> search_;
    std::unique_ptr<ItemSource> source_;
    std::unique_ptr<CategoryRouting> routing_;
    std::unique_ptr<ListSwitch> listSwitch_;
    std::unique_ptr<ReferenceTables> tables_;
    std::unique_ptr<ReferenceImport> import_;
    std::unique_ptr<MappingList> mappings_;
    std::unique_ptr<ItemSelection> selection_;
    std::unique_ptr<MappingSave> save_;
    std::unique_ptr<MappingBulk> bulk_;
    std::unique_ptr<ListUpdates> listUpdates_;
    std::unique_ptr<ItemSuggest> suggest_;
    bool loaded_ = false;
};

}  // namespace esoa
