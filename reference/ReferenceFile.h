#pragma once

#include <QString>
#include <QStringList>

namespace esoa {

// Reads a PhilHealth reference file into its lines. A file with a UTF-16 byte order mark (either
// byte order) is read as UTF-16; one with a UTF-8 byte order mark, or one that is valid UTF-8 and
// holds non-ASCII text, as UTF-8 (a mark never becomes part of the first line); any other file as
// Windows-1252, the "ANSI" code page of the workstations that produce these files. A line ends at
// CR LF, at a lone CR or at a lone LF; a break after the last line makes no extra empty line.
// Throws std::runtime_error with the reason when the file cannot be read.
QStringList ReadReferenceFile(const QString& path);

// The decoding alone, for bytes already read.
QString DecodeReferenceText(const QByteArray& bytes);
QStringList SplitReferenceLines(const QString& text);

}  // namespace esoa
