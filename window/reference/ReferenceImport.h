#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace esoa {

struct Screen;
struct ImportSummary;
struct ListFile;
class FirstLines;
class PhilHealthLists;
class ItemSource;

// The window's side of the reference file import (the work itself is ImportRun's): the busy pointer,
// the progress display and what the user is told. The window stays responsive meanwhile, but the
// list choice, "a. Create Tables" and "b. Scan && Import" are disabled for the run.
class ReferenceImport {
public:
    ReferenceImport(Screen& screen, PhilHealthLists& lists, ItemSource& source);

    // Imports the files of the chosen list into the current reference table, both chosen once for
    // the whole scan. Every file is read before anything is stored, and the review (when set) sees
    // them all, a file that cannot be read among them; when no file can be read, one message says so
    // and nothing is stored. When every file that could be read was read to its end, ends with
    // "Done." (or, when a file could not be read, with a message naming it instead); a stop (a
    // failure, Cancel) ends the scan at once with one message. The lists are refreshed after every
    // scan, also one that stopped or was cancelled, but not while the window closes. Does nothing
    // while an import is already running.
    void cmdScan_Click();
    // Imports "<folder>/<name>.csv" into the current reference table and tells the user about its
    // refused lines or why it stopped. True when the file was read to its end.
    bool ImportEsoaFile(const QString& name);

    bool running() const { return running_; }
    // The window is closing: stop after the current line and skip the refresh and message.
    void RequestStop() { closing_ = true; }

    // Asked once a scan has read its files, before anything is stored, with the target table and
    // every file of the list (readable or not); false cancels the scan (nothing stored, no message
    // of the scan's own). Unset: the scan goes straight on when every file could be read, and stops
    // with a message naming the others before storing anything otherwise.
    using Review = std::function<bool(const QString& table, const std::vector<ListFile>& files)>;
    void setReview(Review review) { review_ = std::move(review); }

    // The folder of the reference files: the program's own folder unless set.
    void setFolder(const QString& folder) { folder_ = folder; }
    const QString& folder() const { return folder_; }

private:
    bool ImportFile(const ListFile& file, const QString& table, FirstLines& first);
    void Report(const ImportSummary& summary, const QString& name);
    void RefreshLists();

    Screen& s_;
    PhilHealthLists& lists_;
    ItemSource& source_;
    QString folder_;
    Review review_;
    bool running_ = false;
    bool closing_ = false;
};

}  // namespace esoa
