#include <gtest/gtest.h>

#include "reference/ImportRun.h"

namespace esoa {
namespace {

// The field checks at the edges of what the reference tables hold.
TEST(ImportRun, FieldsAreRefusedJustBeyondWhatTheTableHolds) {
    const QString s50(50, u's'), d250(250, u'd');
    const QString pair = QStringLiteral("\U0001F600");  // one character, two UTF-16 units
    const struct {
        const char* name;
        ImportRun::Fields fields;
        bool er;
        QString fault;    // empty: accepted
        QString feeSent;  // the fee handed to the database when accepted
    } cases[] = {
        {"longest texts", {s50, s50, d250, "", s50}, true, {}, ""},
        {"code 51", {s50 + "x", "", "", "", ""}, false, "code longer than 50 characters", {}},
        {"category 51", {"c", s50 + "x", "", "", ""}, false, "category longer than 50 characters", {}},
        {"description 251",
         {"c", "", d250 + "x", "", ""},
         false,
         "description longer than 250 characters",
         {}},
        {"unit 51", {"c", "", "", "1", s50 + "x"}, true, "unit longer than 50 characters", {}},
        {"unit unread for items", {"c", "", "", "abc", s50 + "x"}, false, {}, "abc"},
        {"surrogate pair counts once", {QString(49, u'c') + pair, "", "", "", ""}, false, {}, ""},
        {"NUL before length", {s50 + QChar(0), "", "", "", ""}, false, "code holds a NUL character", {}},
        {"lone low surrogate",
         {"c", QString(QChar(0xDC01)), "", "", ""},
         false,
         "category holds an unpaired surrogate (U+DC01)",
         {}},
        {"fee as SQL Server reads it", {"c", "", "", " $1,200.50 ", ""}, true, {}, "1200.5"},
        {"fee rounded to four places", {"c", "", "", "12.34565", ""}, true, {}, "12.3457"},
        {"largest fee", {"c", "", "", "214748.3647", ""}, true, {}, "214748.3647"},
        {"fee beyond the range",
         {"c", "", "", "214748.3648", ""},
         true,
         "fee '214748.3648' is out of range (-214,748.3648 to 214,748.3647)",
         {}},
        {"exponent", {"c", "", "", "1e3", ""}, true, "fee '1e3' is not an amount", {}},
        {"long fee cut",
         {"c", "", "", QString(40, u'x'), ""},
         true,
         "fee '" + QString(30, u'x') + "...' is not an amount",
         {}},
    };
    for (const auto& c : cases) {
        ImportRun::Fields fields = c.fields;
        EXPECT_EQ(ImportRun::Fault(fields, c.er), c.fault) << c.name;
        if (c.fault.isEmpty()) {
            EXPECT_EQ(fields.fixedFee, c.feeSent) << c.name;
        }
    }
}

}  // namespace
}  // namespace esoa
