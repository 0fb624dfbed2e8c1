#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/reference/ReferenceFile.h"

namespace esoa {
namespace {

struct LineCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;
    bool endsWithBreak;
};

TEST(ReferenceFile, LinesEndAtCrLfLoneCrOrLoneLfWithoutAnExtraLastLine) {
    const LineCase cases[] = {
        {"CR LF", "A|1\r\nB|2\r\n", {"A|1", "B|2"}, true},
        {"lone CR", "A|1\rB|2\r", {"A|1", "B|2"}, true},
        {"lone LF", "A|1\nB|2\n", {"A|1", "B|2"}, true},
        {"no final break", "A|1\r\nB|2", {"A|1", "B|2"}, false},
        {"mixed", "A|1\nB|2\rC|3\r\n", {"A|1", "B|2", "C|3"}, true},
        {"blank lines", "A|1\r\n\r\n\r\nB|2\r\n", {"A|1", "", "", "B|2"}, true},
        {"one blank line", "\r\n", {""}, true},
        {"empty file", "", {}, true},
        {"spaces kept, cut after them", " A | x \r\n  ", {" A | x ", "  "}, false},
    };
    for (const LineCase& c : cases) {
        const ReferenceLines read = SplitReferenceLines(DecodeReferenceText(c.bytes));
        EXPECT_EQ(read.lines, c.lines) << c.name;
        EXPECT_EQ(read.endsWithBreak, c.endsWithBreak) << c.name;
    }
}

struct TextCase {
    const char* name;
    QByteArray bytes;
    QString text;
};

TEST(ReferenceFile, AnsiUtf8AndUtf16GiveTheSameText) {
    const TextCase cases[] = {
        {"ANSI N tilde", "SE\xD1OR", QStringLiteral("SE\u00D1OR")},
        {"ANSI quote and euro", "Mother\x92s \x80", QStringLiteral("Mother\u2019s \u20AC")},
        {"ANSI unassigned byte", "a\x81", QStringLiteral("a\u0081")},
        {"UTF-8", "SE\xC3\x91OR", QStringLiteral("SE\u00D1OR")},
        {"UTF-8 with mark", "\xEF\xBB\xBFSE\xC3\x91OR", QStringLiteral("SE\u00D1OR")},
        {"ASCII with mark",
         "\xEF\xBB\xBF"
         "A|B",
         QStringLiteral("A|B")},
        {"ASCII", "A|B|C", QStringLiteral("A|B|C")},
        {"looks like UTF-8 but is not", "\xC3(", QStringLiteral("\u00C3(")},
        {"UTF-16 LE",
         QByteArray("\xFF\xFE"
                    "A\0|\0\xD1\0\x3D\xD8\x00\xDE",
                    12),
         QStringLiteral("A|\u00D1\U0001F600")},
        {"UTF-16 BE",
         QByteArray("\xFE\xFF"
                    "\0A\0|\0\xD1",
                    8),
         QStringLiteral("A|\u00D1")},
        {"UTF-16 lone surrogate kept",
         QByteArray("\xFF\xFE\x00\xD8"
                    "A\0",
                    6),
         QString(QChar(0xD800)) + "A"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(DecodeReferenceText(c.bytes), c.text) << c.name;
}

TEST(ReferenceFile, ReadsAFileAndNamesTheFileItCannotOpen) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ESOA_ITEM.csv"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "\xEF\xBB\xBF"
            "C1|Cat|Ni\xC3\xB1o\r\nC2|Cat|x\r\n");
    }
    EXPECT_EQ(ReadReferenceFile(path).lines, (QStringList{QStringLiteral("C1|Cat|Ni\u00F1o"), "C2|Cat|x"}));

    const QString missing = dir.filePath(QStringLiteral("ESOA_ER.csv"));
    try {
        ReadReferenceFile(missing);
        ADD_FAILURE() << "a missing file was read";
    } catch (const std::runtime_error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("ESOA_ER.csv"))) << e.what();
    }
}

}  // namespace
}  // namespace esoa
