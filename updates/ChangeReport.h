#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "reference/ImportRun.h"
#include "updates/Csv.h"
#include "updates/ListData.h"

namespace esoa {

// What a new version of a list's reference files changes against its reference table, worked out
// without writing anything:
// - New: a code of a file that the table does not hold (what the import would add);
// - Withdrawn: a table row whose code is in no file of the list (never deleted, only reported);
// - Changed: a table row whose category, description, fee or unit differs from its code's line.
// Codes are matched as the database matches them (CodeKey); within the files the first line of a
// code counts, as in the import (the item file before the medicine file). Lines the import would
// refuse are listed and take no part. Every withdrawn or changed row lists the links that use it.
struct ChangeReport {
    enum class Kind { New, Withdrawn, Changed };
    struct Entry {
        Kind kind;
        QString file;        // the file that brings the code ("ESOA_ER.csv"); empty for Withdrawn
        int line = 0;        // its line there, 1-based; 0 for Withdrawn
        QString rowId;       // the table row's ID; empty for New
        QString code;        // as the file writes it (New, Changed) or as the table holds it
        CodeValues stored;   // the table's values (Withdrawn, Changed)
        CodeValues read;     // the file's values (New, Changed), the fee as the database would store it
        QStringList changed; // Changed: the names of the values that differ
        std::vector<LinkRow> links;  // Withdrawn, Changed: the links of the code
    };
    struct FileRead {
        QString file;
        int lines = 0;
        std::vector<RefusedLine> refused;
    };

    ReferenceList list;
    std::vector<FileRead> files;
    std::vector<Entry> entries;  // New in file order, then Changed in file order, then Withdrawn in ID order
    int unchanged = 0;           // table rows whose code is read and whose values are the same

    int count(Kind kind) const;
    int linksOf(Kind kind) const;  // links of the entries of that kind
    bool hasChanges() const { return count(Kind::Changed) > 0; }

    // Reads the list's files from `folder` and its tables through `connection`. Throws
    // std::runtime_error naming the file when one cannot be read (without every file the withdrawn
    // codes are unknown) and DbError when a table cannot be read.
    static ChangeReport Build(Connection& connection, const ReferenceList& list, const QString& folder);
    // The comparison alone: `fileLines` holds the lines of each file of `list.names`, in order.
    static ChangeReport Compare(const ReferenceList& list, const std::vector<QStringList>& fileLines,
                                const std::vector<ReferenceRow>& rows, const std::vector<LinkRow>& links);

    // "ESOA_ER: 3 new codes, 2 changed (5 links), 1 withdrawn (1 link), 120 unchanged, 0 refused lines."
    QString Summary() const;
    // The whole report as plain text, one entry a line with old and new values side by side, for a
    // terminal or a message.
    QString Text() const;
    // The whole report as CSV with a header line: one record per entry and, under each withdrawn or
    // changed code, one per link that uses it; then one per refused line.
    csv::Table Csv() const;
    // The CSV header (field names).
    static QStringList CsvHeader();
    // The values of a changed entry that differ, one line each, old and new: Name: "old" -> "new".
    static QStringList ChangedValues(const Entry& entry);
    // One link of an entry: link 7: INV item 1001 "Paracetamol 500mg tablet" (revenue PH).
    static QString LinkText(const LinkRow& link);
};

QString KindName(ChangeReport::Kind kind);  // "new", "withdrawn", "changed"

}  // namespace esoa
