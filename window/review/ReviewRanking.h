#pragma once

#include <QObject>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "core/review/ReviewQueue.h"

namespace esoa {

// Ranks every code of a review queue on a thread of its own, so that the window stays responsive:
// the rows reach the window's thread in batches (Ranked), in the queue's order, and Finished ends
// the run, also after Cancel. The queue needs no database while it ranks; it is the ranking's until
// Finished, then the window's again (queue()). Destroying a ranking cancels it and waits for its
// thread.
class ReviewRanking : public QObject {
    Q_OBJECT
public:
    ReviewRanking(std::unique_ptr<assist::ReviewQueue> queue, QObject* parent = nullptr);
    ~ReviewRanking() override;

    // Starts the one run of this ranking.
    void Start();
    // Stops after the code being ranked; Finished follows.
    void Cancel() { cancel_ = true; }
    bool running() const { return thread_.joinable(); }
    // The queue, for a code's whole ranked list; only while not running.
    assist::ReviewQueue& queue() { return *queue_; }

signals:
    // Rows ranked since the last batch; `done` of `total` codes are ranked so far.
    void Ranked(const std::vector<assist::ReviewRow>& rows, int done, int total);
    // The run ended; `error` is empty unless ranking failed.
    void Finished(bool cancelled, const QString& error);

private:
    void Run();
    // On the window's thread: hands over what the thread ranked so far.
    void Deliver();

    std::unique_ptr<assist::ReviewQueue> queue_;
    std::thread thread_;
    std::atomic<bool> cancel_{false};
    std::mutex mutex_;  // guards what follows
    std::vector<assist::ReviewRow> pending_;
    int done_ = 0;
    bool posted_ = false;  // a Deliver is on its way
    bool ended_ = false;
    QString error_;
};

}  // namespace esoa
