#pragma once

#include <QHash>
#include <QString>
#include <optional>

#include "database/CodeKey.h"

namespace esoa {

// A code that an earlier file of the list already brings with another description: the earlier line
// is the one that counts (the import keeps it), the later line is not stored.
struct CodeConflict {
    QString code;  // as the later line writes it
    QString keptFile;
    int keptLine = 0;
    QString keptDescription;
    QString file;
    int line = 0;
    QString description;

    // 'code "LD-1" is also in ESOA_ITEM.csv line 1 with another description: "CBC" there is kept,
    // "CBC tablet" of ESOA_MEDICINE.csv line 4 is not stored'
    QString Text() const;
};

// The first line of each code over the files of one list, noted in the order the import reads them
// (the item file before the medicine file). Codes are matched as the database matches them
// (CodeKey).
class FirstLines {
public:
    struct Noted {
        bool first;  // no other line has the code before this one
        std::optional<CodeConflict> conflict;
    };
    // Notes a line that can be stored (its fields as stored). Noting the same line again changes
    // nothing. A conflict is told when the code's first line lies in another file and has another
    // description.
    Noted Note(const QString& file, int line, const QString& code, const QString& description);
    bool Has(const QString& code) const { return first_.contains(CodeKey(code)); }

private:
    struct Line {
        QString file;
        int line;
        QString description;
    };
    QHash<CodeKey, Line> first_;
};

}  // namespace esoa
