#pragma once

#include <QString>
#include <QStringList>

namespace esoa::cli {

// What the program's arguments ask for. Parsed before any application object exists, so that the
// commands run without a display and the window gets its options.
struct Invocation {
    enum class Kind {
        Window,    // open the mapping window (no command given)
        Headless,  // answer a command on the terminal
        Usage,     // the arguments are not understood: one line naming the problem, a hint, exit 2
    };
    Kind kind = Kind::Window;
    QString connection;  // --connection: overrides the current user's setting for this run (Window)
    bool verbose = false;
    QString command;  // the command named, if any
    QString error;    // Usage: what was not understood
    QStringList arguments;
};

Invocation Parse(const QStringList& arguments);

// Runs a Headless or Usage invocation; a QCoreApplication must exist. Returns the exit code:
// 0 when everything was done, 1 otherwise, 2 for arguments not understood. Messages go to standard
// error, results to standard output.
int Run(const Invocation& invocation);

// Switches the statement log (logging category "esoa.sql") on, as --verbose does.
void EnableStatementLog();

}  // namespace esoa::cli
