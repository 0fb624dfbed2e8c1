#include "app/RetryOnBusy.h"

#include <QRandomGenerator>
#include <QThread>

#include "app/Connection.h"

namespace esoa::busy {
namespace {

// The pause before try n + 1 is random within (0, kPauseMs * 2^(n-1)]: writers that collided once
// spread out rather than collide again in step. Five tries wait at most about half a second in
// pauses, on top of the embedded database's own busy wait within each try.
constexpr int kPauseMs = 30;

}  // namespace

bool RetryAfter(Connection& connection, const DbError& error, int attempt) {
    if (error.cause() != DbError::Cause::Busy) return false;
    try {
        connection.Rollback();
    } catch (const DbError&) {
        // The server already ended a deadlock victim's transaction; nothing is left to undo.
    }
    if (attempt >= kBusyAttempts) {
        throw DbError(
            QStringLiteral("The database stayed busy with other users' changes through %1 tries; nothing "
                           "of this step was stored. Try again in a moment.\n%2")
                .arg(kBusyAttempts)
                .arg(error.description()),
            error.nativeCode(), error.statement(), DbError::Cause::Busy);
    }
    QThread::msleep(1 + QRandomGenerator::global()->bounded(kPauseMs << (attempt - 1)));
    return true;
}

bool InTransaction(const Connection& connection) {
    return connection.inTransaction();
}

}  // namespace esoa::busy
