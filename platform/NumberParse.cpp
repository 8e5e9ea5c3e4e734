// Locale-aware number reading, independent of the C library's locale.
#include "platform/NumberParse.h"

#include "platform/AsciiText.h"
#include "platform/Errors.h"
#include "platform/Locale.h"

#include <charconv>
#include <cmath>

namespace qv {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Exponents beyond this only matter for zero digits or out-of-range values; clamping avoids overflow.
constexpr int kExponentClamp = 100000;

} // namespace

std::optional<ScannedNumber> ScanDecimalNumber(std::string_view text, const Locale& locale)
{
    std::string_view s = TrimBlanks(text);
    ScannedNumber n;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        n.Negative = s[i++] == '-';
    int mantissaDigits = 0;
    bool afterPoint = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            ++mantissaDigits;
            if (!(n.Digits.empty() && s[i] == '0'))
                n.Digits += s[i];
            if (afterPoint)
                --n.Exponent;
        } else if (s[i] == locale.DecimalSeparator && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            negativeExponent = s[i++] == '-';
        if (i >= s.size() || !IsDigit(s[i]))
            return std::nullopt;
        int exponent = 0;
        for (; i < s.size() && IsDigit(s[i]); ++i)
            exponent = std::min(exponent * 10 + (s[i] - '0'), kExponentClamp);
        n.Exponent += negativeExponent ? -exponent : exponent;
    }
    if (i != s.size())
        return std::nullopt;
    if (n.Digits.empty())
        n.Exponent = 0;
    return n;
}

std::optional<double> TryStrToFloat(std::string_view text, const Locale& locale)
{
    const auto n = ScanDecimalNumber(text, locale);
    if (!n)
        return std::nullopt;
    if (n->Digits.empty())
        return n->Negative ? -0.0 : 0.0;
    const std::string canonical = n->Digits + "e" + std::to_string(n->Exponent);
    double value = 0;
    const auto [end, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is not a number we can hold.
        if (n->Exponent + static_cast<int>(n->Digits.size()) < 0)
            return n->Negative ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (ec != std::errc() || end != canonical.data() + canonical.size())
        return std::nullopt;
    return n->Negative ? -value : value;
}

void ThrowNotAFloat(std::string_view text)
{
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

double StrToFloat(std::string_view text, const Locale& locale)
{
    const auto value = TryStrToFloat(text, locale);
    if (!value)
        ThrowNotAFloat(text);
    return *value;
}

int32_t RoundToInt32(double value)
{
    const double r = std::nearbyint(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        throw EInvalidOp();
    return static_cast<int32_t>(r);
}

} // namespace qv
