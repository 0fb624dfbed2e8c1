#include "window/updates/UpdatePromptsDialog.h"

#include <QApplication>
#include <QMessageBox>

#include "database/DbError.h"
#include "window/screen/Messages.h"
#include "window/updates/ChangesDialog.h"
#include "window/updates/StaleLinksDialog.h"

namespace esoa {

QString AskCsvPath(QWidget* parent, const QString& title, const QString& suggestedName) {
    return AskSavePathInDocuments(parent, title, suggestedName,
                                  QStringLiteral("CSV files (*.csv);;All files (*)"));
}

void SaveCsvAsked(QWidget* parent, const QString& suggestedName, const csv::Table& table) {
    const QString path = AskCsvPath(parent, QApplication::applicationDisplayName(), suggestedName);
    if (path.isEmpty()) return;
    try {
        csv::Save(path, table, csv::Flavour::Spreadsheet);
    } catch (const std::exception& e) {
        QMessageBox::warning(parent, QApplication::applicationDisplayName(), DescriptionOf(e));
    }
}

bool DialogPrompts::ReviewChanges(const ChangeReport& report, bool offerContinue) {
    ChangesDialog dialog(report, offerContinue, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted && offerContinue;
}

std::optional<bool> DialogPrompts::ConfirmApply(const ChangeReport& report) {
    ApplyDialog dialog(report, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.alsoLinks();
}

std::vector<int> DialogPrompts::ReviewStaleLinks(const ReferenceList& list, const std::vector<StaleLink>& links) {
    StaleLinksDialog dialog(list, links, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.chosen();
}

QString DialogPrompts::AskSavePath(const QString& title, const QString& suggestedName) {
    return AskCsvPath(QApplication::activeWindow(), title, suggestedName);
}

}  // namespace esoa
