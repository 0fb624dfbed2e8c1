#pragma once

#include <utility>

#include "app/DbError.h"

namespace esoa {

class Connection;

// How often a writer tries a piece of work at most, the first try included.
inline constexpr int kBusyAttempts = 5;

namespace busy {
// After try `attempt` (1-based) of a piece of work failed with `error`: rolls back what the work
// left open and returns true, after a short random pause, when the failure was a lost race (the
// embedded database stayed locked, or SQL Server chose the work as a deadlock victim or its lock
// wait timed out) and tries remain. Returns false when the error is to be reported as it is.
// Throws the DbError to report instead, when the last try lost its race too.
bool RetryAfter(Connection& connection, const DbError& error, int attempt);
bool InTransaction(const Connection& connection);
}  // namespace busy

// Runs `work`, one short transaction of its own (Begin to Commit, nothing that waits for the user
// or lets the window process events in between), and runs it again when it loses a race with
// another writer, up to kBusyAttempts times in all; returns what the work returns. Every other
// failure, and a race still lost at the last try, is thrown to the caller, the latter with a
// description saying that other users kept the database busy. The work must be safe to run again
// after a rollback. Called while a transaction of the caller's is open, the work runs once: a part
// of a transaction cannot be retried alone.
template <typename Work>
auto RetryOnBusy(Connection& connection, Work&& work) -> decltype(work()) {
    if (busy::InTransaction(connection)) return work();
    for (int attempt = 1;; ++attempt) {
        try {
            return work();
        } catch (const DbError& e) {
            if (!busy::RetryAfter(connection, e, attempt)) throw;
        }
    }
}

}  // namespace esoa
