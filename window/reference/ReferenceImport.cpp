#include "window/reference/ReferenceImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QScopedValueRollback>
#include <memory>
#include <vector>

#include "database/DbError.h"
#include "core/ListData.h"
#include "core/files/SaveFile.h"
#include "window/lookup/CoherentRefresh.h"
#include "window/lookup/ItemSource.h"
#include "core/reference/FirstLines.h"
#include "core/reference/ImportRun.h"
#include "window/reference/PhilHealthLists.h"
#include "core/reference/ReferenceFile.h"
#include "window/screen/Screen.h"

namespace esoa {
namespace {

// Refused lines shown in a message; the rest go into the file the user may save.
constexpr int kShownRefused = 10;

// Disables controls for as long as it lives and then gives each back its own setting, however the
// run ends: a click on them mid-run would drop the table being filled or change the target.
class DisabledWhileAlive {
public:
    explicit DisabledWhileAlive(std::vector<QWidget*> widgets) {
        for (QWidget* w : widgets) {
            saved_.push_back({w, w->testAttribute(Qt::WA_ForceDisabled)});
            w->setEnabled(false);
        }
    }
    ~DisabledWhileAlive() {
        for (const auto& [w, wasDisabled] : saved_) {
            if (w) w->setEnabled(!wasDisabled);
        }
    }
    DisabledWhileAlive(const DisabledWhileAlive&) = delete;
    DisabledWhileAlive& operator=(const DisabledWhileAlive&) = delete;

private:
    std::vector<std::pair<QPointer<QWidget>, bool>> saved_;
};

}  // namespace

ReferenceImport::ReferenceImport(Screen& screen, PhilHealthLists& lists, ItemSource& source)
    : s_(screen), lists_(lists), source_(source), folder_(QCoreApplication::applicationDirPath()) {}

void ReferenceImport::cmdScan_Click() {
    if (running_) return;
    const QScopedValueRollback<bool> running(running_, true);
    closing_ = false;

    std::vector<QWidget*> locked{s_.ui.cmdCreateTable, s_.ui.cmdScan};
    for (int i = 0; i < s_.ui.optTable->count(); ++i) locked.push_back(s_.ui.optTable->option(i));
    const DisabledWhileAlive disabled(std::move(locked));

    // Read once: the window stays usable during the import, and every file of the scan goes into
    // the table chosen when it started.
    const QString table = s_.ui.lblESOATableName->text();
    QStringList names;
    for (const ReferenceList& list : ReferenceList::All()) {
        if (s_.ui.optTable->isSelected(list.option)) names << list.names;
    }
    if (names.isEmpty()) return;

    // Every file before anything is stored: the user hears of one that cannot be read first.
    std::vector<ListFile> files;
    {
        const BusyPointer busy(s_.messages);
        files = ReadListFiles(folder_, names);
    }
    QStringList unreadable;
    for (const ListFile& file : files) {
        if (!file.readable())
            unreadable << QStringLiteral("%1 cannot be read, so it was not imported:\n%2")
                              .arg(file.fileName(), file.error);
    }
    bool go = unreadable.size() < qsizetype(files.size());
    if (!go) {
        s_.messages.Show(unreadable.join(QLatin1Char('\n')));
    } else if (review_) {
        go = review_(table, files);
    } else if (!unreadable.isEmpty()) {
        s_.messages.Show(unreadable.join(QLatin1Char('\n')) + QStringLiteral("\nNothing was imported."));
        go = false;
    }
    bool finished = go;
    if (go) {
        FirstLines first;
        for (const ListFile& file : files) {
            if (!file.readable()) continue;
            if (!ImportFile(file, table, first)) {
                finished = false;
                break;
            }
        }
    }
    if (closing_) return;
    RefreshLists();
    if (finished)
        s_.messages.Show(unreadable.isEmpty() ? QStringLiteral("Done.") : unreadable.join(QLatin1Char('\n')));
}

void ReferenceImport::RefreshLists() {
    CoherentRefresh refresh(s_);
    lists_.LoadCategories();
    source_.SetItemSource(false);
    lists_.LoadEsoaItems();
    refresh.Finish();
}

bool ReferenceImport::ImportEsoaFile(const QString& name) {
    FirstLines first;
    return ImportFile(ReadListFiles(folder_, {name}).front(), s_.ui.lblESOATableName->text(), first);
}

bool ReferenceImport::ImportFile(const ListFile& file, const QString& table, FirstLines& first) {
    if (closing_) return false;
    const QString fileName = file.fileName();
    ImportSummary summary;
    {
        const BusyPointer busy(s_.messages);
        std::unique_ptr<Progress> progress;
        const auto step = [&](int done, int total) {
            if (!progress)
                progress =
                    s_.messages.StartProgress(QStringLiteral("Importing %1...").arg(fileName), total, false);
            // Told after each committed batch: the window shows it and handles its events, with
            // no transaction open.
            if (done > 0) {
                progress->Step(done, QStringLiteral("Importing %1: %2 of %3 lines")
                                         .arg(fileName, QString::number(done), QString::number(total)));
            }
            QCoreApplication::processEvents();
            return !closing_ && !progress->Cancelled();
        };
        try {
            ImportRun run(s_.user.sqlconnection(), table);
            run.setFirstLines(first);
            summary = run.Import(file, step);
        } catch (const std::exception& e) {
            // Only the current user's connection can fail here; the run reports its own failures.
            summary.file = fileName;
            summary.end = ImportSummary::End::Failed;
            summary.cause = QStringLiteral("there is no connection to the database");
            summary.detail = DescriptionOf(e);
        }
    }
    if (!closing_) Report(summary, file.name);
    return summary.finished();
}

void ReferenceImport::Report(const ImportSummary& summary, const QString& name) {
    const QString text = summary.Message(kShownRefused);
    if (text.isEmpty()) return;
    if (summary.refused.empty()) {
        s_.messages.Show(text);
        return;
    }
    const QString path = s_.messages.AskSaveFile(
        text + QStringLiteral("\n\nSave the full list of refused lines as a text file?"),
        name + QStringLiteral(" refused lines.txt"));
    if (path.isEmpty()) return;
    try {
        SaveTextFile(path, summary.Report());
    } catch (const std::exception& e) {
        s_.messages.Show(DescriptionOf(e));
    }
}

}  // namespace esoa
