#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>

#include "database/DbError.h"
#include "cli/Commands.h"
#include "cli/Terminal.h"

namespace esoa::cli {
namespace {

const QStringList kCommands{QStringLiteral("import"), QStringLiteral("export-links"), QStringLiteral("report"),
                            QStringLiteral("suggest")};

// One parser for the window's options and every command's, so that --help lists them all.
void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Links PhilHealth eSOA reference codes to the hospital's chargeable items.\n"
        "Without a command the mapping window opens.\n\n"
        "Commands (no window; exit code 0 when everything was done, 1 otherwise):\n"
        "  import --list item|er [--folder DIR] [--dry-run]\n"
        "  export-links --list item|er [--output FILE]\n"
        "  report changes|stale|coverage --list item|er [--folder DIR] [--format text|csv]\n"
        "  suggest --list item|er --code CODE [--revenue ID] [--limit N]"));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("connection"),
         QStringLiteral(
             "Connect to SETTING for this run: demo, embedded:<folder> or odbc:<connection string>."),
         QStringLiteral("SETTING")},
        {QStringLiteral("check-connection"),
         QStringLiteral("Connect as the program would and tell what it reached; changes nothing.")},
        {QStringLiteral("verbose"),
         QStringLiteral("Log every statement (T-SQL, transactions included) and database error on standard "
                        "error. The embedded database's own SQLite statements: "
                        "QT_LOGGING_RULES=esoa.sqlite.debug=true.")},
        {QStringLiteral("list"), QStringLiteral("The reference list: item or er."), QStringLiteral("LIST")},
        {QStringLiteral("folder"),
         QStringLiteral("Folder of the reference files (default: the program's folder)."),
         QStringLiteral("DIR")},
        {QStringLiteral("dry-run"), QStringLiteral("import: print the change report and write nothing.")},
        {QStringLiteral("output"),
         QStringLiteral("export-links: the CSV file (default: standard output); exact values, no byte "
                        "order mark."),
         QStringLiteral("FILE")},
        {QStringLiteral("format"), QStringLiteral("report: text or csv (default text)."),
         QStringLiteral("FORMAT")},
        {QStringLiteral("code"), QStringLiteral("suggest: the PhilHealth code."), QStringLiteral("CODE")},
        {QStringLiteral("revenue"),
         QStringLiteral("suggest: search the exam table of this revenue (default: the one the code's "
                        "category routes to, as in the window)."),
         QStringLiteral("ID")},
        {QStringLiteral("limit"), QStringLiteral("suggest: candidates listed (default 50)."),
         QStringLiteral("N")},
    });
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("import, export-links, report or suggest."),
                                 QStringLiteral("[command]"));
}

}  // namespace

void EnableStatementLog() {
    QLoggingCategory::setFilterRules(QStringLiteral("esoa.sql.debug=true\nesoa.sql.info=true\nesoa.sql.warning=true"));
}

Invocation Parse(const QStringList& arguments) {
    Invocation inv;
    inv.arguments = arguments;
    QCommandLineParser parser;
    Describe(parser);
    if (!parser.parse(arguments)) {
        inv.kind = Invocation::Kind::Usage;
        inv.error = parser.errorText();
        return inv;
    }
    inv.connection = parser.value(QStringLiteral("connection"));
    inv.verbose = parser.isSet(QStringLiteral("verbose"));
    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty() && !kCommands.contains(positional.front())) {
        inv.kind = Invocation::Kind::Usage;
        inv.error = QStringLiteral("Unknown command \"%1\".").arg(positional.front());
        return inv;
    }
    const bool textOnly = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
                          parser.isSet(QStringLiteral("version"));
    if (textOnly || parser.isSet(QStringLiteral("check-connection")) || !positional.isEmpty())
        inv.kind = Invocation::Kind::Headless;
    return inv;
}

namespace {

int RunParsed(const Invocation& inv) {
    QCommandLineParser parser;
    Describe(parser);
    if (inv.kind == Invocation::Kind::Usage || !parser.parse(inv.arguments)) {
        Err((inv.error.isEmpty() ? parser.errorText() : inv.error) + QStringLiteral("\n\n") + parser.helpText());
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        Out(parser.helpText());
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        Out(QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
            QLatin1Char('\n'));
        return 0;
    }
    if (inv.verbose) EnableStatementLog();
    Options options{parser, inv.connection};
    if (parser.isSet(QStringLiteral("check-connection"))) return CheckConnection(options);
    const QStringList positional = parser.positionalArguments();
    const QString command = positional.value(0);
    try {
        if (command == QLatin1String("import")) return ImportCommand(options);
        if (command == QLatin1String("export-links")) return ExportLinksCommand(options);
        if (command == QLatin1String("report")) return ReportCommand(options, positional.value(1));
        if (command == QLatin1String("suggest")) return SuggestCommand(options);
    } catch (const UsageError& e) {
        Err(e.text + QStringLiteral("\n\n") + parser.helpText());
        return 2;
    } catch (const std::exception& e) {
        Err(DescriptionOf(e) + QLatin1Char('\n'));
        return 1;
    }
    Err(parser.helpText());
    return 2;
}

}  // namespace

int Run(const Invocation& inv) {
    const int code = RunParsed(inv);
    // A result that did not reach its file is no result: a job must not take it for one.
    if (const QString failure = OutFailure(); !failure.isEmpty()) {
        Err(QStringLiteral("Cannot write the results to standard output: %1.\n").arg(failure));
        return 1;
    }
    return code;
}

}  // namespace esoa::cli
