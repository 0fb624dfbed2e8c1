#pragma once

#include <QString>

namespace esoa {

struct Screen;
class PhilHealthLists;
class ItemSource;

// Loads the PhilHealth reference files lying in the program's folder into the current reference
// table: only codes the table does not hold yet are added, each new row stored by itself; stored
// rows are never changed. The window stays responsive meanwhile and shows the progress.
class ReferenceImport {
public:
    ReferenceImport(Screen& screen, PhilHealthLists& lists, ItemSource& source);

    // Imports the files of the chosen list, refreshes the lists and ends with "Done.". Does
    // nothing while an import is already running.
    void cmdScan_Click();
    // Imports "<folder>/<name>.csv" into the current reference table. Reports its own errors.
    void ImportEsoaFile(const QString& name);

    bool running() const { return running_; }
    // The window is closing: stop after the current line and skip the refresh and message.
    void RequestStop() { closing_ = true; }

    // The folder of the reference files: the program's own folder unless set.
    void setFolder(const QString& folder) { folder_ = folder; }
    const QString& folder() const { return folder_; }

private:
    Screen& s_;
    PhilHealthLists& lists_;
    ItemSource& source_;
    QString folder_;
    bool running_ = false;
    bool closing_ = false;
    bool cancelled_ = false;
};

}  // namespace esoa
