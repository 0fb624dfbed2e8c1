#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace esoa {

// The lines of a reference file, and whether the text ended with a line break after its last line
// (an interrupted copy, or a file still being written, ends in the middle of a line).
struct ReferenceLines {
    QStringList lines;
    bool endsWithBreak = true;  // also true for an empty text
};

// Reads a PhilHealth reference file into its lines. A file with a UTF-16 byte order mark (either
// byte order) is read as UTF-16; one with a UTF-8 byte order mark, or one that is valid UTF-8 and
// holds non-ASCII text, as UTF-8 (a mark never becomes part of the first line); any other file as
// Windows-1252, the "ANSI" code page of the workstations that produce these files. A line ends at
// CR LF, at a lone CR or at a lone LF; a break after the last line makes no extra empty line.
// Throws std::runtime_error with the reason when the file cannot be read.
ReferenceLines ReadReferenceFile(const QString& path);

// The decoding alone, for bytes already read.
QString DecodeReferenceText(const QByteArray& bytes);
ReferenceLines SplitReferenceLines(const QString& text);

// One file of a list as a scan reads it, before anything is stored: its lines, or why it cannot be
// read.
struct ListFile {
    QString name;  // the list name: "ESOA_ITEM", "ESOA_MEDICINE", "ESOA_ER"
    ReferenceLines text;
    QString error;  // the reason, naming the file, when it cannot be read; empty when it was read

    bool readable() const { return error.isEmpty(); }
    QString fileName() const { return name + QStringLiteral(".csv"); }
};

// Reads "<folder>/<name>.csv" for every name, in order; never throws for a file's failure.
std::vector<ListFile> ReadListFiles(const QString& folder, const QStringList& names);

}  // namespace esoa
