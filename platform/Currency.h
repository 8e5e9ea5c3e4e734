// Currency amounts: 64-bit fixed point counting 1/10000, with exact sums and quotients rounded half to even.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

struct Locale;

class Currency {
public:
    static constexpr int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency FromRaw(int64_t raw) { return Currency(raw); }
    // EInvalidOp when the amount lies beyond +-922 337 203 685 477.5807.
    static Currency FromInteger(int64_t value);
    // Rounded to 1/10000, halves to even; EInvalidOp for NaN, infinities and amounts out of range.
    static Currency FromDouble(double value);

    constexpr int64_t Raw() const { return m_raw; }
    double ToDouble() const { return static_cast<double>(m_raw) / kScale; }

    // Sums and differences are exact; overflow raises EInvalidOp.
    friend Currency operator+(Currency a, Currency b);
    friend Currency operator-(Currency a, Currency b);
    Currency operator-() const;
    // Products and quotients are rounded to four places, halves to even. Dividing by zero raises EZeroDivide,
    // 0 / 0 raises EInvalidOp, a result out of range EInvalidOp.
    friend Currency operator*(Currency a, Currency b);
    friend Currency operator/(Currency a, Currency b);
    friend Currency operator/(Currency a, int64_t b);

    friend constexpr auto operator<=>(Currency a, Currency b) = default;

private:
    constexpr explicit Currency(int64_t raw) : m_raw(raw) {}
    int64_t m_raw = 0;
};

// The shortest text: "3", "3.5", "-0.0001" (locale decimal separator).
std::string CurrToStr(Currency value, const Locale& locale);
// Always four decimals: "3.0000" (locale decimal separator).
std::string CurrToStrFixed(Currency value, const Locale& locale);
// Exact decimal reading in the locale's notation, blanks around allowed; digits beyond the fourth place round
// half to even. nullopt for text that is not a number or is out of range.
std::optional<Currency> TryStrToCurr(std::string_view text, const Locale& locale);

} // namespace qv
