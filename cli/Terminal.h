#pragma once

#include <QString>
#include <cstdio>

namespace esoa::cli {

// Text for the terminal: results on standard output, messages and progress on standard error.
void Out(const QString& text);
void Err(const QString& text);
// Why results could not be written to standard output (redirected to a full disk, say); empty while
// every write succeeded.
QString OutFailure();

// A progress line updated in place on a terminal; nothing at all when standard error is not a
// terminal (a log file, a pipe, a scheduled job).
class ProgressLine {
public:
    ProgressLine();
    ~ProgressLine();
    void Show(const QString& text);
    void Clear();

private:
    bool terminal_;
    int shown_ = 0;
};

}  // namespace esoa::cli
