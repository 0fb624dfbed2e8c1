#include "window/review/ReviewRanking.h"

#include <QMetaObject>
#include <utility>

#include "database/DbError.h"

namespace esoa {

ReviewRanking::ReviewRanking(std::unique_ptr<assist::ReviewQueue> queue, QObject* parent)
    : QObject(parent), queue_(std::move(queue)) {}

ReviewRanking::~ReviewRanking() {
    cancel_ = true;
    if (thread_.joinable()) thread_.join();
}

void ReviewRanking::Start() {
    if (thread_.joinable() || ended_) return;
    thread_ = std::thread([this] { Run(); });
}

void ReviewRanking::Run() {
    QString error;
    try {
        for (qsizetype i = 0; i < queue_->size() && !cancel_; ++i) {
            assist::ReviewRow row = queue_->Rank(i);
            const std::lock_guard<std::mutex> lock(mutex_);
            pending_.push_back(std::move(row));
            ++done_;
            // One call on its way collects whatever is ranked until it runs.
            if (!std::exchange(posted_, true))
                QMetaObject::invokeMethod(this, &ReviewRanking::Deliver, Qt::QueuedConnection);
        }
    } catch (const std::exception& e) {
        error = DescriptionOf(e);
    }
    const std::lock_guard<std::mutex> lock(mutex_);
    ended_ = true;
    error_ = error;
    if (!std::exchange(posted_, true))
        QMetaObject::invokeMethod(this, &ReviewRanking::Deliver, Qt::QueuedConnection);
}

void ReviewRanking::Deliver() {
    std::vector<assist::ReviewRow> rows;
    int done = 0;
    bool ended = false;
    QString error;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        rows.swap(pending_);
        done = done_;
        ended = ended_;
        error = error_;
        posted_ = false;
    }
    if (!rows.empty()) emit Ranked(rows, done, int(queue_->size()));
    if (!ended) return;
    thread_.join();
    emit Finished(done < queue_->size(), error);
}

}  // namespace esoa
