#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <set>

#include "window/frmESOA_Items.h"
#include "window/screen/Twips.h"
#include "window/support/FakeCurrentUser.h"
#include "window/support/RecordingMessages.h"

namespace esoa::test {
namespace {

QString CaptionOf(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (const auto* f = qobject_cast<const QGroupBox*>(w)) return f->title();
    if (const auto* t = qobject_cast<const QLineEdit*>(w)) return t->text();
    return QStringLiteral("<no caption>");
}

// The window as built, before its first showing runs the load.
class UnloadedScreen : public ::testing::Test {
protected:
    int px(int twips) const { return TwipsToPx(twips, &form); }
    QRect twips(int left, int top, int width, int height) const {
        return QRect(px(left), px(top), px(width), px(height));
    }
    // The controls of the window and of its frames, as the form lays them out.
    std::vector<QWidget*> Controls(const QWidget* container) const {
        std::vector<QWidget*> found;
        for (QWidget* w : container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (!w->objectName().isEmpty()) found.push_back(w);
        return found;
    }
    std::vector<QWidget*> Containers() { return {surface, c.Frame2, c.Frame3, c.fraMaint}; }
    std::vector<QWidget*> AllControls() {
        std::vector<QWidget*> all;
        for (const QWidget* container : Containers())
            for (QWidget* w : Controls(container)) all.push_back(w);
        return all;
    }

    TestDatabase db;
    FakeCurrentUser user{&db};
    RecordingMessages messages;
    frmESOA_Items form{user, messages};
    ScreenControls& c = form.controls();
    QWidget* surface = form.designSurface();
};

TEST_F(UnloadedScreen, OnlyTheStateHoldersAndMaintenanceStartHiddenAndNothingStartsDisabled) {
    std::set<QString> hidden;
    for (const QWidget* w : AllControls()) {
        if (w->isHidden()) hidden.insert(w->objectName());
        EXPECT_TRUE(w->isEnabled()) << qPrintable(w->objectName());
    }
    EXPECT_EQ(hidden, (std::set<QString>{"fraMaint", "cmdClose", "lblTableName", "lblTable", "lblIDFieldName",
                                         "lblExamFieldName"}));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("PHIC-ZEMORA Code Mapping"));
    EXPECT_EQ(form.objectName(), QStringLiteral("frmESOA_Items"));
    // The design, and the status line below it.
    EXPECT_EQ(form.size(), QSize(px(21825), px(13830) + form.statusBar()->sizeHint().height()));
}

TEST_F(UnloadedScreen, LockedBoxesAreGreyExceptTheItemSourceAndTheRestAreWhiteAndEditable) {
    const QColor grey = QApplication::palette().color(QPalette::Button);
    const struct {
        QLineEdit* box;
        bool locked;
        QColor back;
    } boxes[] = {{c.txtChargingUnit, true, grey},  {c.txtFixedFee, true, grey},
                 {c.txtESOACode, true, grey},      {c.txtESOADesc, true, grey},
                 {c.txtZEMORAItemID, true, grey},  {c.txtZEMORAitemDesc, true, grey},
                 {c.txtType, true, Qt::white},     {c.txtSectionID, false, Qt::white},
                 {c.txtRevID, false, Qt::white},   {c.txtDesc, false, Qt::white},
                 {c.txtGeneric, false, Qt::white}, {c.txtSOADesc, false, Qt::white},
                 {c.txtAreaCat, false, Qt::white}};
    for (const auto& b : boxes) {
        EXPECT_EQ(b.box->isReadOnly(), b.locked) << qPrintable(b.box->objectName());
        EXPECT_EQ(b.box->palette().color(QPalette::Base), b.back) << qPrintable(b.box->objectName());
    }
    EXPECT_NE(grey, QColor(Qt::white));
}

TEST_F(UnloadedScreen, EveryControlHasItsDesignCaptionAndContainer) {
    QWidget* w = surface;
    const struct {
        QWidget* control;
        QWidget* in;
        const char* caption;
    } design[] = {
        // clang-format off
        {c.cmdInst, w, "<---Select"}, {c.cmdMapAll, w, "Map ALL Listed"}, {c.txtGeneric, w, ""},
        {c.fraMaint, w, "Maintenance"}, {c.cmdCreateTable, c.fraMaint, "a. Create Tables"},
        {c.cmdScan, c.fraMaint, "b. Scan && Import"}, {c.cmdDelete, w, "Delete map"},
        {c.cmdPreview, w, "&Search"}, {c.txtDesc, w, ""}, {c.Frame3, w, "1. Select Type"},
        {c.optTable->option(1), c.Frame3, "PHIC ER Item"}, {c.optTable->option(0), c.Frame3, "ESOA ITEM"},
        {c.lblTableName, c.Frame3, "ESOA_ITEM"}, {c.lblESOATableName, c.Frame3, "ESOA_ITEM"},
        {c.txtAreaCat, w, ""}, {c.txtSOADesc, w, ""}, {c.cmdSearchSOAItem, w, "Sea&rch"},
        {c.Frame2, w, "4. Search and Link ZEMORA Item/Procedure and Save"}, {c.txtChargingUnit, c.Frame2, ""},
        {c.txtFixedFee, c.Frame2, ""}, {c.txtESOACode, c.Frame2, ""}, {c.txtESOADesc, c.Frame2, ""},
        {c.txtZEMORAItemID, c.Frame2, ""}, {c.cmdUse, c.Frame2, "use"}, {c.txtSectionID, c.Frame2, ""},
        {c.optInventory->option(1), c.Frame2, "Procedure"}, {c.optInventory->option(0), c.Frame2, "Inventory"},
        {c.txtType, c.Frame2, "INV"}, {c.txtRevID, c.Frame2, ""}, {c.cmdEdit, c.Frame2, "5. Sa&ve Mapping"},
        {c.txtZEMORAitemDesc, c.Frame2, ""}, {c.lblS, c.Frame2, "SectionID"}, {c.Label5, c.Frame2, "Type"},
        {c.Label10, c.Frame2, "ZEMORA Item"}, {c.Label9, c.Frame2, "PHIC Item"}, {c.Label2, c.Frame2, "RevID"},
        {c.cmdClose, w, "Close"}, {c.Label12, w, "ZEMORA Table"}, {c.lblG, w, "&Generic"},
        {c.Label11, w, "Revenue Codes"}, {c.Label8, w, "Mapping"}, {c.Label3, w, "S&earch"},
        {c.lblTable, w, ""}, {c.lblExamFieldName, w, ""}, {c.lblIDFieldName, w, ""},
        {c.Label4, w, "2. Select Category of Department"}, {c.Label7, w, "3. Philhealth Table"},
        {c.lblMaint, w, "Maintenance..."}, {c.Label6, w, "S&earch"}, {c.Label1, w, "Category"}
        // clang-format on
    };
    for (const auto& d : design) {
        EXPECT_EQ(CaptionOf(d.control), QString::fromLatin1(d.caption))
            << qPrintable(d.control->objectName());
        EXPECT_EQ(d.control->parentWidget(), d.in) << qPrintable(d.control->objectName());
    }
    for (FlexGrid* grid : {c.GridCat, c.Grid1, c.Grid2, c.GridRev, c.GridRevCode, c.GridMap}) {
        EXPECT_EQ(grid->parentWidget(), w);
        EXPECT_EQ(grid->Rows(), 2) << qPrintable(grid->objectName());
        EXPECT_EQ(grid->Cols(), 2) << qPrintable(grid->objectName());
    }
    EXPECT_TRUE(c.optTable->isSelected(0));
    EXPECT_FALSE(c.optTable->isSelected(1));
    EXPECT_FALSE(c.optInventory->isSelected(0));
    EXPECT_FALSE(c.optInventory->isSelected(1));
}

TEST_F(UnloadedScreen, ControlsThatCodeMovesOrMeasuresSitAtTheirDesignRectangles) {
    const struct {
        QWidget* control;
        QRect at;
    } rects[] = {
        {c.Frame3, twips(120, 240, 2895, 2175)},     {c.GridCat, twips(3120, 360, 5055, 2055)},
        {c.Frame2, twips(8280, 240, 7575, 2175)},    {c.fraMaint, twips(15960, 240, 3750, 1950)},
        {c.GridRev, twips(17520, 240, 4095, 3195)},  {c.GridRevCode, twips(17520, 3480, 4095, 7755)},
        {c.Grid1, twips(120, 3480, 8055, 7755)},     {c.Grid2, twips(8280, 3480, 9135, 7755)},
        {c.GridMap, twips(120, 11640, 21495, 2595)}, {c.cmdInst, twips(6120, 11880, 2535, 495)},
    };
    for (const auto& r : rects) EXPECT_EQ(r.control->geometry(), r.at) << qPrintable(r.control->objectName());
}

// A layout mistake shows as controls covering each other or captions cut short; the fonts here
// are the platform's fallback, wider than the design font, so fitting them fits the design font too.
TEST_F(UnloadedScreen, NoVisibleControlsOverlapAndEveryCaptionFits) {
    for (QWidget* container : Containers()) {
        container->ensurePolished();
        std::vector<QWidget*> shown;
        for (QWidget* w : Controls(container))
            if (!w->isHidden() && w != c.cmdInst) shown.push_back(w);
        for (size_t i = 0; i < shown.size(); ++i)
            for (size_t j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << qPrintable(shown[i]->objectName()) << " overlaps "
                    << qPrintable(shown[j]->objectName());
        if (container != surface) {
            // Inside a frame nothing covers its caption or its border.
            for (QWidget* w : shown)
                EXPECT_TRUE(container->contentsRect().contains(w->geometry()))
                    << qPrintable(w->objectName()) << " leaves " << qPrintable(container->objectName());
        }
    }
    for (QWidget* w : AllControls()) {
        if (w->isHidden() && w != c.fraMaint) continue;
        w->ensurePolished();
        const QFontMetrics fm(w->font());
        QSize needed;
        if (qobject_cast<QPushButton*>(w)) {
            // The button's own frame and margin take a few pixels on each side.
            const QString shown = QString(CaptionOf(w))
                                      .replace(QStringLiteral("&&"), QStringLiteral("\1"))
                                      .remove(QLatin1Char('&'));
            needed = QSize(fm.horizontalAdvance(shown) + 8, fm.height() + 4);
        } else if (qobject_cast<QRadioButton*>(w) || qobject_cast<QLabel*>(w)) {
            needed = w->sizeHint();
        } else if (qobject_cast<QGroupBox*>(w)) {
            needed = QSize(w->minimumSizeHint().width(), 0);
        } else {
            continue;
        }
        EXPECT_LE(needed.width(), w->width()) << qPrintable(w->objectName()) << " cuts its caption short";
        EXPECT_LE(needed.height(), w->height()) << qPrintable(w->objectName()) << " cuts its caption short";
    }
}

// The window as the user first sees it: shown on an empty database (the load's messages are
// only recorded).
class ShownScreen : public UnloadedScreen {
protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void ResizeClient(int height) {
        form.resize(form.width(), height);
        QApplication::processEvents();
        ASSERT_EQ(form.height(), height);
    }
    int OuterTwips() const { return PxToTwips(form.frameGeometry().height(), &form); }
};

TEST_F(ShownScreen, AccessKeysClickTheirButtonOrFocusTheBoxBesideTheirLabel) {
    const auto alt = [](Qt::Key key) { return QKeySequence(Qt::ALT | key); };
    EXPECT_EQ(QKeySequence::mnemonic(c.cmdEdit->text()), alt(Qt::Key_V));
    EXPECT_EQ(QKeySequence::mnemonic(c.cmdPreview->text()), alt(Qt::Key_S));
    EXPECT_EQ(QKeySequence::mnemonic(c.cmdSearchSOAItem->text()), alt(Qt::Key_R));
    EXPECT_EQ(QKeySequence::mnemonic(c.lblG->text()), alt(Qt::Key_G));
    EXPECT_EQ(QKeySequence::mnemonic(c.Label6->text()), alt(Qt::Key_E));
    // A doubled ampersand is shown as one and gives no access key.
    EXPECT_TRUE(QKeySequence::mnemonic(c.cmdScan->text()).isEmpty());
    QAccessibleInterface* scan = QAccessible::queryAccessibleInterface(c.cmdScan);
    ASSERT_NE(scan, nullptr);
    EXPECT_EQ(scan->text(QAccessible::Name), QStringLiteral("b. Scan & Import"));

    QSignalSpy saves(c.cmdEdit, &QPushButton::clicked);
    QTest::keyClick(&form, Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(saves.count() == 1 || saves.wait(1000));

    // Both search labels share Alt+E: each press moves to the next of their boxes.
    std::set<QWidget*> reached;
    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(&form, Qt::Key_E, Qt::AltModifier);
        reached.insert(QApplication::focusWidget());
    }
    EXPECT_EQ(reached, (std::set<QWidget*>{c.txtSOADesc, c.txtDesc}));
}

TEST_F(ShownScreen, MappingGridHeightFollowsTheWindowHeightAndNothingElseMoves) {
    const int frameExtra = form.frameGeometry().height() - form.height();
    std::map<QWidget*, QRect> before;
    for (QWidget* w : AllControls()) before[w] = w->geometry();

    // The status line below the design takes its height from the grid's.
    const int status = form.statusBar()->height();
    ResizeClient(px(13500));
    EXPECT_EQ(c.GridMap->height(), px(OuterTwips() - 11640 - 900) - status);
    EXPECT_EQ(c.GridMap->height(), px(13500 - 11640 - 900) + frameExtra - status);
    const int lastValid = c.GridMap->height();

    // Too low for the grid: it keeps its last valid height.
    ResizeClient(px(11640 + 900) - frameExtra + status - 1);
    EXPECT_EQ(c.GridMap->height(), lastValid);
    // Exactly the grid's top plus the allowance leaves it no height at all.
    ResizeClient(px(11640 + 900) - frameExtra + status);
    EXPECT_EQ(c.GridMap->height(), 0);

    form.resize(px(30000), px(16000));
    QApplication::processEvents();
    EXPECT_EQ(c.GridMap->height(), px(OuterTwips() - 11640 - 900) - status);
    EXPECT_EQ(c.GridMap->width(), px(21495));
    for (const auto& [w, rect] : before) {
        if (w == c.GridMap) {
            EXPECT_EQ(w->pos(), rect.topLeft());
        } else {
            EXPECT_EQ(w->geometry(), rect) << qPrintable(w->objectName()) << " moved";
        }
    }
}

TEST_F(ShownScreen, MaintenanceLinkTogglesTheMaintenanceFrame) {
    EXPECT_TRUE(c.lblMaint->font().underline());
    EXPECT_EQ(c.lblMaint->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(c.lblMaint->palette().color(QPalette::WindowText),
              c.lblMaint->palette().color(QPalette::Highlight));
    ASSERT_FALSE(c.fraMaint->isVisible());
    QTest::mouseClick(c.lblMaint, Qt::LeftButton);
    EXPECT_TRUE(c.fraMaint->isVisible());
    EXPECT_TRUE(c.cmdScan->isVisible());
    QTest::mouseClick(c.lblMaint, Qt::LeftButton);
    EXPECT_FALSE(c.fraMaint->isVisible());
    EXPECT_TRUE(c.cmdClose->isHidden());
}

// One option group on its own, so that no handler of the window reacts to its clicks.
class OptionGroupTest : public ::testing::Test {
protected:
    void SetUp() override {
        group.add(new QRadioButton(QStringLiteral("Inventory"), &frame));
        group.add(new QRadioButton(QStringLiteral("Procedure"), &frame));
        group.option(1)->move(0, 40);
        frame.resize(200, 80);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }
    void UserClicks(int index) {
        QRadioButton* o = group.option(index);
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(5, o->height() / 2));
    }
    QWidget frame;
    OptionGroup group;
    QSignalSpy clicks{&group, &OptionGroup::Click};
};

TEST_F(OptionGroupTest, SelectingFromCodeRaisesClickOnlyForANewSelection) {
    group.select(1);
    group.select(1);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 1);
    group.select(0);
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks.at(1).at(0).toInt(), 0);
    EXPECT_TRUE(group.isSelected(0));
    EXPECT_FALSE(group.isSelected(1));
    EXPECT_THROW(group.select(2), std::out_of_range);
}

TEST_F(OptionGroupTest, UserClicksSelectOneOptionAndRaiseClickOnlyWhenItChanges) {
    UserClicks(0);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 0);
    UserClicks(0);  // already selected: stays selected, raises nothing
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(group.isSelected(0));
    UserClicks(1);
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks.at(1).at(0).toInt(), 1);
    EXPECT_TRUE(group.isSelected(1));
    EXPECT_FALSE(group.isSelected(0));
}

}  // namespace
}  // namespace esoa::test
