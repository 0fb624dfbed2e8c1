#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace esoa {

// The one way the program writes a file. The bytes go to a new file beside `path`, each write
// checked and the data synced to disk; only then does the new file take the place of the old one.
// On any failure the new file is discarded, a file already at `path` stays exactly as it was, and
// std::runtime_error says why in plain words ("Cannot save <path>: the disk is full. ...").
void SaveFile(const QString& path, const QByteArray& bytes);

// The same, for a file written piece by piece as its contents are made: the pieces go to the new
// file as they come, and Commit() puts it in the place of `path`. Destroyed without Commit() (an
// exception while the contents were made), the new file is discarded and an old one is left as it
// was. Every step throws std::runtime_error with the cause, as SaveFile.
class SavingFile {
public:
    explicit SavingFile(const QString& path);
    SavingFile(const SavingFile&) = delete;
    SavingFile& operator=(const SavingFile&) = delete;

    void Write(const QByteArray& bytes);
    void Commit();

private:
    QString path_;
    QSaveFile file_;
};

// The cause of a failed write in plain words, from its errno: "the disk is full" for ENOSPC,
// otherwise the system's own text ("file too large", "disk quota exceeded").
QString WriteFailureCause(int error);

// A text file: `text` as UTF-8, its line breaks as the platform writes them (CR LF on Windows).
void SaveTextFile(const QString& path, const QString& text);

}  // namespace esoa
