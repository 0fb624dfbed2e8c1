// The demo hospital and the sample PhilHealth files are what a first run of the tool works on:
// these tests hold them to the shapes that the mapping screen's statements and the import expect.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>

#include "database/SqlText.h"
#include "support/TestDatabase.h"

namespace esoa {
namespace {

QString resourceText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

class DemoDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* script : {":/data/demo/inventory.sql", ":/data/demo/build_file.sql"}) {
            const QString text = resourceText(QLatin1String(script));
            ASSERT_FALSE(text.isEmpty()) << script;
            db.Raw(text);
        }
    }

    test::TestDatabase db;
};

TEST_F(DemoDataTest, EveryRevenueNamesAnExamTableThatTheProcedureSearchCanRead) {
    const ReadResult revenues = db.connection().Read(
        "SELECT [RevenueID],[ExamTableName],[IDFieldName],[ExamFieldName],[SectionIDFieldName],LocationID  "
        "FROM [Build_FIle].[dbo].[tbRevenues] WITH (NOLOCK) WHERE 1=1 ",
        CursorType::ForwardOnly, LockType::ReadOnly);
    QSet<QString> tables;
    for (const QStringList& row : revenues.rows) {
        const QString& table = row[1];
        const QString& idField = row[2];
        const QString& nameField = row[3];
        ASSERT_TRUE(sql::IsPlainName(table) && sql::IsPlainName(idField) && sql::IsPlainName(nameField))
            << row.join('|').toStdString();
        // The statement of the procedure search, as a click on this revenue builds it.
        const QStringList names =
            db.Column("SELECT " + idField + "," + nameField + " FROM [Build_FIle].[dbo].[" + table +
                          "] WITH (NOLOCK) WHERE Status='A' ",
                      1);
        EXPECT_GE(names.size(), 5) << table.toStdString();
        EXPECT_FALSE(names.contains(QString())) << table.toStdString();
        tables << table;
    }
    // The category routing reaches these three exam tables without going through tbRevenues.
    for (const char* routed : {"tbcoLabExam", "tbcoXRayExam", "tbcoOtherRevenue"})
        EXPECT_TRUE(tables.contains(QLatin1String(routed))) << routed;
    EXPECT_GE(db.Count("SELECT COUNT(*) FROM Build_FIle..tbcoLabExam"), 30);
    EXPECT_GE(db.Count("SELECT COUNT(*) FROM Build_FIle..tbcoXRayExam"), 20);
    EXPECT_GE(db.Count("SELECT COUNT(*) FROM Build_FIle..tbcoUltraExam"), 15);
    EXPECT_GE(db.Count("SELECT COUNT(*) FROM Build_FIle..tbcoCTExam"), 10);
    EXPECT_GE(db.Count("SELECT COUNT(*) FROM Build_FIle..tbcoOtherRevenue"), 40);
    EXPECT_GT(db.Count("SELECT COUNT(*) FROM Build_FIle..tbcoOtherRevenue WHERE Status='I'"), 0);
}

TEST_F(DemoDataTest, RevenueCodesSplitByLocationAndEveryProcedureCodeHasItems) {
    const QString base =
        "select RevenueID,itemname from Build_FIle..tbcorevenuecode WITH (NOLOCK)  where Recordstatus='A' ";
    const QStringList inventoryCodes =
        db.Column(base + " AND (LocationID IS NOT NULL AND LocationID <> '')" + "ORDER BY itemname");
    const QStringList procedureCodes =
        db.Column(base + " AND (LocationID IS NULL OR LocationID = '')" + "ORDER BY itemname");
    EXPECT_TRUE(inventoryCodes.contains("PH"));
    EXPECT_GE(inventoryCodes.size(), 3);
    EXPECT_GE(procedureCodes.size(), 5);
    EXPECT_GT(db.Count("SELECT COUNT(*) FROM Build_FIle..tbcorevenuecode WHERE Recordstatus='I' "
                       "AND (LocationID IS NULL OR LocationID = '')"),
              0);
    EXPECT_GT(db.Count("SELECT COUNT(*) FROM Build_FIle..tbcorevenuecode WHERE Recordstatus='I' "
                       "AND LocationID <> ''"),
              0);
    // A procedure code lists the active rows of tbcoOtherRevenue filed under it as section; the
    // sections that the category routing presets (OR, RA, ER) must be among them.
    for (const QString& code : procedureCodes + QStringList{"OR", "RA", "ER"}) {
        EXPECT_GT(db.Count("SELECT COUNT(*) FROM [Build_FIle].[dbo].[tbcoOtherRevenue] WITH (NOLOCK) WHERE "
                           "Status='A'  AND OtherSectionID  = '" +
                           sql::Escaped(code) + "'  "),
                  0)
            << code.toStdString();
    }
}

TEST_F(DemoDataTest, InventoryHasInactiveItemsItemsWithoutGenericAndTheDroppableColumns) {
    EXPECT_GE(db.Count("SELECT COUNT(*) FROM Inventory..tbInvMaster"), 300);
    EXPECT_GT(db.Count("SELECT COUNT(*) FROM Inventory..tbInvMaster WHERE itemstatus <> 0"), 0);
    EXPECT_GT(
        db.Count("SELECT COUNT(*) FROM Inventory..tbInvMaster WHERE itemstatus = 0 AND GenericID IS NULL"),
        0);
    // "Create Tables" drops ESOA_Code from these four tables; the demo must give it something to drop.
    for (const char* table : {"Inventory..tbInvMaster", "Build_FIle..tbcoXRayExam",
                              "Build_FIle..tbcoUltraExam", "Build_FIle..tbcoCTExam"}) {
        EXPECT_NO_THROW(db.Count(QStringLiteral("SELECT COUNT(ESOA_Code) FROM %1").arg(QLatin1String(table))))
            << table;
    }
    // Names with an apostrophe or an Ñ survive the script as written.
    EXPECT_TRUE(db.Column("SELECT ItemName FROM Inventory..tbInvMaster WHERE ItemName LIKE '%''s %'")
                    .contains("Lactated Ringer's Solution 1L"));
    EXPECT_TRUE(db.Column("SELECT ItemDesc FROM Inventory..tbInvMaster WHERE ItemDesc LIKE '%NIÑO%'")
                    .value(0)
                    .startsWith(QString::fromUtf8("NEWBORN CARE KIT, STO. NIÑO")));
}

// ---- Reference files -------------------------------------------------------------------------

struct ReferenceFile {
    QString name;
    int fields;
    QStringList lines;  // without their CR LF
    QByteArray bytes;
};

ReferenceFile readReference(const QString& name, int fields) {
    QFile file(QStringLiteral(ESOA_REFERENCE_DIR "/%1.csv").arg(name));
    ReferenceFile ref{name, fields, {}, {}};
    if (file.open(QIODevice::ReadOnly)) ref.bytes = file.readAll();
    // Latin-1 maps each byte to one character; the checks below only compare ASCII text.
    ref.lines = QString::fromLatin1(ref.bytes).split(QStringLiteral("\r\n"));
    if (!ref.lines.isEmpty() && ref.lines.last().isEmpty()) ref.lines.removeLast();
    return ref;
}

QSet<QString> column(const ReferenceFile& ref, int index) {
    QSet<QString> values;
    for (const QString& line : ref.lines) values << line.section('|', index, index);
    return values;
}

TEST(DemoReferenceFiles, AreHeaderlessPipeDelimitedWindows1252WithCrLfAndUniqueCodes) {
    bool anyEnye = false;
    for (const auto& [name, fields] : {std::pair{"ESOA_ITEM", 3}, {"ESOA_MEDICINE", 3}, {"ESOA_ER", 5}}) {
        SCOPED_TRACE(name);
        const ReferenceFile ref = readReference(QLatin1String(name), fields);
        ASSERT_GE(ref.lines.size(), 90);
        EXPECT_TRUE(ref.bytes.endsWith("\r\n"));
        EXPECT_EQ(ref.bytes.count('\n'), ref.lines.size()) << "a line ends without CR LF";
        EXPECT_EQ(ref.bytes.count('\r'), ref.lines.size()) << "a lone CR";
        EXPECT_NE(ref.lines.first().section('|', 0, 0).toLower(), "code") << "header line";

        QSet<QString> codes;
        for (const QString& line : ref.lines) {
            const QStringList parts = line.split('|');
            ASSERT_EQ(parts.size(), fields) << line.toStdString();
            EXPECT_FALSE(codes.contains(parts[0])) << "duplicate code " << parts[0].toStdString();
            codes << parts[0];
            // The reference table's columns: Code and Category varchar(50), Description varchar(250).
            EXPECT_TRUE(!parts[0].isEmpty() && parts[0].size() <= 50 && parts[1].size() <= 50 &&
                        !parts[2].isEmpty() && parts[2].size() <= 250)
                << line.toStdString();
            if (fields == 5) {
                bool number = false;
                const double fee = parts[3].toDouble(&number);
                EXPECT_TRUE(number && fee >= 0 && fee <= 214748.3647) << line.toStdString();
                EXPECT_TRUE(parts[4].startsWith("per ")) << line.toStdString();
            }
        }

        const bool nonAscii =
            std::any_of(ref.bytes.begin(), ref.bytes.end(), [](char c) { return c & 0x80; });
        if (nonAscii) {
            QStringDecoder utf8(QStringDecoder::Utf8);
            [[maybe_unused]] const QString decoded = utf8(ref.bytes);
            EXPECT_TRUE(utf8.hasError()) << "non-ASCII text stored as UTF-8, not Windows-1252";
        }
        anyEnye = anyEnye || ref.bytes.contains('\xD1') || ref.bytes.contains('\xF1');
    }
    EXPECT_TRUE(anyEnye) << "no Ñ or ñ as a single Windows-1252 byte";
}

TEST(DemoReferenceFiles, CarryTheRoutedCategoriesAndShareExactlyOneCode) {
    const ReferenceFile items = readReference("ESOA_ITEM", 3);
    const ReferenceFile medicines = readReference("ESOA_MEDICINE", 3);
    const ReferenceFile er = readReference("ESOA_ER", 5);
    const QSet<QString> itemCategories = column(items, 1);
    const QSet<QString> erCategories = column(er, 1);
    for (const char* category :
         {"LaboratoryAndDiagnostic", "MedicalSupplies", "OperatingRoomFees", "RoomAndBoard"})
        EXPECT_TRUE(itemCategories.contains(QLatin1String(category))) << category;
    for (const char* category : {"Therapeutics", "Imaging", "Laboratory", "ED Service", "ED Consultation"})
        EXPECT_TRUE(erCategories.contains(QLatin1String(category))) << category;
    // Both lists also hold categories the routing does not name.
    EXPECT_GT(itemCategories.size(), 4);
    EXPECT_GT(erCategories.size(), 5);

    // The item file is imported first, so its row wins the one code it shares with the medicines.
    EXPECT_EQ(column(items, 0).intersect(column(medicines, 0)).size(), 1);
}

TEST_F(DemoDataTest, MostMedicineDescriptionsPrimeAnInventoryGenericSearch) {
    // Selecting a PhilHealth item puts its first word in the generic filter of the inventory search.
    const ReferenceFile medicines = readReference("ESOA_MEDICINE", 3);
    int primed = 0;
    for (const QString& line : medicines.lines) {
        const QString firstWord = line.section('|', 2, 2).section(' ', 0, 0);
        const int hits = db.Count(
            "SELECT COUNT(*) FROM Inventory..tbInvMaster A LEFT OUTER JOIN inventory..tbForGeneric B ON "
            "a.GenericID=b.GenericID WHERE  a.itemstatus = 0  AND GenericName like '%" +
            sql::Escaped(firstWord) + "%'  ");
        if (hits > 0) ++primed;
    }
    EXPECT_GE(primed * 10, medicines.lines.size() * 8) << primed << " of " << medicines.lines.size();
}

}  // namespace
}  // namespace esoa
