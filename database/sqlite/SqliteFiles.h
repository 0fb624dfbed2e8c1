#pragma once

#include <QString>

namespace esoa::sqlite_files {

// Whether the current user may write the database file at `path` as SQLite needs to: the file itself
// and its folder (where the WAL and shared-memory files beside it are made), as the file system's
// access rights say.
bool MayWrite(const QString& path);

// The URI by which SQLite opens the database file at `path`. For writing it is opened as usual. Read
// only, it is opened so that SQLite writes nothing at all: when no write-ahead log or rollback
// journal lies beside it, the file holds every committed change and is read as it stands (SQLite
// then needs no shared-memory file either, which a user without write rights could not make);
// otherwise it is read with the log, read-only.
QString OpenUri(const QString& path, bool readOnly);

// A failure of the database file at `path`, in plain words, naming the file once: the cause as the
// user can act on it (the disk is full, the file is not a database, no permission, locked by
// another program, read-only), then SQLite's own words in square brackets unless they say nothing
// more. `code` is SQLite's result code (extended codes accepted), `systemError` the operating
// system's error number of the failure (sqlite3_system_errno), `words` SQLite's message.
QString FailureText(const QString& path, int code, int systemError, const QString& words);

// Whether SQLite's result code says that the file is not a database or that it is damaged.
bool IsDamage(int code);

}  // namespace esoa::sqlite_files
