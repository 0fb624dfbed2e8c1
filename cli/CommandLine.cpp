#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSet>

#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "database/DbError.h"

namespace esoa::cli {
namespace {

QCommandLineOption CheckConnectionOption() {
    return {QStringLiteral("check-connection"),
            QStringLiteral("Connect as the program would and tell what it reached; changes nothing.")};
}

// The program's own options, for the window and --check-connection; --help lists the commands.
void DescribeProgram(QCommandLineParser& parser) {
    QString commands;
    for (const Command& command : CommandTable())
        commands += QStringLiteral("  %1  %2\n").arg(command.name, -12).arg(command.summary);
    parser.setApplicationDescription(
        QStringLiteral("Links PhilHealth eSOA reference codes to the hospital's chargeable items.\n"
                       "Without a command the mapping window opens.\n\n"
                       "Commands (no window; exit code 0 when everything was done, 1 otherwise,\n"
                       "2 for arguments not understood):\n") +
        commands + QStringLiteral("Run \"%1 COMMAND --help\" for a command's options.").arg(kProgram));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({ConnectionOption(), CheckConnectionOption(), VerboseOption()});
    parser.addOption(HelpOption());
    QCommandLineOption helpAll(QStringLiteral("help-all"));
    helpAll.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(helpAll);
    parser.addVersionOption();
}

// Where the command's name is among the arguments (-1: none). Options may come before it, so the
// values of options that take one are skipped.
qsizetype CommandAt(const QStringList& arguments) {
    QSet<QString> takingValues{ConnectionOption().names().constFirst()};
    for (const Command& command : CommandTable()) {
        for (const CommandOption& o : command.options) {
            if (!o.option.valueName().isEmpty()) takingValues.insert(o.option.names().constLast());
        }
    }
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) return i + 1 < arguments.size() ? i + 1 : -1;
        if (!a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) return i;
        QString name = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
        if (!name.contains(QLatin1Char('=')) && takingValues.contains(name)) ++i;
    }
    return -1;
}

// One line naming the problem and where to read more.
int UsageProblem(const QString& problem, const QString& command) {
    const QString who =
        QString::fromLatin1(kProgram) + (command.isEmpty() ? QString() : QLatin1Char(' ') + command);
    Err(QStringLiteral("%1: %2\nTry \"%1 --help\".\n").arg(who, problem));
    return 2;
}

int Failure(const std::exception& e) {
    Err(DescriptionOf(e) + QLatin1Char('\n'));
    return 1;
}

int RunCommand(const Invocation& inv) {
    const Command& command = *FindCommand(inv.command);
    QStringList arguments = inv.arguments;
    arguments.removeAt(CommandAt(arguments));
    QCommandLineParser parser;
    Describe(parser, command);
    if (!parser.parse(arguments)) return UsageProblem(parser.errorText(), command.name);
    if (parser.isSet(QStringLiteral("help"))) {
        Out(HelpOf(parser, command));
        return 0;
    }
    try {
        Check(parser, command);
        if (parser.isSet(QStringLiteral("verbose"))) EnableStatementLog();
        return command.run(
            Options{parser, parser.value(QStringLiteral("connection")), parser.positionalArguments()});
    } catch (const UsageError& e) {
        return UsageProblem(e.text, command.name);
    } catch (const std::exception& e) {
        return Failure(e);
    }
}

int RunProgram(const Invocation& inv) {
    QCommandLineParser parser;
    DescribeProgram(parser);
    if (inv.kind == Invocation::Kind::Usage || !parser.parse(inv.arguments))
        return UsageProblem(inv.error.isEmpty() ? parser.errorText() : inv.error, {});
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        Out(QStringLiteral("Usage: %1 [options] [COMMAND ...]\n").arg(kProgram) +
            parser.helpText().section(QLatin1Char('\n'), 1));
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        Out(QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
            QLatin1Char('\n'));
        return 0;
    }
    if (inv.verbose) EnableStatementLog();
    try {
        return CheckConnection(Options{parser, inv.connection, {}});
    } catch (const std::exception& e) {
        return Failure(e);
    }
}

}  // namespace

void EnableStatementLog() {
    QLoggingCategory::setFilterRules(
        QStringLiteral("esoa.sql.debug=true\nesoa.sql.info=true\nesoa.sql.warning=true"));
}

Invocation Parse(const QStringList& arguments) {
    Invocation inv;
    inv.arguments = arguments;
    if (const qsizetype at = CommandAt(arguments); at >= 0) {
        inv.command = arguments[at];
        inv.kind = FindCommand(inv.command) ? Invocation::Kind::Headless : Invocation::Kind::Usage;
        if (inv.kind == Invocation::Kind::Usage)
            inv.error = QStringLiteral("Unknown command \"%1\".").arg(inv.command);
        return inv;
    }
    QCommandLineParser parser;
    DescribeProgram(parser);
    if (!parser.parse(arguments)) {
        inv.kind = Invocation::Kind::Usage;
        inv.error = parser.errorText();
        return inv;
    }
    inv.connection = parser.value(QStringLiteral("connection"));
    inv.verbose = parser.isSet(QStringLiteral("verbose"));
    for (const char* headless : {"help", "help-all", "version", "check-connection"}) {
        if (parser.isSet(QLatin1String(headless))) inv.kind = Invocation::Kind::Headless;
    }
    return inv;
}

int Run(const Invocation& inv) {
    const bool command = inv.kind != Invocation::Kind::Usage && !inv.command.isEmpty();
    const int code = command ? RunCommand(inv) : RunProgram(inv);
    // A result that did not reach its file is no result: a job must not take it for one.
    if (const QString failure = OutFailure(); !failure.isEmpty()) {
        Err(QStringLiteral("Cannot write the results to standard output: %1.\n").arg(failure));
        return 1;
    }
    return code;
}

}  // namespace esoa::cli
