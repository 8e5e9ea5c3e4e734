// Pattern-based number formatting: placeholders, rounding, sections, exponents and literals.
#include "platform/FloatFormat.h"

#include "platform/Locale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qv {
namespace {

struct FloatCase {
    const char* pattern;
    double value;
    const char* expected;
};

void ExpectAll(const FloatCase* begin, const FloatCase* end, const Locale& locale = Locale::ChinaDefault())
{
    for (const FloatCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(::testing::Message() << "pattern \"" << c->pattern << "\" value " << c->value);
        EXPECT_EQ(FormatFloat(c->pattern, c->value, locale), c->expected);
    }
}

TEST(FormatFloat, PlacesDigitsAndRoundsHalfAwayFromZero)
{
    const FloatCase cases[] = {
        {"#,##0.00", 1234.5, "1,234.50"},
        {"#,##0", 1234567, "1,234,567"},
        {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"0.00", 2.345, "2.35"},
        {"0.00", -2.345, "-2.35"},
        {"0.00", 1.005, "1.01"}, // the 15-digit form is 1.005, not 1.00499...
        {"0.0", 0.15, "0.2"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0.000", 0.0005, "0.001"},
        {"0.##", 0.5, "0.5"},
        {"0.0#", 1, "1.0"},
        {"0.0#", 1.5, "1.5"},
        {"0.0#", 1.555, "1.56"},
        {"#", 0, ""},
        {"#", 0.4, ""},
        {"#.##", 0.5, ".5"},
        {"#.00", 0.5, ".50"},
        {".00", 12.5, "12.50"}, // no integer placeholder: the digits stand before the point
        {"#.##", 3, "3"},       // no decimal digit shown, no point
        {"00000", 42, "00042"},
        {"#0000", 42, "0042"},
        {"0,000", 5, "0,005"},
        {"00", 1234, "1234"},
        {"0-0", 1234, "123-4"}, // surplus digits go to the first placeholder
        {"0", 1e20, "100000000000000000000"},
        {"0.00", 123456789012345678.0, "123456789012346000.00"},
    };
    ExpectAll(std::begin(cases), std::end(cases));
}

TEST(FormatFloat, ChoosesSectionsAfterRounding)
{
    const FloatCase cases[] = {
        {"0;(0)", -5, "(5)"},
        {"0;(0)", 5, "5"},
        {"0;(0)", -0.2, "0"}, // rounds to zero: positive section, no sign
        {"0.00", -0.001, "0.00"},
        {"0.00;(0.00);'nil'", 0, "nil"},
        {"0.00;(0.00);'nil'", 0.004, "nil"},
        {"0.00;(0.00);'nil'", -0.004, "nil"},
        {"0.00;(0.00);'nil'", -0.005, "(0.01)"},
        {"0.00;(0.00);0.000", 0.004, "0.000"}, // the zero section shows zero, not the value
        {"0;;zero", -3, "-3"},                 // empty negative section: positive with a minus
        {"0;(0);", 0, "0"},                    // empty zero section: positive section
        {"0;(0);z;ignored", 0, "z"},
        {";(0)", 2.5, "2.5"}, // empty positive section: general format
        {";(0)", -2.5, "(3)"},
        {"'a;b'0;(0)", -1, "(1)"}, // a quoted ";" splits nothing
        {"'a;b'0;(0)", 1, "a;b1"},
    };
    ExpectAll(std::begin(cases), std::end(cases));
}

TEST(FormatFloat, WritesExponents)
{
    const FloatCase cases[] = {
        {"0.00E+00", 12345, "1.23E+04"},    {"0.0E-0", 0.00012, "1.2E-4"},
        {"0.00E+00", 0.000123, "1.23E-04"}, {"0.00e-00", 12345, "1.23e04"},
        {"0.00e+00", 12345, "1.23e+04"},    {"0.00E+00", 0, "0.00E+00"},
        {"0.00E+0", 9.999, "1.00E+1"}, // rounding carries into the exponent
        {"00.0E+0", 12345, "12.3E+3"},      {"0E+0", -12345, "-1E+4"},
        {"0.###E+00", 12000, "1.2E+04"},    {"0.00E+00", 1e100, "1.00E+100"},
        {"#,##0.0E+0", 12345, "1234.5E+1"},                        // no thousands separators in a mantissa
        {"0.0E+00 'x'", 5, "5.0E+00 x"},    {"0 EUR", 5, "5 EUR"}, // "E" without sign and zero is a literal
    };
    ExpectAll(std::begin(cases), std::end(cases));
}

TEST(FormatFloat, CopiesLiteralsInPlace)
{
    const FloatCase cases[] = {
        {"$# ##0.00", 1234.5, "$1 234.50"},
        {"$0.00", -5, "-$5.00"},
        {"0%", 12, "12%"},
        {"'#'0", 5, "#5"},
        {"\"0.0\" 0", 5, "0.0 5"},
        {"0 'unclosed", 5, "5 unclosed"},
        {"Total", 5, "Total"},   // no placeholder: only the literals
        {"0.0.0", 1.25, "1.25"}, // only the first point counts
    };
    ExpectAll(std::begin(cases), std::end(cases));
}

TEST(FormatFloat, FallsBackToGeneralFormat)
{
    const Locale& zh = Locale::ChinaDefault();
    EXPECT_EQ(FormatFloat("", 1234.5, zh), "1234.5");
    EXPECT_EQ(FormatFloat("", 1e20, zh), "1E20");
    EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::quiet_NaN(), zh), "NAN");
    EXPECT_EQ(FormatFloat("0.00", -std::numeric_limits<double>::infinity(), zh), "-INF");
}

TEST(FormatFloat, UsesTheLocaleSeparators)
{
    Locale european = Locale::ChinaDefault();
    european.DecimalSeparator = ',';
    european.ThousandSeparator = '.';
    const FloatCase cases[] = {
        {"#,##0.00", 1234567.5, "1.234.567,50"},
        {"0.00E+00", 12345, "1,23E+04"},
        {"#.##", 0.5, ",5"},
    };
    ExpectAll(std::begin(cases), std::end(cases), european);
}

} // namespace
} // namespace qv
