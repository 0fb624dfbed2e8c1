#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace esoa::csv {

// Who reads a CSV file.
enum class Flavour {
    // Programs and scripts (the command line): every value exactly as stored, no byte order mark.
    Exact,
    // A spreadsheet program (the window's exports): a UTF-8 byte order mark first, so that "Niño" is
    // not read as Windows-1252, and a text cell that a spreadsheet would take for a formula (one that
    // begins with =, +, -, @, a tab or a carriage return) led by a single quote, which shows it as
    // text. A plain number ("-75.00", "-5") stays a number.
    Spreadsheet,
};

// One record of an RFC 4180 file: fields joined by commas, a field quoted (its quotes doubled) when
// it holds a comma, a quote, a line break or blanks at either end; ends with CR LF.
QString Record(const QStringList& fields, Flavour flavour);

// The records of one CSV file, header first, written out in either flavour.
class Table {
public:
    void Add(QStringList record) { records_.push_back(std::move(record)); }
    const std::vector<QStringList>& records() const { return records_; }
    // The whole file: a byte order mark in the spreadsheet flavour, then every record.
    QString Text(Flavour flavour) const;

private:
    std::vector<QStringList> records_;
};

// Records written as they are made, so that a long file is never held whole: they go to `sink` in
// pieces of some thousand characters, a byte order mark first in the spreadsheet flavour; Finish()
// hands over the rest. The bytes are those Table::Text gives for the same records.
class Writer {
public:
    using Sink = std::function<void(const QString& text)>;
    Writer(Sink sink, Flavour flavour);
    void Add(const QStringList& record);
    void Finish();

private:
    Sink sink_;
    Flavour flavour_;
    QString pending_;
};

// One record as read, with the line of the file it starts on (the first line is 1).
struct ReadRecord {
    int line = 0;
    QStringList fields;
};

// The records of an RFC 4180 text: fields separated by commas, a quoted field may hold commas,
// doubled quotes and line breaks; records end with CR LF or LF (a last one may end without).
// A byte order mark at the start is dropped; blank lines are skipped. Lenient where the RFC is
// strict: a quote inside an unquoted field, and text after a closing quote, are kept as they stand.
// Throws std::runtime_error naming the line where a quoted field is never closed.
std::vector<ReadRecord> Parse(const QString& text);

// Reads a UTF-8 file (with or without a byte order mark) and parses it. Throws std::runtime_error
// with the cause when the file cannot be read or is not UTF-8.
std::vector<ReadRecord> Load(const QString& path);

// Writes the table as UTF-8 through SaveFile: whole, or not at all with the old file left as it was.
// Throws std::runtime_error with the cause.
void Save(const QString& path, const Table& table, Flavour flavour);
// The same for records written by `write` as they are made (SavingFile): an exception from `write`
// leaves an old file as it was, and passes on.
void Save(const QString& path, Flavour flavour, const std::function<void(Writer& records)>& write);

}  // namespace esoa::csv
