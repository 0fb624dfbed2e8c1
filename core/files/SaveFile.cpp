#include "core/files/SaveFile.h"

#include <QDir>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace esoa {
namespace {

QString Plain(const QString& text) {
    if (text.isEmpty()) return QStringLiteral("the file could not be written");
    return text.left(1).toLower() + text.mid(1);
}

[[noreturn]] void Fail(const QString& path, const QString& cause) {
    // Not committed, the QSaveFile removes its new file when it goes: the old file is never touched.
    throw std::runtime_error(QStringLiteral("Cannot save %1: %2. A file already there was left as it was.")
                                 .arg(QDir::toNativeSeparators(path), cause)
                                 .toStdString());
}

// Qt reports a write that found the disk full as a resource error (and a file that cannot be opened
// for too many open files as one too, but that never comes from a write).
QString WriteCause(const QSaveFile& file) {
    if (file.error() == QFileDevice::ResourceError) return QStringLiteral("the disk is full");
    return Plain(file.errorString());
}

// Qt syncs the new file in commit() but ignores a failure there; a file system that keeps writes
// back (a network share, a nearly full disk) reports its failure only here.
void SyncToDisk(const QString& path, QSaveFile& file) {
#ifdef Q_OS_WIN
    if (_commit(file.handle()) != 0) Fail(path, WriteFailureCause(errno));
#else
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP)
        Fail(path, WriteFailureCause(errno));
#endif
}

}  // namespace

QString WriteFailureCause(int error) {
    if (error == ENOSPC) return QStringLiteral("the disk is full");
    return Plain(QString::fromLocal8Bit(std::strerror(error)));
}

SavingFile::SavingFile(const QString& path) : path_(path), file_(path) {
    // Unbuffered, so that a write the disk cannot take fails in write() itself. Buffered, Qt 6.4 meets
    // the failure only in the flush inside commit(), ignores it there and puts an empty or cut-off
    // file in place of the old one.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) Fail(path_, Plain(file_.errorString()));
}

void SavingFile::Write(const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        // A short write (the disk filled up in the middle) is no failure for Qt: writing the rest
        // fails with the cause.
        const qint64 n = file_.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) Fail(path_, WriteCause(file_));
        written += n;
    }
}

void SavingFile::Commit() {
    if (!file_.flush()) Fail(path_, WriteCause(file_));
    SyncToDisk(path_, file_);
    if (!file_.commit()) Fail(path_, WriteCause(file_));
}

void SaveFile(const QString& path, const QByteArray& bytes) {
    SavingFile file(path);
    file.Write(bytes);
    file.Commit();
}

void SaveTextFile(const QString& path, const QString& text) {
#ifdef Q_OS_WIN
    QString native = text;
    native.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\n', QStringLiteral("\r\n"));
    SaveFile(path, native.toUtf8());
#else
    SaveFile(path, text.toUtf8());
#endif
}

}  // namespace esoa
