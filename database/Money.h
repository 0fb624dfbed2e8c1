#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace esoa::sql {

// SMALLMONEY's range, in ten-thousandths (four decimal places).
inline constexpr int64_t kSmallMoneyMin = -2147483648LL;  // -214,748.3648
inline constexpr int64_t kSmallMoneyMax = 2147483647LL;   //  214,748.3647

// A text converted to money the way SQL Server converts a character value to (small)money: blanks
// around it, one currency sign ($, €, £, ¥, ₱) before the number, a sign before or after the currency
// sign, commas among the digits before the point, and any number of decimals, rounded half away from
// zero to four. Refused (nullopt): no digit at all, exponents ("1e3"), amounts beyond MONEY's range
// (-922,337,203,685,477.5808 to 922,337,203,685,477.5807, whatever the number of digits), anything
// else. The result is in ten-thousandths; whether it fits SMALLMONEY is for the caller (IsSmallMoney).
std::optional<int64_t> ParseMoney(const QString& text);

inline bool IsSmallMoney(int64_t tenThousandths) {
    return tenThousandths >= kSmallMoneyMin && tenThousandths <= kSmallMoneyMax;
}

// Ten-thousandths as a plain decimal text without trailing zeros ("1200", "12.3457", "-0.5").
QString MoneyText(int64_t tenThousandths);

// A money text as it stands in a statement: the amount in plain digits, or NULL for a blank text.
// Throws std::invalid_argument for a text that is no amount.
QString MoneyLiteral(const QString& text);

}  // namespace esoa::sql
