#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include "window/screen/Twips.h"
#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

// The sample lists shown and the window active, so that keys reach the focused control.
class ActiveWindow : public ::testing::Test {
protected:
    void SetUp() override {
        w.form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form()));
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_NE(Focused(), nullptr);
        QTest::keyClick(Focused(), key, modifiers);
    }
    // Tabs on until `target` has the focus; fails after a whole round of the window.
    void TabTo(QWidget* target) {
        for (int presses = 0; presses < 60 && Focused() != target; ++presses) Press(Qt::Key_Tab);
        ASSERT_EQ(Focused(), target) << qPrintable(target->objectName()) << " is never reached by Tab";
    }

    MappingWindow w;
    ScreenControls& ui = w.ui();
};

TEST_F(ActiveWindow, TabFollowsTheNumberedStepsAndEveryStopIsNamedForAScreenReader) {
    w.OpenMaintenance();
    QStringList steps{
        "optTable_0",       "optTable_1",  "GridCat",        "txtAreaCat",     "txtSOADesc",  // 1, 2, 3
        "cmdSearchSOAItem", "chkUnlinked", "Grid1",          "cmdUse",         "txtDesc",
        "cmdPreview",       "cmdSuggest",  "txtGeneric",       "Grid2",       "optInventory_0", "optInventory_1", "txtRevID",   // 4
        "txtSectionID",     "cmdEdit",     "GridMap",        "cmdDelete",      "cmdMapAll",  // 5
        "GridRev",          "GridRevCode", "lblMaint",       "cmdCreateTable", "cmdScan",
        "cmdPreviewChanges", "cmdApplyChanges", "cmdCheckLinks", "cmdExportLinks", "lblCoverage",
        "lblHistory",        "cmdInst",
    };
    // The generic-name box shows only for inventory searches; the ER list starts on procedures.
    steps.removeIf([&](const QString& name) { return !w.form().findChild<QWidget*>(name)->isVisible(); });
    ASSERT_EQ(steps.size(), 33);
    ui.optTable->option(0)->setFocus(Qt::TabFocusReason);
    QStringList reached{Focused()->objectName()};
    for (qsizetype press = 0; press < steps.size(); ++press) {
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(Focused());
        ASSERT_NE(shown, nullptr);
        EXPECT_FALSE(shown->text(QAccessible::Name).remove('&').trimmed().isEmpty())
            << qPrintable(Focused()->objectName()) << " has no name";
        Press(Qt::Key_Tab);
        reached << Focused()->objectName();
    }
    EXPECT_EQ(reached, steps + QStringList{steps.front()});  // and round again

    // Back the same way.
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Focused()->objectName(), steps.back());

    // Lists and boxes are named by the caption beside them.
    const std::pair<QWidget*, QString> captions[] = {
        {ui.GridCat, "2. Select Category of Department"},
        {ui.Grid1, "3. Philhealth Table"},
        {ui.Grid2, "ZEMORA Table"},
        {ui.GridRev, "Revenue Codes"},
        {ui.GridMap, "Mapping"},
        {ui.txtSOADesc, "Search"},
        {ui.txtAreaCat, "Category"},
        {ui.lblMaint, "Maintenance..."},
        {ui.lblCoverage, "Coverage..."},
        {ui.chkUnlinked, "Unlinked only"},
    };
    for (const auto& [widget, caption] : captions)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), caption);
}

TEST(Keyboard, CreateTablesIsReachedAndPressedFromTheKeyboardAlone) {
    MappingWindow w(MappingWindow::Tables::None);
    w.form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form()));
    ScreenControls& ui = w.ui();
    w.ClearLogs();

    auto focused = [] { return QApplication::focusWidget(); };
    ASSERT_NE(focused(), nullptr) << "the window opens with no control focused";
    const QImage unfocused = ui.lblMaint->grab().toImage();
    for (int presses = 0; presses < 60 && focused() != ui.lblMaint; ++presses)
        QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), ui.lblMaint);
    EXPECT_NE(ui.lblMaint->grab().toImage(), unfocused) << "the focus does not show on the link";

    QTest::keyClick(focused(), Qt::Key_Space);
    ASSERT_TRUE(ui.fraMaint->isVisible());
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), ui.cmdCreateTable);
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(w.messages.shown, QStringList{"Done."});
    EXPECT_EQ(w.Count("ESOA_ER"), 0);  // created, empty

    // Enter on the link closes the frame again; a screen reader's press does the same.
    QTest::keyClick(focused(), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focused(), ui.lblMaint);
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_FALSE(ui.fraMaint->isVisible());
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(ui.lblMaint);
    ASSERT_NE(link->actionInterface(), nullptr);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(ui.fraMaint->isVisible());
}

// Screens as laptops and desktops offer them (available geometry: the screen less its panels).
TEST(WindowFit, OpensInsideTheScreenWithEveryControlReachableByScrolling) {
    const struct {
        QRect available;
        bool wholeDesign;
    } screens[] = {
        {QRect(0, 0, 1920, 1040), true}, {QRect(0, 0, 1366, 728), false},  {QRect(0, 27, 1366, 741), false},
        {QRect(0, 0, 1280, 680), false}, {QRect(64, 0, 1216, 720), false},
    };
    MappingWindow w;
    frmESOA_Items& form = w.form();
    ScreenControls& ui = w.ui();
    w.OpenMaintenance();
    const QSize design(TwipsToPx(21825, &form), TwipsToPx(13830, &form));
    for (const auto& screen : screens) {
        const QRect& available = screen.available;
        SCOPED_TRACE(qPrintable(QStringLiteral("%1x%2").arg(available.width()).arg(available.height())));
        // As a window of the design size opens there, wherever it was last placed.
        form.resize(design);
        form.move(available.right() - 200, available.bottom() - 100);
        form.FitInto(available);
        QApplication::processEvents();
        EXPECT_TRUE(available.contains(form.frameGeometry())) << form.frameGeometry().x();
        if (screen.wholeDesign) {
            EXPECT_EQ(form.size(), design);
            continue;
        }
        EXPECT_EQ(form.frameGeometry().size(), available.size()) << "needlessly small";

        QScrollArea* scroll = form.scrollArea();
        const QRect viewport = scroll->viewport()->rect();
        QWidget* surface = form.designSurface();
        for (QWidget* control : surface->findChildren<QWidget*>()) {
            QWidget* container = control->parentWidget();
            const bool onForm = container == surface || qobject_cast<QGroupBox*>(container);
            if (!onForm || !control->isVisible() || control == ui.cmdInst) continue;
            // Scrolled to as a whole (a list's own scrolling would only bring its current row).
            const QPoint centre = control->mapTo(surface, control->rect().center());
            scroll->ensureVisible(centre.x(), centre.y(), control->width() / 2 + 1,
                                  control->height() / 2 + 1);
            QApplication::processEvents();
            const QRect seen = control->visibleRegion().boundingRect();
            if (control->width() <= viewport.width() && control->height() <= viewport.height()) {
                EXPECT_EQ(seen, control->rect()) << qPrintable(control->objectName()) << " cut off";
            } else {
                EXPECT_FALSE(seen.isEmpty()) << qPrintable(control->objectName()) << " out of reach";
            }
        }
        scroll->horizontalScrollBar()->setValue(0);
        scroll->verticalScrollBar()->setValue(0);
    }
}

}  // namespace
}  // namespace esoa::test
