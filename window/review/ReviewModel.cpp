#include "window/review/ReviewModel.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

#include "core/review/ReviewReport.h"

namespace esoa {
namespace {

QString Described(const std::optional<assist::ReviewPick>& pick) {
    if (!pick) return {};
    return QStringLiteral("%1 %2 (%3)")
        .arg(pick->item.itemId, pick->item.itemName)
        .arg(pick->score, 0, 'f', 3);
}

bool SameItem(const assist::ReviewPick& a, const assist::ReviewPick& b) {
    return a.item.itemId == b.item.itemId && a.item.revenueId == b.item.revenueId &&
           a.item.sectionId == b.item.sectionId && a.item.source == b.item.source;
}

}  // namespace

const std::optional<assist::ReviewPick>& ReviewModel::Entry::alternative() const {
    return bestChosen() ? row.runnerUp : row.best;
}

bool ReviewModel::Entry::bestChosen() const {
    return chosen.has_value() == row.best.has_value() && (!chosen || SameItem(*chosen, *row.best));
}

void ReviewModel::Append(const std::vector<assist::ReviewRow>& rows) {
    if (rows.empty()) return;
    beginInsertRows({}, size(), size() + int(rows.size()) - 1);
    for (const assist::ReviewRow& row : rows) entries_.push_back({row, row.best, State::Open});
    endInsertRows();
}

void ReviewModel::Clear() {
    beginResetModel();
    entries_.clear();
    endResetModel();
}

void ReviewModel::SetState(int row, State state) {
    SetState(std::vector<int>{row}, state);
}

void ReviewModel::SetState(const std::vector<int>& rows, State state) {
    if (rows.empty()) return;
    for (const int row : rows) {
        Entry& e = entries_[size_t(row)];
        if (e.state != State::Saved && (state != State::Accepted || e.chosen)) e.state = state;
    }
    // One change for the whole span: a few thousand rows marked at once repaint once.
    const auto [first, last] = std::minmax_element(rows.begin(), rows.end());
    emit dataChanged(index(*first, 0), index(*last, ColumnCount - 1));
}

void ReviewModel::Reopen(const std::vector<int>& rows) {
    for (const int row : rows) {
        Entry& e = entries_[size_t(row)];
        if (e.state != State::Saved) continue;
        e.state = State::Open;
        Changed(row);
    }
}

void ReviewModel::Choose(int row, const assist::ReviewPick& pick) {
    Entry& e = entries_[size_t(row)];
    if (e.state == State::Saved) return;
    e.chosen = pick;
    e.state = State::Accepted;
    Changed(row);
}

std::vector<int> ReviewModel::OpenConfident() const {
    std::vector<int> rows;
    for (int r = 0; r < size(); ++r) {
        const Entry& e = entries_[size_t(r)];
        if (e.state == State::Open && e.row.confident && e.chosen && e.bestChosen()) rows.push_back(r);
    }
    return rows;
}

std::vector<int> ReviewModel::Accepted() const {
    std::vector<int> rows;
    for (int r = 0; r < size(); ++r)
        if (entries_[size_t(r)].state == State::Accepted) rows.push_back(r);
    return rows;
}

int ReviewModel::Count(State state) const {
    return int(std::count_if(entries_.begin(), entries_.end(),
                             [state](const Entry& e) { return e.state == state; }));
}

void ReviewModel::Changed(int row) {
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int ReviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size();
}

int ReviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= size()) return {};
    const Entry& e = entries_[size_t(index.row())];
    if (role == Qt::BackgroundRole) {
        // Decided codes stand out from the ones still to look at.
        if (e.state == State::Accepted) return QBrush(QColor(220, 245, 220));
        if (e.state == State::Saved) return QBrush(QColor(225, 225, 225));
        return {};
    }
    if (role == Qt::ToolTipRole && index.column() == RunnerUp && e.alternative())
        return QStringLiteral("Click to choose this item instead");
    if (role != Qt::DisplayRole) return {};
    static const char* const kStates[] = {"", "accepted", "skipped", "saved"};
    switch (index.column()) {
        case Code:
            return e.row.code.code;
        case Description:
            return e.row.code.values.description;
        case ItemId:
            return e.chosen ? e.chosen->item.itemId : QString();
        case ItemName:
            return e.chosen ? e.chosen->item.itemName : QString();
        case Source:
            return e.chosen ? assist::SourceOf(e.chosen->item) : QString();
        case Score:
            return e.chosen ? QString::number(e.chosen->score, 'f', 3) : QString();
        case Confident:
            // The confidence is the best candidate's: another item chosen is the reviewer's own call.
            return e.row.confident && e.bestChosen() ? QStringLiteral("yes") : QStringLiteral("no");
        case RunnerUp:
            return Described(e.alternative());
        case Decision:
            return QString::fromLatin1(kStates[int(e.state)]);
        default:
            return {};
    }
}

QVariant ReviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kHeaders[] = {"Code",  "Description", "ItemID",    "Item",    "Source",
                                           "Score", "Confident",   "Runner-up", "Decision"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(kHeaders[section]) : QVariant();
}

}  // namespace esoa
