// Variant conversions between all kinds.
#include "platform/Variant.h"
#include "platform/Errors.h"
#include "platform/Locale.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const Locale& zh = Locale::ChinaDefault();

Currency Amount(const char* text)
{
    return *TryStrToCurr(text, zh);
}

TEST(Variant, UnassignedReadsAsZeroEmptyAndFalse)
{
    const Variant v;
    EXPECT_TRUE(v.IsUnassigned());
    EXPECT_EQ(v.ToInteger(zh), 0);
    EXPECT_EQ(v.ToDouble(zh), 0);
    EXPECT_EQ(v.ToCurrency(zh), Currency());
    EXPECT_EQ(v.ToString(zh), "");
    EXPECT_FALSE(v.ToBoolean(zh));
}

TEST(Variant, NullConvertsToNothing)
{
    const Variant v = Variant::Null();
    EXPECT_THROW(v.ToInteger(zh), EVariantError);
    EXPECT_THROW(v.ToDouble(zh), EVariantError);
    EXPECT_THROW(v.ToCurrency(zh), EVariantError);
    EXPECT_THROW(v.ToDateTime(zh), EVariantError);
    EXPECT_THROW(v.ToBoolean(zh), EVariantError);
    EXPECT_THROW(v.ToString(zh), EVariantError);
}

TEST(Variant, ToIntegerRoundsHalvesToEven)
{
    struct Case {
        Variant value;
        int32_t expected;
    } cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {Amount("2.5"), 2},
        {Amount("3.5"), 4},
        {Amount("-2.5"), -2},
        {Amount("2.5001"), 3},
        {Variant("12.5"), 12},
        {Variant(" 7 "), 7},
        {true, -1},
        {false, 0},
        {Variant::FromDateTime(1.5), 2},
        {int32_t(-9), -9},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value.ToInteger(zh), c.expected) << c.value.ToString(zh);
    EXPECT_THROW(Variant(3e9).ToInteger(zh), EInvalidOp);
    EXPECT_THROW(Variant(Amount("3000000000")).ToInteger(zh), EInvalidOp);
}

TEST(Variant, ToCurrencyRoundsToTenThousandthsHalfToEven)
{
    struct Case {
        Variant value;
        const char* expected;
    } cases[] = {
        {int32_t(5), "5"},
        {0.03125, "0.0312"},
        {0.09375, "0.0938"},
        {Variant("0.00005"), "0"},
        {Variant("0.00015"), "0.0002"},
        {Variant("1e2"), "100"},
        {true, "-1"},
        {Variant::FromDateTime(2.25), "2.25"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CurrToStr(c.value.ToCurrency(zh), zh), c.expected) << c.expected;
    EXPECT_THROW(Variant(1e300).ToCurrency(zh), EInvalidOp);
    EXPECT_THROW(Variant("1e300").ToCurrency(zh), EInvalidOp);
}

TEST(Variant, StringsThatAreNoNumbersRaiseTheConversionError)
{
    for (const char* text : {"abc", "", "1,5", "12abc"}) {
        SCOPED_TRACE(text);
        try {
            Variant(text).ToDouble(zh);
            FAIL();
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid floating point value");
        }
        EXPECT_THROW(Variant(text).ToInteger(zh), EConvertError);
        EXPECT_THROW(Variant(text).ToCurrency(zh), EConvertError);
    }
}

TEST(Variant, BooleansAndStrings)
{
    struct Case {
        const char* text;
        bool value;
    } cases[] = {{"True", true}, {"false", false}, {"TRUE", true}, {" fAlSe ", false},
                 {"1", true},    {"0", false},     {"-2.5", true}};
    for (const auto& c : cases)
        EXPECT_EQ(Variant(c.text).ToBoolean(zh), c.value) << c.text;
    EXPECT_THROW(Variant("yes").ToBoolean(zh), EConvertError);
    EXPECT_EQ(Variant(true).ToString(zh), "True");
    EXPECT_EQ(Variant(false).ToString(zh), "False");
    EXPECT_TRUE(Variant(0.5).ToBoolean(zh));
    EXPECT_FALSE(Variant(Currency()).ToBoolean(zh));
    EXPECT_EQ(Variant(true).ToDouble(zh), -1);
}

TEST(Variant, ToStringOfEachKind)
{
    Locale dmy = zh;
    dmy.DecimalSeparator = ',';
    dmy.ShortDateFormat = "dd.MM.yyyy";
    dmy.DateSeparator = '.';
    struct Case {
        Variant value;
        const Locale* locale;
        const char* text;
    } cases[] = {
        {int32_t(-42), &zh, "-42"},
        {14.0, &zh, "14"},
        {0.1, &zh, "0.1"},
        {2.5, &dmy, "2,5"},
        {Amount("3"), &zh, "3"},
        {Amount("1234.5600"), &dmy, "1234,56"},
        {Variant::FromDateTime(37748), &zh, "2003/5/7"},
        {Variant::FromDateTime(37748.5625), &zh, "2003/5/7 13:30:00"},
        {Variant::FromDateTime(37748), &dmy, "07.05.2003"},
        {Variant("文本"), &zh, "文本"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value.ToString(*c.locale), c.text);
}

TEST(Variant, StringsToDateTimes)
{
    EXPECT_EQ(Variant("2003/5/7").ToDateTime(zh), 37748);
    EXPECT_EQ(Variant("2003/5/7 13:30").ToDateTime(zh), 37748.5625);
    EXPECT_THROW(Variant("yesterday").ToDateTime(zh), EConvertError);
    EXPECT_EQ(Variant(int32_t(3)).ToDateTime(zh), 3);
}

TEST(Variant, EqualityComparesKindAndValue)
{
    EXPECT_EQ(Variant(int32_t(1)), Variant(int32_t(1)));
    EXPECT_NE(Variant(int32_t(1)), Variant(1.0));
    EXPECT_NE(Variant(1.0), Variant::FromDateTime(1.0));
    EXPECT_EQ(Variant::Null(), Variant::Null());
    EXPECT_NE(Variant(), Variant::Null());
    EXPECT_EQ(Variant("a").Kind(), VarKind::String);
}

} // namespace
} // namespace qv
