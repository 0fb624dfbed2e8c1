#include "database/RetryOnBusy.h"

#include <QRandomGenerator>
#include <QThread>

#include "database/Connection.h"

namespace esoa::busy {
namespace {

// The pause before try n + 1 is random within (0, kPauseMs * 2^(n-1)]: writers that collided once
// spread out rather than collide again in step. Five tries wait at most about half a second in
// pauses, on top of the embedded database's own busy wait within each try; the connection's busy
// budget ends them earlier when each try waits long.
constexpr int kPauseMs = 30;

}  // namespace

bool RetryAfter(Connection& connection, const DbError& error, const Tries& tries) {
    if (error.cause() != DbError::Cause::Busy) return false;
    try {
        connection.Rollback();
    } catch (const DbError&) {
        // The server already ended a deadlock victim's transaction; nothing is left to undo.
    }
    const int pause = 1 + int(QRandomGenerator::global()->bounded(kPauseMs << (tries.count() - 1)));
    // A try that waited out the whole lock wait tells that the lock is held, not raced for: the next
    // one would wait as long.
    const bool inTime = tries.elapsed() + pause + tries.lastTry() <= connection.busyBudgetMilliseconds();
    if (tries.count() >= kBusyAttempts || !inTime) {
        throw DbError(
            QStringLiteral("The database stayed busy with other users' changes through %1 tries; nothing "
                           "of this step was stored. Try again in a moment.\n%2")
                .arg(QString::number(tries.count()), error.description()),
            error.nativeCode(), error.statement(), DbError::Cause::Busy);
    }
    QThread::msleep(static_cast<unsigned long>(pause));
    return true;
}

bool InTransaction(const Connection& connection) {
    return connection.inTransaction();
}

}  // namespace esoa::busy
