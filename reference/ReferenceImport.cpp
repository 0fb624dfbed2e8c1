#include "reference/ReferenceImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QScopedValueRollback>
#include <optional>

#include "app/Connection.h"
#include "app/DbError.h"
#include "app/SqlText.h"
#include "lookup/ItemSource.h"
#include "reference/NextToken.h"
#include "reference/PhilHealthLists.h"
#include "reference/ReferenceFile.h"
#include "screen/Screen.h"

namespace esoa {
namespace {

// The progress display is redrawn every so many lines; events are processed after every line.
constexpr int kProgressEvery = 50;

}  // namespace

ReferenceImport::ReferenceImport(Screen& screen, PhilHealthLists& lists, ItemSource& source)
    : s_(screen), lists_(lists), source_(source), folder_(QCoreApplication::applicationDirPath()) {}

void ReferenceImport::cmdScan_Click() {
    if (running_) return;
    const QScopedValueRollback<bool> running(running_, true);
    closing_ = false;
    cancelled_ = false;

    // The choice is read once: the window stays usable during the import.
    const bool itemList = s_.ui.optTable->isSelected(0);
    const bool erList = s_.ui.optTable->isSelected(1);
    if (itemList) {
        ImportEsoaFile(QStringLiteral("ESOA_ITEM"));
        ImportEsoaFile(QStringLiteral("ESOA_MEDICINE"));
    }
    if (erList) ImportEsoaFile(QStringLiteral("ESOA_ER"));
    if (closing_) return;

    lists_.LoadCategories();
    source_.SetItemSource(false);
    lists_.LoadEsoaItems();
    s_.messages.Show(QStringLiteral("Done."));
}

void ReferenceImport::ImportEsoaFile(const QString& name) {
    if (closing_ || cancelled_) return;
    s_.messages.SetBusy(true);
    QCoreApplication::processEvents();

    const QString fileName = name + QStringLiteral(".csv");
    QStringList lines;
    try {
        lines = ReadReferenceFile(QDir(folder_).filePath(fileName));
    } catch (const std::exception& e) {
        s_.messages.SetBusy(false);
        s_.messages.Show(DescriptionOf(e));
        return;
    }

    // The target is fixed for the whole file, whatever the user clicks meanwhile.
    const QString table = s_.ui.lblESOATableName->text();
    const bool erTable = table == QLatin1String("ESOA_ER");
    const bool medicine = name == QLatin1String("ESOA_MEDICINE");
    const QString bar = QStringLiteral("|");
    const int total = static_cast<int>(lines.size());
    auto progress = s_.messages.StartProgress(QStringLiteral("Importing %1...").arg(fileName), total, false);

    for (int i = 0; i < total; ++i) {
        if (closing_) break;
        if (progress->Cancelled()) {
            cancelled_ = true;
            break;
        }
        QString rest = lines[i];
        const QString code = NextToken(rest, bar);
        QString category = NextToken(rest, bar);
        const QString description = NextToken(rest, bar);
        if (medicine) category = QStringLiteral("Medicine");
        QString fixedFee;
        QString chargingUnit;
        if (erTable) {
            fixedFee = NextToken(rest, bar);
            chargingUnit = NextToken(rest, bar);
        }

        std::optional<Recordset> rs;
        try {
            rs = s_.user.sqlconnection().OpenRecordset(
                QStringLiteral("SELECT * FROM [Build_FIle].[dbo].") + table + QStringLiteral(" WHERE Code = '") +
                    sql::Escaped(code) + QStringLiteral("'   "),
                CursorType::Dynamic, LockType::Optimistic);
        } catch (const std::exception& e) {
            // A lookup fails for reasons of the table or the connection, not of this line: every
            // further line would fail the same way.
            s_.messages.SetBusy(false);
            s_.messages.Show(DescriptionOf(e));
            break;
        }
        try {
            if (rs->isEOF()) {
                rs->AddNew();
                rs->SetField(QStringLiteral("Code"), code);
                rs->SetField(QStringLiteral("Category"), category);
                rs->SetField(QStringLiteral("Description"), description);
                if (erTable) {
                    rs->SetField(QStringLiteral("FixedFee"), fixedFee);
                    rs->SetField(QStringLiteral("ChargingUnit"), chargingUnit);
                }
            }
            rs->Update();
        } catch (const std::exception& e) {
            // A value the database refuses belongs to this line only; the next line stands alone.
            s_.messages.SetBusy(false);
            s_.messages.Show(QStringLiteral("%1, line %2: %3").arg(fileName).arg(i + 1).arg(DescriptionOf(e)));
        }
        rs->Close();

        if ((i + 1) % kProgressEvery == 0 || i + 1 == total) {
            progress->Step(i + 1, QStringLiteral("Importing %1: %2 of %3 lines").arg(fileName).arg(i + 1).arg(total));
        } else {
            QCoreApplication::processEvents();
        }
    }
    progress.reset();
    s_.messages.SetBusy(false);
}

}  // namespace esoa
