#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

namespace esoa {

class Connection;

// The codes a reference table holds, kept in memory during an import so that a line's code need
// not be looked up in the table: read once, then only the rows added since (by ID), inside the
// import's write transaction so that no other writer can add a code unseen.
//
// Codes are kept by a key that never splits what the database's own comparison joins:
// - Exact (the embedded database): the key is CodeKey, the collation's own, so a code is present
//   exactly when its key is;
// - Coarse (SQL Server, whose collation is not known here): the key is Fold(code), a coarsening of
//   CodeKey that joins at least every pair of codes any case-insensitive collation joins; a code
//   whose fold is known may still be new, and is to be looked up in the table.
// NULL codes are not kept: no code equals them.
class KnownCodes {
public:
    enum class Matching { Exact, Coarse };
    enum class Answer { Absent, Present, Maybe };

    // `table` is the plain table name ("ESOA_ER"); the connection must outlive the object.
    KnownCodes(Connection& connection, const QString& table, Matching matching)
        : connection_(connection), table_(table), matching_(matching) {}

    // The matching that a connection's comparison allows.
    static Matching MatchingFor(const Connection& connection);

    // Reads the codes of the rows added since the last call (every row on the first). Throws the
    // database's DbError.
    void CatchUp();

    struct Found {
        Answer answer;
        QByteArray key;  // the code's key, for Add
    };
    Found Find(const QString& code) const;
    // Records the key of a code just stored; false when it was known already.
    bool Add(const QByteArray& key);
    // Undoes an Add whose row was rolled back.
    void Forget(const QByteArray& key) { keys_.remove(key); }

    // The coarse fold: the same collation as CodeKey at primary strength (accents no longer count,
    // as in an accent-insensitive collation), read back as plain ASCII. Trailing blanks dropped,
    // compatibility forms spelled out ("ｆ", "ﬁ", "㎏"), then each character that weighs at that
    // strength as an ASCII letter, digit or sign, or as two ASCII letters, is read as that ("é" as
    // "e", "ø" as "o", "æ" as "ae", "ß" as "ss"), with the code pages' best-fit readings of "ı" and
    // "ŧ" and "þ" as "th" added; what weighs nothing (combining accents, control and format
    // characters) is dropped, and every other character, with any run of them, is read as one "?",
    // as a server without that character stores it. Codes with equal CodeKeys have equal folds.
    static QString Fold(const QString& code);

private:
    QByteArray Key(const QString& code) const;

    Connection& connection_;
    QString table_;
    Matching matching_;
    QSet<QByteArray> keys_;
    qint64 lastId_ = 0;
};

}  // namespace esoa
