#include <gtest/gtest.h>

#include "core/reference/NextToken.h"

namespace esoa {
namespace {

struct Cut {
    const char* text;
    const char* delimiter;
    const char* token;
    const char* rest;
};

TEST(NextToken, CutsBeforeTheFirstDelimiterAndKeepsWhatFollows) {
    const Cut cuts[] = {
        {"A|B", "|", "A", "B"},
        {"B", "|", "B", ""},
        {"", "|", "", ""},
        {"|B", "|", "", "B"},
        {"A|", "|", "A", ""},
        {"A||B", "|", "A", "|B"},
        {"||", "|", "", "|"},
        {"A|B|C", "|", "A", "B|C"},
        {" A | B ", "|", " A ", " B "},
        {"PARACETAMOL 500 mg tablet", " ", "PARACETAMOL", "500 mg tablet"},
        {"CBC", " ", "CBC", ""},
        {" leading blank", " ", "", "leading blank"},
        {"aXbxc", "x", "aXb", "c"},  // letter case counts
    };
    for (const Cut& cut : cuts) {
        QString text = QString::fromUtf8(cut.text);
        EXPECT_EQ(NextToken(text, QString::fromUtf8(cut.delimiter)), QString::fromUtf8(cut.token))
            << cut.text;
        EXPECT_EQ(text, QString::fromUtf8(cut.rest)) << cut.text;
    }
}

TEST(NextToken, SplitsALineFieldByFieldAndYieldsEmptyTextOnceUsedUp) {
    QString line = QStringLiteral("ERT-1|Therapeutics||45.00");
    const QString bar = QStringLiteral("|");
    EXPECT_EQ(NextToken(line, bar), "ERT-1");
    EXPECT_EQ(NextToken(line, bar), "Therapeutics");
    EXPECT_EQ(NextToken(line, bar), "");  // two delimiters in a row
    EXPECT_EQ(NextToken(line, bar), "45.00");
    for (int more = 0; more < 3; ++more) {
        // Empty text, not a null string: a missing field must not be stored as NULL.
        const QString token = NextToken(line, bar);
        EXPECT_TRUE(token.isEmpty() && !token.isNull());
        EXPECT_TRUE(line.isEmpty() && !line.isNull());
    }
}

TEST(NextToken, HasNoSixteenBitLimitOnFieldLength) {
    const QString longField(40000, QLatin1Char('x'));
    QString text = longField + QStringLiteral("|tail|") + longField;
    EXPECT_EQ(NextToken(text, QStringLiteral("|")), longField);
    EXPECT_EQ(NextToken(text, QStringLiteral("|")), "tail");
    EXPECT_EQ(NextToken(text, QStringLiteral("|")), longField);
    EXPECT_TRUE(text.isEmpty());
}

}  // namespace
}  // namespace esoa
