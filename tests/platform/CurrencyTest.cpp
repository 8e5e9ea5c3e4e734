// Currency amounts: exact sums, quotients rounded half to even, the range limit, text both ways.
#include "platform/Currency.h"
#include "platform/Errors.h"
#include "platform/Locale.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

Currency Amount(const char* text)
{
    return *TryStrToCurr(text, Locale::ChinaDefault());
}

std::string Fixed(Currency c)
{
    return CurrToStrFixed(c, Locale::ChinaDefault());
}

TEST(Currency, QuotientsRoundToFourPlacesHalfToEven)
{
    struct Case {
        const char* a;
        const char* b;
        const char* quotient;
    } cases[] = {
        {"300", "100.0001", "3.0000"}, {"10000", "1.0001", "9999.0001"},
        {"1", "3.0001", "0.3333"},     {"500", "0.0001", "5000000.0000"},
        {"-1", "3", "-0.3333"},        {"0.0001", "2", "0.0000"},
        {"0.0003", "2", "0.0002"},     {"-0.0003", "2", "-0.0002"},
        {"0.0005", "-2", "-0.0002"},   {"2", "3", "0.6667"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(Fixed(Amount(c.a) / Amount(c.b)), c.quotient);
    }
}

TEST(Currency, DivisionByAnIntegerRoundsHalfToEven)
{
    EXPECT_EQ(Fixed(Amount("0.0001") / 2), "0.0000");
    EXPECT_EQ(Fixed(Amount("0.0003") / 2), "0.0002");
    EXPECT_EQ(Fixed(Amount("150.0001") / 2), "75.0000");
    EXPECT_EQ(Fixed((Amount("100") + Amount("201")) / 2), "150.5000");
}

TEST(Currency, DivisionByZeroAndOverflowRaise)
{
    EXPECT_THROW(Amount("1") / Amount("0"), EZeroDivide);
    EXPECT_THROW(Amount("0") / Amount("0"), EInvalidOp);
    EXPECT_THROW(Amount("1") / 0, EZeroDivide);
    // A large amount divided by the smallest one leaves the range.
    EXPECT_THROW(Amount("92233720368.5478") / Amount("0.0001"), EInvalidOp);
    EXPECT_NO_THROW(Amount("92233720368.5477") / Amount("0.0001"));
    const Currency max = Currency::FromRaw(INT64_MAX);
    EXPECT_THROW(max + Amount("0.0001"), EInvalidOp);
    EXPECT_THROW(-max - Amount("0.0001"), EInvalidOp);
    EXPECT_EQ(Fixed(max), "922337203685477.5807");
}

TEST(Currency, SumsAreExact)
{
    EXPECT_EQ(Amount("0.1") + Amount("0.2"), Amount("0.3"));
    EXPECT_EQ(Fixed(Amount("922337203685477") - Amount("0.0001")), "922337203685476.9999");
}

TEST(Currency, FromDoubleRoundsTheBinaryValueHalfToEven)
{
    // 0.03125 and 0.09375 are exact binary halves of 1/10000; 1.00005 lies just above its half.
    struct Case {
        double value;
        int64_t raw;
    } cases[] = {
        {2.345, 23450},   {0.5, 5000},    {0.03125, 312}, {0.09375, 938}, {-0.03125, -312},
        {1.00005, 10001}, {-2.5, -25000}, {3e-5, 0},      {-3e-5, 0},     {922337203685477.0, 9223372036854770000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Currency::FromDouble(c.value).Raw(), c.raw);
    }
    EXPECT_THROW(Currency::FromDouble(1e15), EInvalidOp);
    EXPECT_THROW(Currency::FromDouble(std::numeric_limits<double>::quiet_NaN()), EInvalidOp);
}

TEST(Currency, TextReadsExactlyAndPrintsShortest)
{
    struct Case {
        const char* text;
        const char* shortest; // nullptr: not an amount
    } cases[] = {
        {"12", "12"},
        {" -3.50 ", "-3.5"},
        {"0.00005", "0"},
        {"0.00015", "0.0002"},
        {"0.000050001", "0.0001"},
        {"1e3", "1000"},
        {"1.5E-2", "0.015"},
        {"922337203685477.5807", "922337203685477.5807"},
        {"922337203685477.5808", nullptr},
        {"1e20", nullptr},
        {"abc", nullptr},
        {"1,5", nullptr},
        {"", nullptr},
        {"0e999999", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto value = TryStrToCurr(c.text, Locale::ChinaDefault());
        ASSERT_EQ(value.has_value(), c.shortest != nullptr);
        if (value) {
            EXPECT_EQ(CurrToStr(*value, Locale::ChinaDefault()), c.shortest);
        }
    }
    Locale comma = Locale::ChinaDefault();
    comma.DecimalSeparator = ',';
    EXPECT_EQ(CurrToStr(*TryStrToCurr("1,25", comma), comma), "1,25");
}

} // namespace
} // namespace qv
