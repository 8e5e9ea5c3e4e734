// Currency arithmetic over 128-bit intermediates so that no step loses a digit.
#include "platform/Currency.h"

#include "platform/Errors.h"
#include "platform/Locale.h"
#include "platform/NumberParse.h"

#include <cmath>
#include <limits>

namespace qv {

namespace {

using Wide = __int128;

constexpr int64_t kMaxRaw = std::numeric_limits<int64_t>::max();

Currency Checked(Wide raw)
{
    if (raw > kMaxRaw || raw < -static_cast<Wide>(kMaxRaw))
        throw EInvalidOp();
    return Currency::FromRaw(static_cast<int64_t>(raw));
}

Wide Abs(Wide v)
{
    return v < 0 ? -v : v;
}

// n / d rounded to the nearest integer, halves to even.
Wide DivideHalfEven(Wide n, Wide d)
{
    if (d == 0 && n == 0)
        throw EInvalidOp();
    if (d == 0)
        throw EZeroDivide();
    Wide q = n / d;
    const Wide r = n % d;
    const Wide twice = Abs(r) * 2;
    const bool negative = (n < 0) != (d < 0);
    if (twice > Abs(d) || (twice == Abs(d) && (q % 2) != 0))
        q += negative ? -1 : 1;
    return q;
}

std::string Digits(Currency value, const Locale& locale, bool fixed)
{
    const Wide raw = value.Raw();
    const Wide magnitude = Abs(raw);
    std::string out = raw < 0 ? "-" : "";
    out += std::to_string(static_cast<unsigned long long>(magnitude / Currency::kScale));
    std::string fraction = std::to_string(static_cast<unsigned long long>(magnitude % Currency::kScale));
    fraction.insert(0, 4 - fraction.size(), '0');
    if (!fixed)
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
    if (!fraction.empty()) {
        out += locale.DecimalSeparator;
        out += fraction;
    }
    return out;
}

} // namespace

Currency Currency::FromInteger(int64_t value)
{
    return Checked(static_cast<Wide>(value) * kScale);
}

Currency Currency::FromDouble(double value)
{
    // Long double carries 64 mantissa bits, so the scaled value and the range limit are exact.
    const long double scaled = std::nearbyintl(static_cast<long double>(value) * kScale);
    if (!(scaled >= -static_cast<long double>(kMaxRaw) && scaled <= static_cast<long double>(kMaxRaw)))
        throw EInvalidOp();
    return Currency(static_cast<int64_t>(scaled));
}

Currency operator+(Currency a, Currency b)
{
    return Checked(static_cast<Wide>(a.m_raw) + b.m_raw);
}

Currency operator-(Currency a, Currency b)
{
    return Checked(static_cast<Wide>(a.m_raw) - b.m_raw);
}

Currency Currency::operator-() const
{
    return Checked(-static_cast<Wide>(m_raw));
}

Currency operator*(Currency a, Currency b)
{
    return Checked(DivideHalfEven(static_cast<Wide>(a.m_raw) * b.m_raw, Currency::kScale));
}

Currency operator/(Currency a, Currency b)
{
    return Checked(DivideHalfEven(static_cast<Wide>(a.m_raw) * Currency::kScale, b.m_raw));
}

Currency operator/(Currency a, int64_t b)
{
    return Checked(DivideHalfEven(a.m_raw, b));
}

std::string CurrToStr(Currency value, const Locale& locale)
{
    return Digits(value, locale, false);
}

std::string CurrToStrFixed(Currency value, const Locale& locale)
{
    return Digits(value, locale, true);
}

std::optional<Currency> TryStrToCurr(std::string_view text, const Locale& locale)
{
    const auto number = ScanDecimalNumber(text, locale);
    if (!number)
        return std::nullopt;
    // raw = Digits x 10^(Exponent + 4); digits cut off below 1/10000 decide the rounding.
    const std::string& digits = number->Digits;
    const int size = static_cast<int>(digits.size());
    const int shift = number->Exponent + 4;
    if (size + shift > 19)
        return std::nullopt;
    const int keep = std::min(size, size + shift);
    Wide n = 0;
    for (int i = 0; i < keep; ++i)
        n = n * 10 + (digits[i] - '0');
    for (int i = 0; i < shift; ++i)
        n *= 10;
    if (keep >= 0 && keep < size) {
        const char next = digits[keep];
        const bool restNonZero = digits.find_first_not_of('0', keep + 1) != std::string::npos;
        if (next > '5' || (next == '5' && (restNonZero || n % 2 != 0)))
            ++n;
    }
    if (n > kMaxRaw)
        return std::nullopt;
    return Currency::FromRaw(static_cast<int64_t>(number->Negative ? -n : n));
}

} // namespace qv
