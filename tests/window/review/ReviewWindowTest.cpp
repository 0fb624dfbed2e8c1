// The review window driven as a reviewer drives it: keys that accept, skip and move, the runner-up
// and the ranked list to choose another item, accepting every confident code, saving, and a long
// ranking cancelled.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "window/history/ChangeStatus.h"
#include "window/review/CandidateChoice.h"
#include "window/review/ReviewWindow.h"
#include "window/support/MappingWindow.h"

namespace esoa::test {
namespace {

using State = ReviewModel::State;

class Review : public ::testing::Test {
protected:
    // Opens the review of the ER list's `category` through its link on the mapping screen.
    ReviewWindow& Open(const QString& category) {
        w.ui().txtAreaCat->setText(category);
        QTest::mouseClick(w.ui().lblReview, Qt::LeftButton);
        auto* review = w.form().findChild<ReviewWindow*>();
        EXPECT_NE(review, nullptr);
        return *review;
    }
    static void WaitForRanking(const ReviewWindow& review) { QTRY_VERIFY_WITH_TIMEOUT(!review.ranking(), 20000); }
    static void Press(ReviewWindow& review, Qt::Key key) { QTest::keyClick(review.table(), key); }
    static QStringList States(const ReviewModel& model) {
        static const char* const names[] = {"open", "accepted", "skipped", "saved"};
        QStringList states;
        for (int r = 0; r < model.size(); ++r) states << names[int(model.entry(r).state)];
        return states;
    }
    // "code=item" of every link of the ER list that the demo did not make.
    QStringList Links() { return w.Rows("ESOA_ER_LINK", "Code,ItemID"); }

    MappingWindow w;  // opens on the ER list
};

TEST_F(Review, KeysAcceptSkipAndMoveAndSaveWritesExactlyTheAcceptedLinks) {
    w.AddLink("ESOA_ER_LINK", "ERT-0002", "PH", "1001");
    ReviewWindow& review = Open("Therapeutics");
    EXPECT_EQ(review.categoryBox()->currentText(), "Therapeutics");
    WaitForRanking(review);
    const ReviewModel& model = review.model();
    ASSERT_EQ(model.size(), w.Count("ESOA_ER", "Category='Therapeutics'") - 1) << "the linked code is left out";
    EXPECT_NE(model.entry(0).row.code.code, "ERT-0002");
    ASSERT_EQ(review.table()->currentIndex().row(), 0);

    // Enter accepts and moves on, Space and S skip, the arrows move, R takes the runner-up.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_S, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_R})
        Press(review, key);
    EXPECT_EQ(States(model).mid(0, 5), (QStringList{"accepted", "skipped", "skipped", "open", "accepted"}));
    EXPECT_EQ(review.table()->currentIndex().row(), 4);
    ASSERT_TRUE(model.entry(4).row.runnerUp);
    EXPECT_EQ(model.entry(4).chosen->item.itemId, model.entry(4).row.runnerUp->item.itemId);
    EXPECT_EQ(model.entry(4).alternative()->item.itemId, model.entry(4).row.best->item.itemId);
    EXPECT_EQ(model.data(model.index(4, ReviewModel::Confident)).toString(), "no") << "the confidence is the best one's";

    // A click on the runner-up of another code chooses it; the mouse elsewhere chooses nothing.
    const QRect runnerUp = review.table()->visualRect(review.model().index(6, ReviewModel::RunnerUp));
    const QRect code = review.table()->visualRect(review.model().index(7, ReviewModel::Code));
    QTest::mouseClick(review.table()->viewport(), Qt::LeftButton, {}, runnerUp.center());
    QTest::mouseClick(review.table()->viewport(), Qt::LeftButton, {}, code.center());
    EXPECT_EQ(States(model).mid(5, 3), (QStringList{"open", "accepted", "open"}));
    EXPECT_EQ(model.entry(6).chosen->item.itemId, model.entry(6).row.runnerUp->item.itemId);

    // An accepted item that left its source since it was ranked: one message, nothing written, the
    // codes still accepted.
    const QStringList before = Links();
    const QString gone = model.entry(4).chosen->item.itemId;
    ASSERT_EQ(model.entry(4).chosen->item.invOrProc, "INV");
    const QString elsewhere = QString::number(gone.toLongLong() + 900000);
    const auto renameItem = [this](const QString& from, const QString& to) {
        w.db.Raw(
            QStringLiteral("UPDATE Inventory.tbInvMaster SET ItemID = %1 WHERE ItemID = %2;").arg(to, from));
    };
    renameItem(gone, elsewhere);
    w.messages.shown.clear();
    QPushButton* save = review.findChild<QPushButton*>("saveAccepted");
    save->click();
    ASSERT_EQ(w.messages.shown.size(), 1);
    EXPECT_TRUE(w.messages.shown[0].startsWith(
        QStringLiteral("None of the 3 accepted links was saved.\n\n%1: Item %2 is not a row of")
            .arg(model.entry(4).row.code.code, gone)))
        << w.messages.shown[0].toStdString();
    EXPECT_EQ(Links(), before);
    EXPECT_EQ(model.Count(State::Accepted), 3);
    renameItem(elsewhere, gone);

    w.messages.shown.clear();
    QStringList expected = before;
    for (int row : {0, 4, 6}) expected << model.entry(row).row.code.code + "|" + model.entry(row).chosen->item.itemId;
    save->click();
    EXPECT_EQ(w.messages.shown, QStringList{"3 links saved to ESOA_ER_LINK."});
    EXPECT_EQ(Links(), expected);
    // One action of the history: the status line's Undo takes all three back.
    ChangeStatus& status = w.form().status();
    EXPECT_EQ(status.text(), "3 reviewed links saved to ESOA_ER_LINK - Undo");
    ASSERT_TRUE(status.shownAction());
    const qint64 saved = *status.shownAction();
    EXPECT_EQ(States(model).mid(0, 7),
              (QStringList{"saved", "skipped", "skipped", "open", "saved", "open", "saved"}));
    // Saved codes stay as saved: a key no longer changes them.
    review.table()->setCurrentIndex(model.index(0, 0));
    Press(review, Qt::Key_Space);
    EXPECT_EQ(States(model).front(), "saved");
    // Undone, the saved codes are open again.
    ASSERT_TRUE(status.UndoAction(saved));
    EXPECT_EQ(Links(), before);
    EXPECT_EQ(States(model).mid(0, 7),
              (QStringList{"open", "skipped", "skipped", "open", "open", "open", "open"}));
}

TEST_F(Review, AcceptAllConfidentAsksWithTheCountAndMoreChoosesFromTheRankedList) {
    ReviewWindow& review = Open("");  // every category
    EXPECT_EQ(review.categoryBox()->currentIndex(), 0);
    WaitForRanking(review);
    const ReviewModel& model = review.model();
    EXPECT_EQ(model.size(), w.Count("ESOA_ER"));
    int confident = 0;
    for (int r = 0; r < model.size(); ++r) confident += model.entry(r).row.confident ? 1 : 0;
    ASSERT_GT(confident, 0);
    ASSERT_LT(confident, model.size());

    QPushButton* acceptAll = review.findChild<QPushButton*>("acceptConfident");
    w.messages.askAnswer = false;
    acceptAll->click();
    ASSERT_EQ(w.messages.asked.size(), 1);
    EXPECT_TRUE(w.messages.asked[0].startsWith(QStringLiteral("Accept the %1 confident").arg(confident)))
        << w.messages.asked[0].toStdString();
    EXPECT_EQ(model.Count(State::Accepted), 0);
    w.messages.askAnswer = true;
    acceptAll->click();
    EXPECT_EQ(model.Count(State::Accepted), confident);
    for (int r = 0; r < model.size(); ++r)
        EXPECT_EQ(model.entry(r).state == State::Accepted, model.entry(r).row.confident) << r;

    // "More..." lists the code's ranked list; Enter on its third item chooses that one.
    int row = 0;
    while (row < model.size() && (model.entry(row).row.confident || !model.entry(row).row.runnerUp)) ++row;
    ASSERT_LT(row, model.size());
    review.table()->setCurrentIndex(model.index(row, 0));
    review.findChild<QPushButton*>("more")->click();
    auto* choice = review.findChild<CandidateChoice*>();
    ASSERT_NE(choice, nullptr);
    ASSERT_GE(choice->table()->rowCount(), 3);
    // With ESOA_SCREENSHOT set to a file name, the review is saved there, its ranked list beside it.
    if (const QString shot = qEnvironmentVariable("ESOA_SCREENSHOT"); !shot.isEmpty()) {
        EXPECT_TRUE(review.grab().save(shot));
        EXPECT_TRUE(choice->grab().save(shot + ".more.png"));
    }
    EXPECT_EQ(choice->table()->item(0, 1)->text(), model.entry(row).row.best->item.itemId);
    choice->table()->setCurrentCell(2, 0);
    QTest::keyClick(choice->table(), Qt::Key_Return);
    EXPECT_EQ(model.entry(row).state, State::Accepted);
    EXPECT_EQ(model.entry(row).chosen->item.itemId, choice->table()->item(2, 1)->text());

    // Closing with accepted links not saved asks; No keeps the window and its decisions.
    w.messages.askAnswer = false;
    w.messages.asked.clear();
    review.close();
    EXPECT_TRUE(review.isVisible());
    ASSERT_EQ(w.messages.asked.size(), 1);
    EXPECT_TRUE(w.messages.asked[0].startsWith(QStringLiteral("%1 accepted links are not saved").arg(confident + 1)));
}

TEST_F(Review, RankingThousandsOfCodesShowsProgressAndCanBeCancelled) {
    constexpr int kCodes = 3000;
    w.db.Raw(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < %1) "
                            "INSERT INTO Build_FIle.ESOA_ER (Code, Category, Description) SELECT 'BULK-' || i, "
                            "'Bulk', 'Paracetamol ' || i || ' mg tablet' FROM n")
                 .arg(kCodes));
    ReviewWindow& review = Open("Bulk");
    // The click is over while the codes are still being ranked.
    EXPECT_TRUE(review.ranking());
    EXPECT_EQ(review.findChild<QProgressBar*>("progress")->maximum(), kCodes);
    EXPECT_TRUE(review.findChild<QPushButton*>("cancelRanking")->isEnabled());
    review.findChild<QPushButton*>("cancelRanking")->click();
    WaitForRanking(review);
    EXPECT_LT(review.model().size(), kCodes);
    EXPECT_TRUE(review.status()->text().contains(
        QStringLiteral("Ranking cancelled after %1 of %2 codes.").arg(review.model().size()).arg(kCodes)))
        << review.status()->text().toStdString();
    EXPECT_FALSE(review.findChild<QPushButton*>("cancelRanking")->isEnabled());
    EXPECT_TRUE(review.findChild<QPushButton*>("more")->isEnabled());
}

}  // namespace
}  // namespace esoa::test
