#include "LargeHospital.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "core/demo/DemoDatabase.h"
#include "core/reference/ReferenceSchema.h"
#include "database/Databases.h"
#include "database/DbError.h"
#include "database/sqlite/SqliteConnection.h"

namespace esoa {
namespace {

std::unique_ptr<LargeHospital> theHospital;

std::unique_ptr<SqliteConnection> open(const QString& folder) {
    return std::make_unique<SqliteConnection>(folder, SqliteConnection::Options{});
}

// The sample file's lines as (k, category, description, fee, unit) rows of a VALUES list, k from 0.
QString sampleRows(const QStringList& files, const QString& category, int& count) {
    QStringList rows;
    for (const QString& name : files) {
        QFile file(QDir(QStringLiteral(ESOA_BENCH_REFERENCE_DIR)).filePath(name));
        if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read the sample " + name.toStdString());
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QStringList f = QString::fromUtf8(line).trimmed().split(QLatin1Char('|'));
            if (f.size() < 3) continue;
            const auto quoted = [](QString v) { return QLatin1Char('\'') + v.replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\''); };
            rows << QStringLiteral("(%1, %2, %3, %4, %5)")
                        .arg(count++)
                        .arg(quoted(category.isEmpty() ? f[1] : category), quoted(f[2]),
                             f.value(3).isEmpty() ? QStringLiteral("NULL") : f[3], quoted(f.value(4)));
        }
    }
    return rows.join(QLatin1Char(','));
}

}  // namespace

LargeHospital& LargeHospital::Get() {
    if (!theHospital) theHospital.reset(new LargeHospital());
    return *theHospital;
}

void LargeHospital::Release() { theHospital.reset(); }

LargeHospital::LargeHospital() {
    folder_ = qEnvironmentVariable("ESOA_BENCH_HOSPITAL");
    if (folder_.isEmpty()) {
        temporary_ = std::make_unique<QTemporaryDir>();
        folder_ = temporary_->path();
    }
    const bool built = QFileInfo::exists(QDir(folder_).filePath(QStringLiteral("large-hospital.done")));
    connection_ = open(folder_);
    if (built) return;
    Build();
    QFile done(QDir(folder_).filePath(QStringLiteral("large-hospital.done")));
    done.open(QIODevice::WriteOnly);
}

void LargeHospital::Build() {
    SqliteConnection& c = *connection_;
    demo::Seed(c);
    c.RunScript(QStringLiteral(
                    "BEGIN;"
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < %1) "
                    "INSERT INTO Inventory.tbInvMaster (ItemID, ItemName, ItemDesc, GenericID, itemstatus) "
                    "SELECT 100000+i, g.GenericName || ' ' || (5*(1+i%200)) || "
                    "CASE i%4 WHEN 0 THEN 'mg tab' WHEN 1 THEN ' mg capsule' WHEN 2 THEN 'mg/5mL syr' ELSE ' mcg amp' END "
                    "|| ' (brand ' || (i%97) || ')', '', g.GenericID, CASE WHEN i % 20 = 0 THEN 1 ELSE 0 END "
                    "FROM n JOIN Inventory.tbForGeneric g "
                    "ON g.GenericID = 1 + (n.i % (SELECT COUNT(*) FROM Inventory.tbForGeneric));"
                    "COMMIT;")
                    .arg(kItems));
    for (const char* table : {"ESOA_ITEM", "ESOA_ER"}) {
        for (const QString& statement : CreateTableStatements(QLatin1String(table))) {
            try {
                static_cast<Connection&>(c).Execute(statement);
            } catch (const DbError&) {
                // The hospital's tables have no ESOA_Code column to drop.
            }
        }
    }
    int er = 0, item = 0;
    const QString erSample = sampleRows({QStringLiteral("ESOA_ER.csv")}, {}, er);
    const QString itemSample = sampleRows({QStringLiteral("ESOA_ITEM.csv")}, {}, item) + QLatin1Char(',') +
                               sampleRows({QStringLiteral("ESOA_MEDICINE.csv")}, QStringLiteral("Medicine"), item);
    const QString codes = QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i < %1 - 1), "
        "s(k, Category, Description, FixedFee, ChargingUnit) AS (VALUES %2) "
        "INSERT INTO Build_FIle.%3 (Code, Category, Description, FixedFee, ChargingUnit) "
        "SELECT '%4' || substr('00000' || i, -6), s.Category, s.Description, s.FixedFee, s.ChargingUnit "
        "FROM n JOIN s ON s.k = n.i % %5 ORDER BY i;");
    c.RunScript(QStringLiteral("BEGIN;") +
                codes.arg(QString::number(kCodes), erSample, QStringLiteral("ESOA_ER"), QStringLiteral("ER"),
                          QString::number(er)) +
                codes.arg(QString::number(kCodes), itemSample, QStringLiteral("ESOA_ITEM"), QStringLiteral("IT"),
                          QString::number(item)) +
                QStringLiteral("COMMIT;"));
    // The links: their copies from the code's row, a few changed since; their items as described above.
    c.RunScript(QStringLiteral(
                    "BEGIN;"
                    "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i < %1 - 1) "
                    "INSERT INTO Build_FIle.ESOA_ER_LINK (Code, Category, Description, FixedFee, ChargingUnit, ItemID, "
                    "ItemDesc, InvOrProc, RevenueID, SectionID) "
                    "SELECT CASE WHEN i % 100 = 0 THEN 'GONE' || i ELSE R.Code END, R.Category, R.Description, "
                    "R.FixedFee + CASE WHEN i % 50 = 1 THEN 1 ELSE 0 END, R.ChargingUnit, "
                    "CASE WHEN i % 10 <> 5 THEN CASE WHEN i % 1000 = 3 THEN 5000000 + i "
                    "ELSE 100001 + (i * 9973) % %2 END ELSE 1 + i % 40 END, 'Linked item ' || i, "
                    "CASE WHEN i % 10 <> 5 THEN 'INV' ELSE 'PROC' END, "
                    "CASE WHEN i % 10 <> 5 THEN 'PH' WHEN i % 30 = 5 THEN 'LB' WHEN i % 30 = 15 THEN 'XR' ELSE '' END, "
                    "CASE WHEN i % 30 = 25 THEN 'OR' ELSE '' END "
                    "FROM n JOIN Build_FIle.ESOA_ER R ON R.ID = 1 + (i * 7) % %3 ORDER BY i;"
                    "COMMIT;")
                    .arg(kErLinks)
                    .arg(kItems)
                    .arg(kCodes));
}

}  // namespace esoa
