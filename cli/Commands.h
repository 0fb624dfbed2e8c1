#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <memory>

#include "updates/ListData.h"

namespace esoa {
class Connection;
}

namespace esoa::cli {

// The parsed arguments of one command, and the --connection override.
struct Options {
    const QCommandLineParser& parser;
    QString connection;

    QString Value(const char* name) const { return parser.value(QLatin1String(name)); }
    bool IsSet(const char* name) const { return parser.isSet(QLatin1String(name)); }
};

// Arguments a command cannot work with: printed with the usage, exit code 2.
struct UsageError {
    QString text;
};

// The reference list --list names ("item", "er"); throws UsageError.
ReferenceList ListOf(const Options& options);
// The folder of the reference files: --folder, or the program's own folder.
QString FolderOf(const Options& options);

// Opens the connection the program would use (or --connection's); throws DbError.
std::unique_ptr<Connection> OpenConnection(const Options& options);

int CheckConnection(const Options& options);
int ImportCommand(const Options& options);
int ExportLinksCommand(const Options& options);
int ReportCommand(const Options& options, const QString& which);
int SuggestCommand(const Options& options);
int CoverageCommand(const Options& options, const ReferenceList& list, bool asCsv);

}  // namespace esoa::cli
