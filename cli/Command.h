#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace esoa::cli {

// The name the program is run by, in usage lines and hints.
inline constexpr char kProgram[] = "esoa-mapper";

// The parsed arguments of one command: its options, the arguments after the command's name and the
// --connection override.
struct Options {
    const QCommandLineParser& parser;
    QString connection;
    QStringList arguments;

    // Only the options the command takes may be asked for.
    QString Value(const char* name) const { return parser.value(QLatin1String(name)); }
    bool IsSet(const char* name) const { return parser.isSet(QLatin1String(name)); }
};

// Arguments a command cannot work with: one line naming the problem, exit code 2.
struct UsageError {
    QString text;
};

// An option a command takes. A required option needs a value that is not empty; `problem` tells
// what is wrong with a value given (empty text: nothing), before the command does anything.
struct CommandOption {
    CommandOption(QCommandLineOption option, bool required = false,
                  std::function<QString(const QString& value)> problem = {})
        : option(std::move(option)), required(required), problem(std::move(problem)) {}

    QCommandLineOption option;
    bool required = false;
    std::function<QString(const QString& value)> problem;
};

// An argument after the command's name, always needed; `choices` empty: any value.
struct CommandArgument {
    QString syntax;  // as the usage line shows it, e.g. "changes|stale|coverage"
    QString description;
    QStringList choices;
};

// One command of the command line. `run` gets arguments already checked against `options` and
// `arguments`; it returns the exit code (0 when everything was done, 1 otherwise) and may throw
// UsageError or any std::exception (reported on one line, exit code 1).
struct Command {
    QString name;
    QString summary;  // one line in the program's --help
    QString description;
    std::vector<CommandArgument> arguments;
    std::vector<CommandOption> options;
    std::function<int(const Options&)> run;
};

// The options every command and the program take.
QCommandLineOption ConnectionOption();
QCommandLineOption VerboseOption();
QCommandLineOption HelpOption();

// "a, b or c".
QString OneOf(const QStringList& choices);

// Sets up a parser with the command's options, the shared ones and --help.
void Describe(QCommandLineParser& parser, const Command& command);
// What --help prints for the command: its usage line, description, options and arguments.
QString HelpOf(const QCommandLineParser& parser, const Command& command);
// Checks what a parse of the command's arguments found: every argument there and of its choices,
// none too many, required options given, values the command can work with, no option given twice.
// Throws UsageError.
void Check(const QCommandLineParser& parser, const Command& command);

}  // namespace esoa::cli
