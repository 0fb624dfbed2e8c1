#pragma once

#include <QString>
#include <functional>

namespace esoa {

struct Screen;
struct ImportSummary;
class PhilHealthLists;
class ItemSource;

// The window's side of the reference file import (the work itself is ImportRun's): the busy pointer,
// the progress display and what the user is told. The window stays responsive meanwhile, but the
// list choice, "a. Create Tables" and "b. Scan && Import" are disabled for the run.
class ReferenceImport {
public:
    ReferenceImport(Screen& screen, PhilHealthLists& lists, ItemSource& source);

    // Imports the files of the chosen list into the current reference table, both read once for the
    // whole scan. When every file was read to its end, refreshes the lists and ends with "Done.";
    // a stop (a failure, Cancel) ends the scan at once with one message. Does nothing while an
    // import is already running.
    void cmdScan_Click();
    // Imports "<folder>/<name>.csv" into the current reference table and tells the user about its
    // refused lines or why it stopped. True when the file was read to its end.
    bool ImportEsoaFile(const QString& name);

    bool running() const { return running_; }
    // The window is closing: stop after the current line and skip the refresh and message.
    void RequestStop() { closing_ = true; }

    // Asked once a scan has chosen its files, before anything is read or stored, with the target
    // table; false cancels the scan (nothing stored, no message). Unset: the scan goes straight on.
    void setReview(std::function<bool(const QString& table)> review) { review_ = std::move(review); }

    // The folder of the reference files: the program's own folder unless set.
    void setFolder(const QString& folder) { folder_ = folder; }
    const QString& folder() const { return folder_; }

private:
    bool ImportFile(const QString& name, const QString& table);
    void Report(const ImportSummary& summary, const QString& name);

    Screen& s_;
    PhilHealthLists& lists_;
    ItemSource& source_;
    QString folder_;
    std::function<bool(const QString&)> review_;
    bool running_ = false;
    bool closing_ = false;
};

}  // namespace esoa
