#include <gtest/gtest.h>

#include <optional>

#include "database/Money.h"

namespace esoa::sql {
namespace {

// Long digit strings at and beyond the 64-bit range: refused by value, never by wrapping around.
TEST(Money, AmountsBeyondMoneysRangeAreRefusedWhateverTheirLength) {
    const struct {
        QString text;
        std::optional<int64_t> tenThousandths;
    } cases[] = {
        {"922337203685477.5807", INT64_MAX},
        {"-922,337,203,685,477.5808", INT64_MIN},
        {"922337203685477.58074", INT64_MAX},
        {"922337203685477.58075", std::nullopt},  // rounds beyond the range
        {"922337203685477.5808", std::nullopt},
        {"-922337203685477.5809", std::nullopt},
        {"922337203685478", std::nullopt},
        {"1000000000000000", std::nullopt},  // 16 digits
        {"9999999999999999999", std::nullopt},
        {"$" + QString(400, u'9') + ".50", std::nullopt},
        {"-" + QString(40, u'1'), std::nullopt},
        {QString(30, u'0') + "12.5", 125000},  // leading zeros count for nothing
        {"0.00005", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseMoney(c.text), c.tenThousandths) << c.text.left(40).toStdString();
    }
}

}  // namespace
}  // namespace esoa::sql
