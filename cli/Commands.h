#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "cli/Command.h"
#include "core/ListData.h"

namespace esoa {
class Connection;
struct ConnectionSetting;
}  // namespace esoa

namespace esoa::cli {

// Every command of the command line, in the order the program's --help lists them. A new command
// is a file of its own (or of its group) giving its Command, and one line in this table.
const std::vector<Command>& CommandTable();
// The command of that name, or null.
const Command* FindCommand(const QString& name);

Command ImportCommand();
Command ExportLinksCommand();
Command ReportCommand();
Command SuggestCommand();
Command ImportLinksCommand();
Command HistoryCommand();
Command UndoCommand();

// Options more than one command takes.
CommandOption ListOption();    // --list item|er, required
CommandOption FolderOption();  // --folder DIR
CommandOption FormatOption();  // --format text|csv

// The reference list --list names ("item", "er"); throws UsageError.
ReferenceList ListOf(const Options& options);
// The folder of the reference files: --folder, or the program's own folder.
QString FolderOf(const Options& options);
// Whether --format asks for CSV.
bool AsCsv(const Options& options);

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

// The change report of the list's reference files (report changes, import --dry-run).
int ChangesReport(const Options& options, const ReferenceList& list, bool asCsv);
// The mapping coverage of the list (report coverage).
int CoverageReport(const Options& options, const ReferenceList& list, bool asCsv);

}  // namespace esoa::cli
