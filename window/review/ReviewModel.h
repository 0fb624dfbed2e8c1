#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "core/review/ReviewQueue.h"

namespace esoa {

// The codes of a review with what the reviewer decided for each: a row per code ranked so far, in
// the order of ranking. Each code has a chosen item (its best candidate until another is picked)
// and an alternative: the runner-up while the best is chosen, otherwise the best.
class ReviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Code,
        Description,
        ItemId,
        ItemName,
        Source,
        Score,
        Confident,
        RunnerUp,
        Decision,
        ColumnCount
    };
    enum class State { Open, Accepted, Skipped, Saved };

    struct Entry {
        assist::ReviewRow row;
        std::optional<assist::ReviewPick> chosen;
        State state = State::Open;

        // The runner-up column's item: what a click there picks.
        const std::optional<assist::ReviewPick>& alternative() const;
        bool bestChosen() const;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void Append(const std::vector<assist::ReviewRow>& rows);
    void Clear();
    const Entry& entry(int row) const { return entries_[size_t(row)]; }
    int size() const { return int(entries_.size()); }

    // Marks a code; Accepted only with a chosen item. Saved codes keep their state.
    void SetState(int row, State state);
    void SetState(const std::vector<int>& rows, State state);
    // Saved codes among `rows` are open again (their links were undone).
    void Reopen(const std::vector<int>& rows);
    // Chooses `pick` for the code and accepts it.
    void Choose(int row, const assist::ReviewPick& pick);
    // The codes whose best candidate, still chosen, is confident and that nobody decided yet.
    std::vector<int> OpenConfident() const;
    std::vector<int> Accepted() const;
    int Count(State state) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void Changed(int row);

    std::vector<Entry> entries_;
};

}  // namespace esoa
