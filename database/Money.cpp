#include "database/Money.h"

#include <stdexcept>

namespace esoa::sql {
namespace {

bool isCurrencySign(QChar c) {
    return c == u'$' || c == u'\u20AC' || c == u'\u00A3' || c == u'\u00A5' || c == u'\u20B1';
}

}  // namespace

std::optional<int64_t> ParseMoney(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    bool negative = false;
    bool signSeen = false;
    bool currencySeen = false;
    // A sign and a currency sign, in either order, each at most once.
    for (int k = 0; k < 2 && i < n; ++k) {
        if (!signSeen && (t[i] == u'-' || t[i] == u'+')) {
            negative = t[i] == u'-';
            signSeen = true;
            ++i;
        } else if (!currencySeen && isCurrencySign(t[i])) {
            currencySeen = true;
            ++i;
        }
        while (i < n && t[i] == u' ') ++i;
    }
    // Whole units, refused as soon as they pass MONEY's range (as SQL Server refuses such a text with
    // an overflow), so that no amount of digits can overflow the running value.
    constexpr uint64_t kMaxUnits = uint64_t(INT64_MAX) / 10000;
    uint64_t units = 0;
    bool digits = false;
    for (; i < n && (t[i].isDigit() || t[i] == u','); ++i) {
        if (t[i] == u',') continue;
        if (t[i].digitValue() < 0 || t[i].unicode() > u'9') return std::nullopt;
        digits = true;
        units = units * 10 + uint64_t(t[i].digitValue());
        if (units > kMaxUnits) return std::nullopt;
    }
    uint64_t fraction = 0;  // ten-thousandths
    if (i < n && t[i] == u'.') {
        ++i;
        int place = 0;
        int roundDigit = -1;
        for (; i < n && t[i] >= u'0' && t[i] <= u'9'; ++i, ++place) {
            digits = true;
            const int d = t[i].digitValue();
            if (place < 4) {
                fraction = fraction * 10 + uint64_t(d);
            } else if (place == 4) {
                roundDigit = d;
            }
        }
        for (int p = place; p < 4; ++p) fraction *= 10;
        if (roundDigit >= 5) ++fraction;
    }
    if (!digits || i != n) return std::nullopt;
    // MONEY spans exactly the 64-bit range in ten-thousandths; units * 10000 + fraction cannot wrap
    // an unsigned value.
    const uint64_t magnitude = units * 10000 + fraction;
    if (magnitude > (negative ? uint64_t(INT64_MAX) + 1 : uint64_t(INT64_MAX))) return std::nullopt;
    return negative ? int64_t(0 - magnitude) : int64_t(magnitude);
}

QString MoneyText(int64_t v) {
    const bool negative = v < 0;
    const uint64_t a = negative ? uint64_t(-(v + 1)) + 1 : uint64_t(v);
    QString text = QString::number(a / 10000);
    uint64_t frac = a % 10000;
    if (frac != 0) {
        QString digits = QString::number(frac).rightJustified(4, u'0');
        while (digits.endsWith(u'0')) digits.chop(1);
        text += u'.' + digits;
    }
    return negative ? u'-' + text : text;
}

QString MoneyLiteral(const QString& text) {
    if (text.trimmed().isEmpty()) return QStringLiteral("NULL");
    const auto amount = ParseMoney(text);
    if (!amount) throw std::invalid_argument(QStringLiteral("'%1' is not an amount").arg(text).toStdString());
    return MoneyText(*amount);
}

}  // namespace esoa::sql
