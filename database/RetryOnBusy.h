#pragma once

#include <QElapsedTimer>
#include <utility>

#include "database/DbError.h"

namespace esoa {

class Connection;

// How often a writer tries a piece of work at most, the first try included.
inline constexpr int kBusyAttempts = 5;

namespace busy {
// The tries of one piece of work so far: how many were started, and how long they took.
class Tries {
public:
    Tries() { clock_.start(); }
    void Starting() {
        ++count_;
        tryStart_ = clock_.elapsed();
    }
    int count() const { return count_; }
    qint64 elapsed() const { return clock_.elapsed(); }
    qint64 lastTry() const { return clock_.elapsed() - tryStart_; }

private:
    QElapsedTimer clock_;
    int count_ = 0;
    qint64 tryStart_ = 0;
};

// After the last of `tries` failed with `error`: rolls back what the work left open and returns
// true, after a short random pause, when the failure was a lost race (the embedded database stayed
// locked, or SQL Server chose the work as a deadlock victim or its lock wait timed out) and another
// try may still be made: fewer than kBusyAttempts were made, and one more, as long as the last one,
// ends within the connection's busy budget. Returns false when the error is to be reported as it
// is. Throws the DbError to report instead when no further try may be made.
bool RetryAfter(Connection& connection, const DbError& error, const Tries& tries);
bool InTransaction(const Connection& connection);
}  // namespace busy

// Runs `work`, one short transaction of its own (Begin to Commit, nothing that waits for the user
// or lets the window process events in between), and runs it again when it loses a race with
// another writer: up to kBusyAttempts times in all, within the connection's busy budget (a
// database another program keeps locked is reported after a try or two, not after five full lock
// waits); returns what the work returns. Every other failure, and a race still lost at the last
// try, is thrown to the caller, the latter with a description saying that other users kept the
// database busy. The work must be safe to run again after a rollback. Called while a transaction of the
// caller's is open, the work runs once: a part of a transaction cannot be retried alone.
template <typename Work>
auto RetryOnBusy(Connection& connection, Work&& work) -> decltype(work()) {
    if (busy::InTransaction(connection)) return work();
    busy::Tries tries;
    for (;;) {
        tries.Starting();
        try {
            return work();
        } catch (const DbError& e) {
            if (!busy::RetryAfter(connection, e, tries)) throw;
        }
    }
}

}  // namespace esoa
