#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/files/Csv.h"

namespace esoa::test {
namespace {

// Each cell as the command line writes it and as a spreadsheet export writes it: a text that a
// spreadsheet would run as a formula is led by a quote there, a number keeps its sign.
TEST(Csv, SpreadsheetCellsCannotStartAFormulaButNumbersStayNumbers) {
    const struct {
        QString cell, exact, spreadsheet;
    } cases[] = {
        {"=1+2", "=1+2", "'=1+2"},
        {"+63 917 555 0101", "+63 917 555 0101", "'+63 917 555 0101"},
        {"-", "-", "'-"},
        {"-2+3+cmd|' /C calc'!A0", "-2+3+cmd|' /C calc'!A0", "'-2+3+cmd|' /C calc'!A0"},
        {"@SUM(A1:A9)", "@SUM(A1:A9)", "'@SUM(A1:A9)"},
        {"\t=1", "\t=1", "'\t=1"},
        {"\r=1", "\"\r=1\"", "\"'\r=1\""},
        {"=HYPERLINK(\"http://x\",\"y\")", "\"=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"",
         "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\""},
        {"-75.00", "-75.00", "-75.00"},
        {"-5", "-5", "-5"},
        {"+1.5", "+1.5", "+1.5"},
        {"-.5", "-.5", "-.5"},
        {"a=b", "a=b", "a=b"},
        {" =1", "\" =1\"", "\" =1\""},
        {"Niño", "Niño", "Niño"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell.toStdString());
        EXPECT_EQ(csv::Record({c.cell, "x"}, csv::Flavour::Exact), c.exact + ",x\r\n");
        EXPECT_EQ(csv::Record({c.cell, "x"}, csv::Flavour::Spreadsheet), c.spreadsheet + ",x\r\n");
    }
}

// A spreadsheet file starts with the UTF-8 byte order mark, so that "Niño" is not read as
// Windows-1252; the command line's file has exact bytes only.
TEST(Csv, OnlyTheSpreadsheetFileCarriesAByteOrderMark) {
    csv::Table table;
    table.Add({"Code", "Description"});
    table.Add({"=X", "Niño"});
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("t.csv"));
    for (const auto flavour : {csv::Flavour::Exact, csv::Flavour::Spreadsheet}) {
        csv::Save(path, table, flavour);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray body = "Code,Description\r\n" +
                                QByteArray(flavour == csv::Flavour::Exact ? "" : "'") + "=X,Ni\xC3\xB1o\r\n";
        EXPECT_EQ(file.readAll(),
                  (flavour == csv::Flavour::Exact ? QByteArray() : QByteArray("\xEF\xBB\xBF")) + body);
    }
}

// What Parse reads of each text: records as "line:field|field", each starting at its line.
TEST(Csv, ParseReadsRecordsWithTheLineEachStartsOn) {
    const struct {
        QString text;
        QStringList records;
    } cases[] = {
        {"a,b\r\nc,d", {"1:a|b", "2:c|d"}},
        {"\uFEFFa,b\n\nc,\n", {"1:a|b", "3:c|"}},
        {"\"x, \"\"y\"\"\",z\r\n", {"1:x, \"y\"|z"}},
        {"\"two\r\nlines\",1\r\nnext,2\r\n", {"1:two\r\nlines|1", "3:next|2"}},
        {",\r\n", {"1:|"}},
        {"a\"b,\"c\"d\n", {"1:a\"b|cd"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        QStringList records;
        for (const csv::ReadRecord& r : csv::Parse(c.text))
            records << QString::number(r.line) + ':' + r.fields.join('|');
        EXPECT_EQ(records, c.records) << c.text.toStdString();
    }
    // What the writer writes reads back as it was.
    const QStringList awkward{" padded ", "quote \"in\"", "comma, here", "line\r\nbreak", ""};
    csv::Table table;
    table.Add(awkward);
    table.Add({"=1+2"});
    const std::vector<csv::ReadRecord> back = csv::Parse(table.Text(csv::Flavour::Exact));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].fields, awkward);
    EXPECT_EQ(back[1].line, 3);
}

}  // namespace
}  // namespace esoa::test
