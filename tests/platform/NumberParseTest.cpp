// Reading numbers in the locale's notation, and rounding to integers.
#include "platform/NumberParse.h"
#include "platform/DecimalDigits.h"
#include "platform/Errors.h"
#include "platform/Locale.h"

#include <cmath>
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(NumberParse, ReadsTheLocaleNotation)
{
    Locale comma = Locale::ChinaDefault();
    comma.DecimalSeparator = ',';
    struct Case {
        const char* text;
        const Locale* locale;
        std::optional<double> value;
    } cases[] = {
        {"12", &Locale::ChinaDefault(), 12},
        {"  -12.5  ", &Locale::ChinaDefault(), -12.5},
        {"+.5", &Locale::ChinaDefault(), 0.5},
        {"5.", &Locale::ChinaDefault(), 5},
        {"1e3", &Locale::ChinaDefault(), 1000},
        {"1.5E-2", &Locale::ChinaDefault(), 0.015},
        {"12,5", &comma, 12.5},
        {"12.5", &comma, std::nullopt},
        {"1,234.5", &Locale::ChinaDefault(), std::nullopt},
        {"abc", &Locale::ChinaDefault(), std::nullopt},
        {"", &Locale::ChinaDefault(), std::nullopt},
        {" ", &Locale::ChinaDefault(), std::nullopt},
        {"1e", &Locale::ChinaDefault(), std::nullopt},
        {"1e+", &Locale::ChinaDefault(), std::nullopt},
        {".", &Locale::ChinaDefault(), std::nullopt},
        {"--1", &Locale::ChinaDefault(), std::nullopt},
        {"1 2", &Locale::ChinaDefault(), std::nullopt},
        {"0x10", &Locale::ChinaDefault(), std::nullopt},
        {"1e999", &Locale::ChinaDefault(), std::nullopt},
        {"1e-999", &Locale::ChinaDefault(), 0},
        {"INF", &Locale::ChinaDefault(), std::nullopt},
        {"nan", &Locale::ChinaDefault(), std::nullopt},
        {"0.1", &Locale::ChinaDefault(), 0.1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TryStrToFloat(c.text, *c.locale), c.value);
    }
}

TEST(NumberParse, FailureNamesTheText)
{
    try {
        StrToFloat("abc", Locale::ChinaDefault());
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
    }
}

TEST(NumberParse, RoundsToIntegerHalfToEven)
{
    struct Case {
        double value;
        int32_t rounded;
    } cases[] = {{2.5, 2},
                 {3.5, 4},
                 {-2.5, -2},
                 {-3.5, -4},
                 {2.4999, 2},
                 {2147483647.4, 2147483647},
                 {-2147483648.0, INT32_MIN}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundToInt32(c.value), c.rounded) << c.value;
    EXPECT_THROW(RoundToInt32(2147483647.5), EInvalidOp);
    EXPECT_THROW(RoundToInt32(NAN), EInvalidOp);
}

TEST(NumberParse, GeneralFormatHasFifteenSignificantDigits)
{
    Locale comma = Locale::ChinaDefault();
    comma.DecimalSeparator = ',';
    struct Case {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {14, "14"},
        {0.1, "0.1"},
        {-2.5, "-2.5"},
        {1.0 / 3, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {1.5e20, "1.5E20"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {-1.25e-7, "-1.25E-7"},
        {2.0 / 3 * 1e6, "666666.666666667"},
        {NAN, "NAN"},
        {INFINITY, "INF"},
        {-INFINITY, "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStrGeneral(c.value, Locale::ChinaDefault()), c.text) << c.text;
    EXPECT_EQ(FloatToStrGeneral(2.5, comma), "2,5");
}

} // namespace
} // namespace qv
