#include "window/frmESOA_Items.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "database/SqlText.h"
#include "core/ListData.h"
#include "window/coverage/CoverageWindow.h"
#include "window/history/ChangeStatus.h"
#include "window/history/HistoryWindow.h"
#include "window/lookup/CategoryRouting.h"
#include "window/lookup/CoherentRefresh.h"
#include "window/lookup/ItemSearch.h"
#include "window/lookup/ItemSource.h"
#include "window/lookup/ItemSuggest.h"
#include "window/mapping/MappingBulk.h"
#include "window/mapping/MappingList.h"
#include "window/mapping/MappingSave.h"
#include "window/reference/ItemSelection.h"
#include "window/reference/ListSwitch.h"
#include "window/reference/PhilHealthLists.h"
#include "window/reference/ReferenceImport.h"
#include "window/reference/ReferenceTables.h"
#include "window/screen/EventGuard.h"
#include "window/screen/FormAccess.h"
#include "window/screen/ListReader.h"
#include "window/screen/Twips.h"
#include "window/updates/ListUpdates.h"

namespace esoa {
namespace {

constexpr int kClientWidth = 21825;  // twips
constexpr int kClientHeight = 13830;

// Until the window manager has framed the window its decorations are unknown: room for a usual
// title bar and border is kept free.
constexpr QMargins kUsualFrame(4, 32, 4, 4);

QSize DesignSize(const QWidget* form) {
    return QSize(TwipsToPx(kClientWidth, form), TwipsToPx(kClientHeight, form));
}

QWidget* NewSurface(QScrollArea& scroll) {
    auto* surface = new QWidget;
    surface->setObjectName(QStringLiteral("designSurface"));
    scroll.setObjectName(QStringLiteral("designScroll"));
    scroll.setFrameShape(QFrame::NoFrame);  // the surface's origin is the window's, as designed
    scroll.setFocusPolicy(Qt::NoFocus);
    // Larger than the design it follows the window (the mapping list grows), smaller it scrolls.
    scroll.setWidgetResizable(true);
    scroll.setWidget(surface);
    surface->setMinimumSize(DesignSize(&scroll));
    return surface;
}

struct ColumnWidths {
    FlexGrid* grid;
    int cols;  // 0: the column count is left as it is
    std::vector<std::pair<int, int>> widths;
};

}  // namespace

frmESOA_Items::frmESOA_Items(CurrentUser& user, Messages& messages, QWidget* parent)
    : QWidget(parent),
      messages_(messages),
      scroll_(new QScrollArea(this)),
      statusBar_(new QStatusBar(this)),
      surface_(NewSurface(*scroll_)),
      ui_(BuildScreenControls(surface_)),
      guide_(*ui_.cmdInst),
      screen_{ui_, user, messages, guide_} {
    setObjectName(QStringLiteral("frmESOA_Items"));
    setWindowTitle(QStringLiteral("PHIC-ZEMORA Code Mapping"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    // Below the design: no control of the design moves for it.
    statusBar_->setObjectName(QStringLiteral("statusBar"));
    layout->addWidget(statusBar_);
    status_ = std::make_unique<ChangeStatus>(screen_, *statusBar_);
    resize(DesignSize(this) + QSize(0, statusBar_->sizeHint().height()));
    ArrangeKeyboardAccess(ui_);
    QWidget::setTabOrder(ui_.cmdInst, status_->undoLink());

    lists_ = std::make_unique<PhilHealthLists>(screen_);
    search_ = std::make_unique<ItemSearch>(screen_);
    source_ = std::make_unique<ItemSource>(screen_, *search_);
    routing_ = std::make_unique<CategoryRouting>(screen_, *lists_, *source_, *search_);
    listSwitch_ = std::make_unique<ListSwitch>(screen_, *lists_, *source_, *routing_);
    tables_ = std::make_unique<ReferenceTables>(screen_);
    import_ = std::make_unique<ReferenceImport>(screen_, *lists_, *source_);
    mappings_ = std::make_unique<MappingList>(screen_);
    selection_ = std::make_unique<ItemSelection>(screen_, *mappings_, *search_);
    save_ = std::make_unique<MappingSave>(screen_, *mappings_, *status_);
    bulk_ = std::make_unique<MappingBulk>(screen_, *mappings_, *save_, *status_);
    listUpdates_ = std::make_unique<ListUpdates>(screen_, *lists_, *mappings_, *import_, *status_);
    suggest_ = std::make_unique<ItemSuggest>(screen_);
    import_->setReview([this](const QString& table, const std::vector<ListFile>& files) {
        return listUpdates_->ReviewBeforeImport(table, files);
    });
    status_->setAfterUndo([this](const history::RecordedAction& undone) {
        mappings_->LoadMappings();
        if (undone.kind != history::Word(history::Kind::ApplyChanges)) return;
        // Reference rows were put back too.
        CoherentRefresh refresh(screen_);
        lists_->LoadCategories();
        lists_->LoadEsoaItems();
        refresh.Finish();
    });
    wireEvents();
}

frmESOA_Items::~frmESOA_Items() = default;

template <typename Handler>
void frmESOA_Items::guarded(Handler&& handler) {
    Guarded(messages_, std::forward<Handler>(handler));
}

void frmESOA_Items::wireEvents() {
    auto onClick = [this](QPushButton* button, auto handler) {
        connect(button, &QPushButton::clicked, this, [this, handler] { guarded(handler); });
    };
    auto onGridClick = [this](FlexGrid* grid, auto handler) {
        // A click on a list's header row or below its rows picks nothing: only the mapping list
        // reacts to it (it hides the step pointer).
        connect(grid, &FlexGrid::Click, this, [this, grid, handler] {
            if (grid->ClickedRow() == 0 && grid != ui_.GridMap) return;
            guarded(handler);
        });
    };

    onClick(ui_.cmdClose, [this] { cmdClose_Click(); });
    onClick(ui_.cmdInst, [this] { guide_.cmdInst_Click(); });
    connect(ui_.lblMaint, &LinkLabel::Click, this, [this] { guarded([this] { lblMaint_Click(); }); });
    onClick(ui_.cmdCreateTable, [this] { tables_->cmdCreateTable_Click(); });
    onClick(ui_.cmdScan, [this] { import_->cmdScan_Click(); });
    onClick(ui_.cmdSearchSOAItem, [this] { lists_->cmdSearchSOAItem_Click(); });
    connect(ui_.optTable, &OptionGroup::Click, this,
            [this](int index) { guarded([this, index] { listSwitch_->optTable_Click(index); }); });
    onGridClick(ui_.GridCat, [this] { listSwitch_->GridCat_Click(); });
    onGridClick(ui_.Grid1, [this] { selection_->Grid1_Click(); });
    connect(ui_.optInventory, &OptionGroup::Click, this,
            [this](int index) { guarded([this, index] { source_->optInventory_Click(index); }); });
    onGridClick(ui_.GridRev, [this] { source_->GridRev_Click(); });
    onGridClick(ui_.GridRevCode, [this] { source_->GridRevCode_Click(); });
    onClick(ui_.cmdPreview, [this] { search_->cmdPreview_Click(); });
    onGridClick(ui_.Grid2, [this] {
        search_->Grid2_Click();
        status_->ShowItemLink();
    });
    onClick(ui_.cmdUse, [this] { search_->cmdUse_Click(); });
    ui_.txtDesc->installEventFilter(this);
    ui_.txtSOADesc->installEventFilter(this);
    onGridClick(ui_.GridMap, [this] { mappings_->GridMap_Click(); });
    onClick(ui_.cmdEdit, [this] { save_->cmdEdit_Click(); });
    onClick(ui_.cmdDelete, [this] { bulk_->cmdDelete_Click(); });
    onClick(ui_.cmdMapAll, [this] { bulk_->cmdMapAll_Click(); });
    onClick(ui_.cmdPreviewChanges, [this] { listUpdates_->cmdPreviewChanges_Click(); });
    onClick(ui_.cmdApplyChanges, [this] { listUpdates_->cmdApplyChanges_Click(); });
    onClick(ui_.cmdCheckLinks, [this] { listUpdates_->cmdCheckLinks_Click(); });
    onClick(ui_.cmdExportLinks, [this] { listUpdates_->cmdExportLinks_Click(); });
    onClick(ui_.cmdSuggest, [this] { suggest_->cmdSuggest_Click(); });
    connect(ui_.chkUnlinked, &QCheckBox::toggled, this,
            [this] { guarded([this] { lists_->LoadEsoaItems(); }); });
    connect(ui_.lblCoverage, &LinkLabel::Click, this, [this] { guarded([this] { lblCoverage_Click(); }); });
    connect(ui_.lblHistory, &LinkLabel::Click, this, [this] { guarded([this] { lblHistory_Click(); }); });

    // What is typed or pasted reaches the database exactly: a NUL is dropped and an unpaired surrogate
    // replaced as it enters a box, so that the box shows what a statement will carry.
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
            const QString clean = sql::CleanedText(text);
            if (clean == text) return;
            const int cursor = box->cursorPosition();
            box->setText(clean);
            box->setCursorPosition(std::min(cursor, int(clean.size())));
        });
    }

    // Escape is the hidden Cancel button's key.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { guarded([this] { cmdClose_Click(); }); });
}

bool frmESOA_Items::eventFilter(QObject* watched, QEvent* event) {
    const bool searchBox = watched == ui_.txtDesc || watched == ui_.txtSOADesc;
    if (searchBox && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        int keyAscii = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                           ? 13
                           : (key->text().isEmpty() ? 0 : key->text().front().unicode());
        if (keyAscii == 0) return QWidget::eventFilter(watched, event);
        if (watched == ui_.txtDesc) {
            guarded([this, &keyAscii] { search_->txtDesc_KeyPress(keyAscii); });
        } else {
            guarded([this, &keyAscii] { lists_->txtSOADesc_KeyPress(keyAscii); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmESOA_Items::setVisible(bool visible) {
    // The load runs as part of the first showing, before the window appears: messages raised by
    // it come first.
    if (visible && !loaded_) {
        loaded_ = true;
        guarded([this] { Form_Load(); });
        if (const QScreen* screen = this->screen()) FitInto(screen->availableGeometry());
        // The keyboard starts at step 1, the list choice.
        if (!focusWidget()) ui_.optTable->option(ui_.optTable->isSelected(0) ? 0 : 1)->setFocus();
    }
    QWidget::setVisible(visible);
}

void frmESOA_Items::FitInto(const QRect& available) {
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                   outer.bottom() - inner.bottom());
    if (frame.isNull() && !testAttribute(Qt::WA_WState_Created)) frame = kUsualFrame;
    const QSize room = available.size().shrunkBy(frame);
    resize(size().boundedTo(room).expandedTo(QSize(1, 1)));
    // Inside the available area, the frame included; a window that fills a dimension starts at its edge.
    const QSize whole = size().grownBy(frame);
    const int left = std::min(outer.left(), available.right() + 1 - whole.width());
    const int top = std::min(outer.top(), available.bottom() + 1 - whole.height());
    move(std::max(left, available.left()), std::max(top, available.top()));
}

void frmESOA_Items::Form_Load() {
    // One cause (the reference tables not created yet) would otherwise be reported by every list.
    ReportOnce reports(screen_);
    screen_.user.ZEMORAClasses().loadwinsettings(*this);
    status_->Prepare();

    const std::vector<ColumnWidths> widths{
        {ui_.Grid1, 0, {{0, 0}, {1, 800}, {2, 1800}, {3, 3000}}},
        {ui_.Grid2, 0, {{0, 800}, {1, 5200}, {2, 1200}, {3, 2500}}},
        {ui_.GridCat, 2, {{0, 3500}}},
        {ui_.GridRev, 5, {{0, 4000}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}},
        {ui_.GridRevCode, 2, {{0, 1100}, {1, 3500}}},
        {ui_.GridMap, 0, {{0, 0}, {2, 1500}, {3, 3000}, {7, 3000}}},
    };
    for (const ColumnWidths& grid : widths) {
        if (grid.cols > 0) grid.grid->setCols(grid.cols);
        for (const auto& [col, twips] : grid.widths) grid.grid->setColWidth(col, twips);
    }

    lists_->LoadCategories();
    lists_->LoadEsoaItems();
    source_->LoadRevenues();
    source_->LoadRevenueCodes();
    ui_.optTable->select(ReferenceList::Er().option);
    reports.ReportMissingTables();
    if (reports.ownTablesFailed()) {
        guide_.PointAtMaintenance();
    } else {
        guide_.ShowStepHint(0);
    }
}

void frmESOA_Items::Form_Resize() {
    // The mapping list takes the height the window gives it; a window too low for it leaves the
    // list at its last valid height.
    const int outerHeight = PxToTwips(frameGeometry().height(), this);
    // The status line below the design takes its own height from the list's.
    const int height = outerHeight - PxToTwips(ui_.GridMap->y(), this) - 900;
    const int pixels = TwipsToPx(height, this) - statusBar_->height();
    if (height >= 0 && pixels >= 0) ui_.GridMap->resize(ui_.GridMap->width(), pixels);
    // The surface holds the whole list wherever its height took it, so that scrolling reaches it.
    surface_->setMinimumSize(DesignSize(this).expandedTo(QSize(0, ui_.GridMap->geometry().bottom() + 1)));
}

void frmESOA_Items::lblMaint_Click() {
    ui_.fraMaint->setVisible(ui_.fraMaint->isHidden());
}

void frmESOA_Items::lblCoverage_Click() {
    const std::optional<ReferenceList> list = ReferenceList::OfTable(ui_.lblESOATableName->text());
    if (!list) return;
    assist::CoverageWindow* window = nullptr;
    {
        const BusyPointer busy(messages_);
        assist::Coverage coverage = assist::Coverage::Build(screen_.user.sqlconnection(), *list);
        // Withdrawn codes are those the reference files of the import folder no longer carry.
        coverage.MarkWithdrawn(screen_.user.sqlconnection(), import_->folder());
        window = new assist::CoverageWindow(std::move(coverage), this);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
}

QWidget* frmESOA_Items::lblHistory_Click() {
    const std::optional<ReferenceList> list = ReferenceList::OfTable(ui_.lblESOATableName->text());
    if (!list) return nullptr;
    auto* window = new HistoryWindow(screen_, *status_, *list, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    try {
        window->Reload();
    } catch (...) {
        delete window;
        throw;
    }
    window->show();
    return window;
}

void frmESOA_Items::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    try {
        Form_Resize();
    } catch (...) {
    }
}

void frmESOA_Items::closeEvent(QCloseEvent* event) {
    // Long work in progress stops after its current step; the window closes all the same.
    import_->RequestStop();
    bulk_->RequestStop();
    guarded([this] { screen_.user.ZEMORAClasses().Savewinsettings(*this); });
    event->accept();
}

}  // namespace esoa
