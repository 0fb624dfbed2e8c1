#include "cli/Command.h"

namespace esoa::cli {
namespace {

QString LongName(const QCommandLineOption& option) {
    return option.names().constLast();
}

// "--list item|er" or "[--folder DIR]".
QString Synopsis(const QCommandLineOption& option, bool required) {
    QString text = QStringLiteral("--") + LongName(option);
    if (!option.valueName().isEmpty()) text += QLatin1Char(' ') + option.valueName();
    return required ? text : QLatin1Char('[') + text + QLatin1Char(']');
}

// The text in lines of at most 79 characters (a longer word stands alone), as the parser wraps
// the options; lines after the first indented by `indent`.
QString Wrapped(const QString& text, int indent) {
    QString wrapped;
    qsizetype column = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (column > indent && column + 1 + word.size() > 79) {
            wrapped += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
        } else if (column > 0) {
            wrapped += QLatin1Char(' ');
            ++column;
        }
        wrapped += word;
        column += word.size();
    }
    return wrapped;
}

}  // namespace

QCommandLineOption ConnectionOption() {
    return {QStringLiteral("connection"),
            QStringLiteral(
                "Connect to SETTING for this run: demo, embedded:<folder> or odbc:<connection string>."),
            QStringLiteral("SETTING")};
}

QCommandLineOption VerboseOption() {
    return {
        QStringLiteral("verbose"),
        QStringLiteral("Log every statement (T-SQL, transactions included) and database error on standard "
                       "error. The embedded database's own SQLite statements: "
                       "QT_LOGGING_RULES=esoa.sqlite.debug=true.")};
}

QCommandLineOption HelpOption() {
    return {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")};
}

QString OneOf(const QStringList& choices) {
    if (choices.size() < 2) return choices.join(QString());
    return choices.mid(0, choices.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") +
           choices.constLast();
}

void Describe(QCommandLineParser& parser, const Command& command) {
    parser.setApplicationDescription(Wrapped(command.description, 0));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const CommandOption& o : command.options) parser.addOption(o.option);
    parser.addOption(ConnectionOption());
    parser.addOption(VerboseOption());
    parser.addOption(HelpOption());
    for (const CommandArgument& a : command.arguments) parser.addPositionalArgument(a.syntax, a.description);
}

QString HelpOf(const QCommandLineParser& parser, const Command& command) {
    QStringList usage{QString::fromLatin1(kProgram), command.name};
    for (const CommandArgument& a : command.arguments) usage << a.syntax;
    for (const CommandOption& o : command.options) usage << Synopsis(o.option, o.required);
    usage << Synopsis(ConnectionOption(), false) << Synopsis(VerboseOption(), false);
    // The parser's own first line names the program by the path it was started with.
    const QString first = QStringLiteral("Usage: %1 %2 ").arg(kProgram, command.name);
    return Wrapped(QStringLiteral("Usage: ") + usage.join(QLatin1Char(' ')), int(first.size())) +
           QLatin1Char('\n') + parser.helpText().section(QLatin1Char('\n'), 1);
}

void Check(const QCommandLineParser& parser, const Command& command) {
    const QStringList given = parser.positionalArguments();
    for (std::size_t i = 0; i < command.arguments.size(); ++i) {
        const CommandArgument& a = command.arguments[i];
        const QString what = a.choices.isEmpty() ? a.syntax : OneOf(a.choices);
        if (qsizetype(i) >= given.size())
            throw UsageError{QStringLiteral("%1 needs %2.").arg(command.name, what)};
        if (!a.choices.isEmpty() && !a.choices.contains(given[qsizetype(i)]))
            throw UsageError{
                QStringLiteral("%1 needs %2, not \"%3\".").arg(command.name, what, given[qsizetype(i)])};
    }
    if (given.size() > qsizetype(command.arguments.size()))
        throw UsageError{
            QStringLiteral("Unexpected argument \"%1\".").arg(given[qsizetype(command.arguments.size())])};

    std::vector<CommandOption> options = command.options;
    options.push_back({ConnectionOption()});
    for (const CommandOption& o : options) {
        const QString name = LongName(o.option);
        // The last of two values would win silently, whichever the user meant.
        if (!o.option.valueName().isEmpty() && parser.values(name).size() > 1)
            throw UsageError{QStringLiteral("--%1 is given more than once.").arg(name)};
        const QString value = parser.value(name);
        if (o.required && value.isEmpty())
            throw UsageError{QStringLiteral("%1 is needed.").arg(Synopsis(o.option, true))};
        // An empty value is most often a script's unset variable: the default it would fall back to
        // (standard output, the program's folder) is not what was asked for. An empty --connection
        // keeps meaning the current user's setting.
        if (value.isEmpty() && parser.isSet(name) && !o.option.valueName().isEmpty() &&
            name != LongName(ConnectionOption()))
            throw UsageError{QStringLiteral("--%1 needs a value.").arg(name)};
        if (o.problem && parser.isSet(name)) {
            if (const QString problem = o.problem(value); !problem.isEmpty()) throw UsageError{problem};
        }
    }
}

}  // namespace esoa::cli
