// Decimal digit extraction and the general number format.
#include "platform/DecimalDigits.h"

#include "platform/Locale.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qv {

DecimalDigits ToDecimalDigits(double value, int significant)
{
    DecimalDigits d;
    d.Negative = std::signbit(value);
    if (std::isnan(value)) {
        d.NotANumber = true;
        d.Negative = false;
        return d;
    }
    if (std::isinf(value)) {
        d.Infinite = true;
        return d;
    }
    if (value == 0) {
        d.Negative = false;
        return d;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(value));
    // buf: d.ddddde[+-]xx
    std::string digits;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += *p;
    const int exp10 = (*p == 'e') ? std::atoi(p + 1) : 0;
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    d.Digits = digits;
    d.Exponent = exp10 + 1;
    return d;
}

void RoundDecimalPlaces(DecimalDigits& d, int decimals)
{
    if (d.NotANumber || d.Infinite || d.Digits.empty())
        return;
    const int keep = d.Exponent + decimals; // digits that stay
    if (keep >= static_cast<int>(d.Digits.size()))
        return;
    if (keep < 0) {
        d.Digits.clear();
        d.Exponent = 0;
        return;
    }
    const bool roundUp = d.Digits[keep] >= '5';
    d.Digits.resize(keep);
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && d.Digits[i] == '9') {
            d.Digits[i] = '0';
            --i;
        }
        if (i < 0) {
            d.Digits.insert(d.Digits.begin(), '1');
            ++d.Exponent;
        } else {
            ++d.Digits[i];
        }
    }
    while (!d.Digits.empty() && d.Digits.back() == '0')
        d.Digits.pop_back();
    if (d.Digits.empty())
        d.Exponent = 0;
}

std::string FloatToStrGeneral(double value, const Locale& locale)
{
    const DecimalDigits d = ToDecimalDigits(value, 15);
    if (d.NotANumber)
        return "NAN";
    if (d.Infinite)
        return d.Negative ? "-INF" : "INF";
    if (d.IsZero())
        return "0";
    std::string out = d.Negative ? "-" : "";
    const int n = static_cast<int>(d.Digits.size());
    if (d.Exponent > 15 || d.Exponent < -3) {
        out += d.Digits[0];
        if (n > 1) {
            out += locale.DecimalSeparator;
            out.append(d.Digits, 1, std::string::npos);
        }
        out += 'E';
        out += std::to_string(d.Exponent - 1);
        return out;
    }
    if (d.Exponent <= 0) {
        out += '0';
        out += locale.DecimalSeparator;
        out.append(static_cast<size_t>(-d.Exponent), '0');
        out += d.Digits;
        return out;
    }
    if (n <= d.Exponent) {
        out += d.Digits;
        out.append(static_cast<size_t>(d.Exponent - n), '0');
        return out;
    }
    out.append(d.Digits, 0, static_cast<size_t>(d.Exponent));
    out += locale.DecimalSeparator;
    out.append(d.Digits, static_cast<size_t>(d.Exponent), std::string::npos);
    return out;
}

} // namespace qv
