#pragma once

#include <QString>

namespace esoa {

// The key under which the database finds a code: trailing blanks dropped (the server pads before it
// compares) and letter case folded, as the default case-insensitive collation compares.
//
// Only the blank pads: SQL Server ignores trailing spaces in "=", not tabs or other white space. The
// key matches the server's default collation (case-insensitive, accent-sensitive) as far as Unicode
// case folding goes: an accent-insensitive collation would also match "Pena" and "Peña", which stay
// two codes here, and a few letters fold differently from the collation's tables ("ß" against "SS");
// varchar columns also keep only the server's code page, so two codes that differ in a character
// outside it may be one code there.
inline QString CodeKey(const QString& code) {
    qsizetype end = code.size();
    while (end > 0 && code[end - 1] == u' ') --end;
    return code.left(end).toCaseFolded();
}

}  // namespace esoa
