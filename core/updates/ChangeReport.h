#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/reference/ImportRun.h"
#include "core/files/Csv.h"
#include "core/ListData.h"

namespace esoa {

// What a new version of a list's reference files changes against its reference table, worked out
// without writing anything:
// - New: a code of a file that the table does not hold (what the import would add);
// - Withdrawn: a table row whose code is in no file of the list (never deleted, only reported);
// - Changed: a table row whose category, description, fee or unit differs from its code's line.
// Codes are matched as the database matches them (CodeKey); within the files the first line of a
// code counts, as in the import (the item file before the medicine file), and a code that a later
// file brings with another description is listed as a conflict. Lines the import would refuse are
// listed and take no part, blank lines are counted, a last line cut short is warned of. A file that
// cannot be read is named: its codes take no part, and the withdrawn codes are then unknown (none
// are listed). Every withdrawn or changed row lists the links that use it.
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
        int blank = 0;
        std::vector<LineNote> refused;
        std::vector<LineNote> warnings;  // a last line cut short
        QString unreadable;              // why the file cannot be read; empty when it was read
    };

    ReferenceList list;
    std::vector<FileRead> files;
    std::vector<Entry> entries;  // New in file order, then Changed in file order, then Withdrawn in ID order
    std::vector<CodeConflict> conflicts;  // in file order
    int unchanged = 0;           // table rows whose code is read and whose values are the same

    int count(Kind kind) const;
    int linksOf(Kind kind) const;  // links of the entries of that kind
    bool hasChanges() const { return count(Kind::Changed) > 0; }
    // Whether every file of the list was read (and the withdrawn codes are known).
    bool complete() const;

    // Reads the list's files from `folder` and compares them with its tables (below).
    static ChangeReport Build(Connection& connection, const ReferenceList& list, const QString& folder);
    // Compares the files of `list.names` as read beforehand, in order, with the list's tables read
    // through `connection`. Throws DbError when a table cannot be read.
    static ChangeReport Build(Connection& connection, const ReferenceList& list,
                              const std::vector<ListFile>& files);
    // The comparison alone, of files read beforehand (in the order of `list.names`) or of complete
    // lines of each file.
    static ChangeReport Compare(const ReferenceList& list, const std::vector<ListFile>& files,
                                const std::vector<ReferenceRow>& rows, const std::vector<LinkRow>& links);
    static ChangeReport Compare(const ReferenceList& list, const std::vector<QStringList>& fileLines,
                                const std::vector<ReferenceRow>& rows, const std::vector<LinkRow>& links);

    // "ESOA_ER: 3 new codes, 2 changed (5 links), 1 withdrawn (1 link), 120 unchanged, 0 refused lines."
    // Conflicts and warnings follow when there are any, then each file that cannot be read.
    QString Summary() const;
    // The whole report as plain text, one entry a line with old and new values side by side, for a
    // terminal or a message.
    QString Text() const;
    // The whole report as CSV with a header line: one record per entry and, under each withdrawn or
    // changed code, one per link that uses it; then one per conflict, refused line, warning and file
    // that cannot be read, with its reason.
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
