#include "window/review/ReviewWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>

#include "core/history/HistoryLog.h"
#include "core/review/AcceptedLinks.h"
#include "database/CodeKey.h"
#include "window/history/ChangeStatus.h"
#include "window/review/CandidateChoice.h"
#include "window/review/ReviewRanking.h"
#include "window/screen/EventGuard.h"
#include "window/screen/Screen.h"

namespace esoa {
namespace {

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

ReviewWindow::ReviewWindow(Screen& screen, ChangeStatus& status, ReferenceList list,
                           std::optional<QString> category, std::function<void()> saved, QWidget* parent)
    : QDialog(parent),
      s_(screen),
      changes_(status),
      list_(std::move(list)),
      saved_(std::move(saved)),
      model_(this),
      category_(new QComboBox(this)),
      table_(new QTableView(this)),
      progress_(new QProgressBar(this)),
      cancel_(NewButton(this, "cancelRanking", QStringLiteral("Ca&ncel"))),
      acceptConfident_(NewButton(this, "acceptConfident", QStringLiteral("Accept all &confident"))),
      more_(NewButton(this, "more", QStringLiteral("&More..."))),
      save_(NewButton(this, "saveAccepted", QStringLiteral("Sa&ve accepted"))),
      status_(new QLabel(this)) {
    setObjectName(QStringLiteral("ReviewWindow"));
    setWindowTitle(QStringLiteral("Review of %1").arg(list_.table));

    category_->setObjectName(QStringLiteral("category"));
    category_->addItem(QStringLiteral("All categories"));
    for (const QString& c : assist::ReviewQueue::Categories(s_.user.sqlconnection(), list_))
        category_->addItem(c.isEmpty() ? QStringLiteral("-") : c, c);
    if (category) {
        const QString wanted = *category == QLatin1String("-") ? QString() : *category;
        for (int i = 1; i < category_->count(); ++i)
            if (category_->itemData(i).toString() == wanted) shownCategory_ = i;
    }
    category_->setCurrentIndex(shownCategory_);
    auto* categoryLabel = new QLabel(QStringLiteral("Ca&tegory"), this);
    categoryLabel->setBuddy(category_);

    table_->setObjectName(QStringLiteral("codes"));
    table_->setAccessibleName(QStringLiteral("Codes to review"));
    table_->setModel(&model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    const std::pair<int, int> widths[] = {{ReviewModel::Code, 80},      {ReviewModel::Description, 230},
                                          {ReviewModel::ItemId, 55},    {ReviewModel::ItemName, 230},
                                          {ReviewModel::Source, 100},   {ReviewModel::Score, 50},
                                          {ReviewModel::Confident, 70}, {ReviewModel::RunnerUp, 230}};
    for (const auto& [column, width] : widths) table_->setColumnWidth(column, width);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->installEventFilter(this);
    // The reviewer starts in the list: Enter accepts at once.
    table_->setFocus();

    progress_->setObjectName(QStringLiteral("progress"));
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    auto* keys = new QLabel(
        QStringLiteral("Enter: accept and next   Space or S: skip   R or a click on the runner-up: take it "
                       "instead"),
        this);
    auto* close = NewButton(this, "close", QStringLiteral("Close"));

    auto* top = new QHBoxLayout;
    top->addWidget(categoryLabel);
    top->addWidget(category_, 1);
    top->addWidget(progress_, 2);
    top->addWidget(cancel_);
    auto* bottom = new QHBoxLayout;
    for (QPushButton* b : {acceptConfident_, more_, save_}) bottom->addWidget(b);
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addWidget(keys);
    layout->addWidget(status_);
    layout->addLayout(bottom);
    QWidget* const order[] = {category_, cancel_, table_, acceptConfident_, more_, save_, close};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(category_, &QComboBox::activated, this, [this] { Guarded([this] { CategoryChosen(); }); });
    connect(table_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == ReviewModel::RunnerUp) Guarded([this, index] { PickRunnerUp(index.row()); });
    });
    connect(cancel_, &QPushButton::clicked, this, [this] { CancelRanking(); });
    connect(acceptConfident_, &QPushButton::clicked, this,
            [this] { Guarded([this] { AcceptAllConfident(); }); });
    connect(more_, &QPushButton::clicked, this, [this] { Guarded([this] { ShowMore(); }); });
    connect(save_, &QPushButton::clicked, this, [this] { Guarded([this] { SaveAccepted(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(&model_, &QAbstractItemModel::dataChanged, this, [this] { ShowStatus(); });
    resize(1200, 640);
    UpdateButtons();
}

ReviewWindow::~ReviewWindow() = default;

template <typename Handler>
void ReviewWindow::Guarded(Handler&& handler) {
    esoa::Guarded(s_.messages, std::forward<Handler>(handler));
}

bool ReviewWindow::ranking() const {
    return ranking_ && ranking_->running();
}

void ReviewWindow::Rank() {
    ranking_.reset();  // cancels and waits for a ranking under way
    UpdateButtons();
    model_.Clear();
    total_ = 0;
    rankingNote_.clear();
    progress_->setValue(0);
    assist::ReviewQueue::Filter filter;
    if (category_->currentIndex() > 0) filter.category = category_->currentData().toString();
    std::unique_ptr<assist::ReviewQueue> queue;
    {
        const BusyPointer busy(s_.messages);
        queue = assist::ReviewQueue::Read(s_.user.sqlconnection(), list_, filter);
    }
    total_ = int(queue->size());
    rankingNote_ = queue->notes().join(QLatin1Char('\n'));
    progress_->setRange(0, std::max(total_, 1));
    ranking_ = std::make_unique<ReviewRanking>(std::move(queue));
    connect(ranking_.get(), &ReviewRanking::Ranked, this,
            [this](const std::vector<assist::ReviewRow>& rows, int done, int) {
                const bool first = model_.size() == 0;
                model_.Append(rows);
                progress_->setValue(done);
                if (first) MoveTo(0);
                ShowStatus();
            });
    connect(ranking_.get(), &ReviewRanking::Finished, this, [this](bool cancelled, const QString& error) {
        QStringList notes;
        if (!error.isEmpty())
            notes << QStringLiteral("Ranking stopped: %1").arg(error);
        else if (cancelled)
            notes << QStringLiteral("Ranking cancelled after %1 of %2 codes.").arg(model_.size()).arg(total_);
        if (!rankingNote_.isEmpty()) notes << rankingNote_;
        rankingNote_ = notes.join(QLatin1Char('\n'));
        progress_->setValue(progress_->maximum());
        UpdateButtons();
        ShowStatus();
    });
    ranking_->Start();
    UpdateButtons();
    ShowStatus();
}

void ReviewWindow::CancelRanking() {
    if (ranking_) ranking_->Cancel();
}

int ReviewWindow::CurrentRow() const {
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ReviewWindow::MoveTo(int row) {
    if (row < 0 || row >= model_.size()) return;
    const int column = std::max(0, table_->currentIndex().column());
    table_->setCurrentIndex(model_.index(row, column));
    table_->scrollTo(table_->currentIndex());
}

void ReviewWindow::AcceptCurrent() {
    const int row = CurrentRow();
    if (row < 0) return;
    // A code without a candidate has nothing to accept: it is passed over.
    model_.SetState(row,
                    model_.entry(row).chosen ? ReviewModel::State::Accepted : ReviewModel::State::Skipped);
    MoveTo(row + 1);
}

void ReviewWindow::SkipCurrent() {
    const int row = CurrentRow();
    if (row < 0) return;
    model_.SetState(row, ReviewModel::State::Skipped);
    MoveTo(row + 1);
}

void ReviewWindow::PickRunnerUp(int row) {
    if (row < 0 || row >= model_.size()) return;
    const std::optional<assist::ReviewPick> alternative = model_.entry(row).alternative();
    if (alternative) model_.Choose(row, *alternative);
}

void ReviewWindow::ShowMore() {
    const int row = CurrentRow();
    if (row < 0 || ranking()) return;
    const QList<assist::ReviewPick> picks = ranking_->queue().Ranked(row, 50);
    auto* choice = new CandidateChoice(model_.entry(row).row.code, picks, this);
    choice->setAttribute(Qt::WA_DeleteOnClose);
    connect(choice, &CandidateChoice::Picked, this, [this, row](const assist::ReviewPick& pick) {
        model_.Choose(row, pick);
        MoveTo(row);
    });
    choice->open();
}

void ReviewWindow::AcceptAllConfident() {
    const std::vector<int> rows = model_.OpenConfident();
    if (rows.empty()) {
        s_.messages.Show(QStringLiteral("No confident suggestion is left to accept."));
        return;
    }
    const QString question =
        QStringLiteral(
            "Accept the %1 confident suggestions not decided yet? \"Save accepted\" then writes "
            "%1 links to %2 (and those accepted before).")
            .arg(rows.size())
            .arg(list_.linkTable());
    if (!s_.messages.Ask(question)) return;
    model_.SetState(rows, ReviewModel::State::Accepted);
}

void ReviewWindow::SaveAccepted() {
    const std::vector<int> rows = model_.Accepted();
    if (rows.empty()) {
        s_.messages.Show(QStringLiteral(
            "No suggestion is accepted yet: accept codes with Enter or \"Accept all confident\"."));
        return;
    }
    std::vector<assist::AcceptedLink> accepted;
    for (const int row : rows)
        accepted.push_back({model_.entry(row).row.code, model_.entry(row).chosen->item});
    assist::AcceptedOutcome outcome;
    history::Action action = changes_.NewAction(history::Kind::Review, list_);
    try {
        const BusyPointer busy(s_.messages);
        outcome = assist::WriteAcceptedLinks(action, accepted);
    } catch (const DbError& e) {
        // The links are written all or none: the accepted codes stay accepted, to be saved again
        // once the one refused is skipped or given another item.
        s_.messages.Show(QStringLiteral("None of the %1 accepted links was saved.\n\n%2")
                             .arg(accepted.size())
                             .arg(e.description()));
        return;
    }
    if (!outcome.written.empty())
        changes_.Done(QStringLiteral("%1 reviewed links saved to %2")
                          .arg(outcome.written.size())
                          .arg(list_.linkTable()),
                      action);
    std::vector<int> written;
    for (const int i : outcome.written) written.push_back(rows[size_t(i)]);
    model_.SetState(written, ReviewModel::State::Saved);
    if (saved_ && !outcome.written.empty()) saved_();
    QString text = QStringLiteral("%1 links saved to %2.").arg(outcome.written.size()).arg(list_.linkTable());
    if (!outcome.leftOut.isEmpty())
        text += QStringLiteral("\n\n%1 not saved (link them on the mapping screen if they are meant):\n%2")
                    .arg(outcome.leftOut.size())
                    .arg(outcome.leftOut.join(QLatin1Char('\n')));
    s_.messages.Show(text);
}

void ReviewWindow::Undone(const history::RecordedAction& undone) {
    if (undone.kind != history::Word(history::Kind::Review) ||
        undone.linkTable.compare(list_.linkTable(), Qt::CaseInsensitive) != 0)
        return;
    QSet<CodeKey> codes;
    for (const history::RecordedRow& r : undone.rows)
        if (r.isLink()) codes.insert(CodeKey(r.Code()));
    std::vector<int> rows;
    for (int r = 0; r < model_.size(); ++r)
        if (codes.contains(CodeKey(model_.entry(r).row.code.code))) rows.push_back(r);
    model_.Reopen(rows);
}

bool ReviewWindow::MayDiscard(const QString& doing) {
    const int unsaved = model_.Count(ReviewModel::State::Accepted);
    return unsaved == 0 ||
           s_.messages.Ask(QStringLiteral("%1 accepted links are not saved yet. %2 without saving them?")
                               .arg(unsaved)
                               .arg(doing));
}

void ReviewWindow::CategoryChosen() {
    if (category_->currentIndex() == shownCategory_) return;
    if (!MayDiscard(QStringLiteral("Review another category"))) {
        category_->setCurrentIndex(shownCategory_);
        return;
    }
    shownCategory_ = category_->currentIndex();
    Rank();
}

void ReviewWindow::ShowStatus() {
    QString text = ranking() ? QStringLiteral("%1 of %2 codes ranked.").arg(model_.size()).arg(total_)
                             : QStringLiteral("%1 codes to review.").arg(model_.size());
    int confident = 0;
    for (int r = 0; r < model_.size(); ++r) confident += model_.entry(r).row.confident ? 1 : 0;
    text += QStringLiteral(" Confident: %1, accepted: %2, skipped: %3, saved: %4.")
                .arg(confident)
                .arg(model_.Count(ReviewModel::State::Accepted))
                .arg(model_.Count(ReviewModel::State::Skipped))
                .arg(model_.Count(ReviewModel::State::Saved));
    if (!rankingNote_.isEmpty()) text += QLatin1Char('\n') + rankingNote_;
    status_->setText(text);
}

void ReviewWindow::UpdateButtons() {
    const bool running = ranking();
    cancel_->setEnabled(running);
    more_->setEnabled(!running && ranking_ != nullptr);
}

bool ReviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
            return QDialog::eventFilter(watched, event);
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                Guarded([this] { AcceptCurrent(); });
                return true;
            case Qt::Key_Space:
            case Qt::Key_S:
                Guarded([this] { SkipCurrent(); });
                return true;
            case Qt::Key_R:
                Guarded([this] { PickRunnerUp(CurrentRow()); });
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ReviewWindow::reject() {
    close();
}

void ReviewWindow::closeEvent(QCloseEvent* event) {
    if (!MayDiscard(QStringLiteral("Close"))) {
        event->ignore();
        return;
    }
    CancelRanking();
    event->accept();
}

}  // namespace esoa
