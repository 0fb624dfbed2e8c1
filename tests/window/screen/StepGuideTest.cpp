#include <gtest/gtest.h>

#include <QTest>
#include <climits>

#include "core/demo/DemoDatabase.h"
#include "window/screen/Twips.h"
#include "window/frmESOA_Items.h"
#include "window/support/FakeCurrentUser.h"
#include "window/support/RecordingMessages.h"

namespace esoa::test {
namespace {

struct Step {
    int left;  // twips
    int top;
    const char* hint;
};
const Step kSteps[] = {
    {6240, 1080, "<-Click Category."},
    {5760, 3000, "<-Search and Select PhilHealth Item."},
    {19800, 120, "<-Select Revenue."},
    {14400, 2760, "<-Search ZEMORA Item"},
    {14400, 3760, "<-Select ZEMORA Item"},
    {15960, 1800, "<-Verify and Save Mapping"},
    {6120, 11880, "<-Done. Mapped items displayed here"},
};

// The window shown on the demo hospital, so that its revenue list can be clicked.
class StepGuideTest : public ::testing::Test {
protected:
    void SetUp() override {
        demo::Seed(db.connection());
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    QPoint At(const Step& step) const {
        return QPoint(TwipsToPx(step.left, &form), TwipsToPx(step.top, &form));
    }
    void ExpectAtStep(int step) {
        EXPECT_EQ(pointer->pos(), At(kSteps[step])) << "step " << step;
        EXPECT_EQ(pointer->text(), QString::fromLatin1(kSteps[step].hint)) << "step " << step;
    }

    TestDatabase db;
    FakeCurrentUser user{&db};
    RecordingMessages messages;
    frmESOA_Items form{user, messages};
    QPushButton* pointer = form.controls().cmdInst;
    const QSize designSize{TwipsToPx(2535, &form), TwipsToPx(495, &form)};
};

TEST_F(StepGuideTest, EachStepMovesThePointerNextToItsControlWithTheWholeHintShown) {
    EXPECT_TRUE(pointer->isVisible());
    for (int step = 0; step <= 6; ++step) {
        form.guide().ShowStepHint(step);
        ExpectAtStep(step);
        EXPECT_TRUE(pointer->isVisible());
        EXPECT_EQ(pointer->height(), designSize.height());
        EXPECT_GE(pointer->width(), designSize.width());
        EXPECT_GE(pointer->width(), pointer->sizeHint().width()) << "step " << step << " cuts its hint";
    }
    // A short hint after a long one gives the pointer back its design width.
    form.guide().ShowStepHint(0);
    EXPECT_EQ(pointer->size(), designSize);
}

TEST_F(StepGuideTest, NumbersOutsideTheStepsChangeNothing) {
    form.guide().ShowStepHint(4);
    const QRect place = pointer->geometry();
    for (int step : {-1, 8, 100, INT_MIN, INT_MAX}) {
        form.guide().ShowStepHint(step);
        EXPECT_EQ(pointer->geometry(), place) << step;
        ExpectAtStep(4);
        EXPECT_TRUE(pointer->isVisible()) << step;
    }
}

TEST_F(StepGuideTest, StepSevenHidesThePointerForGoodWhileLaterStepsStillMoveIt) {
    form.guide().ShowStepHint(5);
    form.guide().ShowStepHint(7);
    EXPECT_FALSE(pointer->isVisible());
    ExpectAtStep(5);
    form.guide().ShowStepHint(3);
    EXPECT_FALSE(pointer->isVisible());
    ExpectAtStep(3);
    form.guide().ShowStepHint(0);
    EXPECT_FALSE(pointer->isVisible());
}

TEST_F(StepGuideTest, AClickOnThePointerHidesItAndAGridClickDoesNotBringItBack) {
    QTest::mouseClick(pointer, Qt::LeftButton);
    EXPECT_FALSE(pointer->isVisible());
    FlexGrid* revenues = form.controls().GridRev;
    ASSERT_GE(revenues->Rows(), 2);
    const QPoint firstRow = revenues->visualRect(revenues->model()->index(0, 0)).center();
    QTest::mouseClick(revenues->viewport(), Qt::LeftButton, {}, firstRow);
    ExpectAtStep(3);  // the revenue click's hint, moved unseen
    EXPECT_FALSE(pointer->isVisible());
}

}  // namespace
}  // namespace esoa::test
