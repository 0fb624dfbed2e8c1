#include "database/sqlite/SqliteFiles.h"

#include <sqlite3.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <cerrno>

namespace esoa::sqlite_files {
namespace {

enum class SystemError { None, Full, Permission, ReadOnlyDisk, Gone, Folder };

SystemError Kind(int error) {
#ifdef _WIN32
    switch (error) {
        case 39:   // ERROR_HANDLE_DISK_FULL
        case 112:  // ERROR_DISK_FULL
            return SystemError::Full;
        case 5:  // ERROR_ACCESS_DENIED
            return SystemError::Permission;
        case 19:  // ERROR_WRITE_PROTECT
            return SystemError::ReadOnlyDisk;
        case 2:  // ERROR_FILE_NOT_FOUND
        case 3:  // ERROR_PATH_NOT_FOUND
            return SystemError::Gone;
        default:
            return SystemError::None;
    }
#else
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return SystemError::Full;
        case EACCES:
        case EPERM:
            return SystemError::Permission;
        case EROFS:
            return SystemError::ReadOnlyDisk;
        case ENOENT:
        case ENOTDIR:
            return SystemError::Gone;
        case EISDIR:
            return SystemError::Folder;
        default:
            return SystemError::None;
    }
#endif
}

QString Cause(int code, int systemError) {
    const int primary = code & 0xFF;
    // The operating system's error tells more than SQLite's codes for opening and I/O: a full disk
    // shows as "disk I/O error" when the shared-memory or log file cannot grow.
    const SystemError system = primary == SQLITE_CANTOPEN || primary == SQLITE_IOERR || primary == SQLITE_FULL
                                   ? Kind(systemError)
                                   : SystemError::None;
    if (primary == SQLITE_FULL || system == SystemError::Full) return QStringLiteral("the disk is full");
    switch (primary) {
        case SQLITE_NOTADB:
            return QStringLiteral("the file is not a database");
        case SQLITE_CORRUPT:
            return QStringLiteral("the file is damaged");
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_PROTOCOL:
            return QStringLiteral("the file is locked by another program");
        case SQLITE_READONLY:
            return QStringLiteral("the database is read-only: it may be read, not changed");
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return QStringLiteral("no permission to read or write the file");
        default:
            break;
    }
    switch (system) {
        case SystemError::Permission:
            return QStringLiteral("no permission to read or write the file");
        case SystemError::ReadOnlyDisk:
            return QStringLiteral("the disk is read-only");
        case SystemError::Gone:
            return QStringLiteral("the file or its folder is gone");
        case SystemError::Folder:
            return QStringLiteral("it is a folder, not a file");
        default:
            break;
    }
    return primary == SQLITE_CANTOPEN ? QStringLiteral("the file cannot be opened")
                                      : QStringLiteral("the file cannot be read or written (a disk error)");
}

}  // namespace

bool MayWrite(const QString& path) {
    const QFileInfo file(path);
    return file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

QString OpenUri(const QString& path, bool readOnly) {
    QString absolute = QDir::fromNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (!absolute.startsWith(QLatin1Char('/'))) absolute.prepend(QLatin1Char('/'));  // a drive letter
    QString uri = QStringLiteral("file://") + QString::fromLatin1(QUrl::toPercentEncoding(absolute, "/:"));
    if (!readOnly) return uri;
    uri += QStringLiteral("?mode=ro");
    const bool logged = QFileInfo::exists(path + QStringLiteral("-wal")) ||
                        QFileInfo::exists(path + QStringLiteral("-journal"));
    if (!logged) uri += QStringLiteral("&immutable=1");
    return uri;
}

QString FailureText(const QString& path, int code, int systemError, const QString& words) {
    const QString cause = Cause(code, systemError);
    QString text = QStringLiteral("Database file %1: %2").arg(QDir::toNativeSeparators(path), cause);
    // SQLite names the file by the URI it was opened with: the path is named already.
    static const QRegularExpression uri(QStringLiteral(":?\\s*file:\\S*"));
    const QString said = QString(words).remove(uri).trimmed();
    if (!said.isEmpty() && !cause.contains(said, Qt::CaseInsensitive))
        text += QStringLiteral(" [%1]").arg(said);
    return text + QLatin1Char('.');
}

bool IsDamage(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

}  // namespace esoa::sqlite_files
