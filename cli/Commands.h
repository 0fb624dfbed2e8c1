#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <memory>

#include "core/ListData.h"

namespace esoa {
class Connection;
struct ConnectionSetting;
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

// The connection setting the program would use, or --connection's; throws std::invalid_argument.
ConnectionSetting SettingOf(const Options& options);
// Opens the connection the program would use (or --connection's); throws DbError.
std::unique_ptr<Connection> OpenConnection(const Options& options);

// Connects as the program would, changing nothing (see ConnectionCheck.cpp), and tells what it
// reached and what is missing; exit code 0 when everything the program needs is there.
int CheckConnection(const Options& options);
// The statement that asks SQL Server, in the context of Build_FIle, for the rights the program
// needs: one row of CreateTable (CREATE TABLE in Build_FIle), AlterSchema (ALTER on its schema dbo)
// and ReadInventory (SELECT on Inventory.dbo.tbInvMaster), each 1, 0 or NULL.
QString RightsStatement();
int ImportCommand(const Options& options);
int ExportLinksCommand(const Options& options);
int ReportCommand(const Options& options, const QString& which);
int SuggestCommand(const Options& options);
int CoverageCommand(const Options& options, const ReferenceList& list, bool asCsv);

}  // namespace esoa::cli
