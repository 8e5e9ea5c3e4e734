// The operator value rules, by the classes of the operands.
#include "formula/Operators.h"
#include "FormulaTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace qv {
namespace {

const Variant kNull = Variant::Null();
const Variant kEmpty;

Variant Cur(const char* text)
{
    return *TryStrToCurr(text, Locale::ChinaDefault());
}

Variant Date(double days)
{
    return Variant::FromDateTime(days);
}

template <class Fn> std::string Try(Fn fn)
{
    try {
        return test::DescribeValue(fn());
    } catch (const EPlatformError&) {
        return DescribeCurrentError();
    }
}

struct InfixCase {
    Variant left;
    TXLToken op;
    Variant right;
    std::string_view expected;
};

void ExpectInfix(std::span<const InfixCase> cases)
{
    const Locale& locale = XLManager().Desktop().GetLocale();
    for (const auto& c : cases) {
        const std::string outcome = Try([&] {
            Variant left = c.left;
            ApplyInfix(c.op, left, c.right, locale);
            return left;
        });
        EXPECT_EQ(outcome, c.expected) << test::DescribeValue(c.left) << " [op " << int(c.op) << "] "
                                       << test::DescribeValue(c.right);
    }
}

TEST(FormulaOperators, IntegersOverflowIntoDoubles)
{
    const InfixCase cases[] = {
        {3, tkPlus, 4, "integer 7"},
        {INT_MAX, tkPlus, 1, "double 2147483648"},
        {INT_MIN, tkMinus, 1, "double -2147483649"},
        {65536, tkMul, 65536, "double 4294967296"},
        {7, tkDivide, 2, "double 3.5"},
        {-7, tkDiv, 2, "integer -3"},
        {-7, tkMod, 2, "integer -1"},
        {7, tkMod, -2, "integer 1"},
        {INT_MIN, tkDiv, -1, "double 2147483648"},
        {INT_MIN, tkMod, -1, "integer 0"},
        {-1, tkShr, 28, "integer 15"}, // logical shift
        {1, tkShl, 33, "integer 2"},   // counts modulo 32
        {1, tkShl, 31, "integer -2147483648"},
        {1, tkShl, -1, "integer -2147483648"},
        {5, tkOr, 2, "integer 7"},
        {6, tkAnd, 3, "integer 2"},
        {6, tkXor, 3, "integer 5"},
        {3, tkLT, 2, "boolean False"},
        {1, tkDiv, 0, R"(error EDivByZero "Division by zero")"},
        {1, tkDivide, 0, R"(error EZeroDivide "Floating point division by zero")"},
        {0, tkDivide, 0, R"(error EInvalidOp "Invalid floating point operation")"},
        {kEmpty, tkPlus, kEmpty, "integer 0"},
        {kEmpty, tkEQ, 0, "boolean True"},
        {kEmpty, tkPlus, 1.5, "double 1.5"},
        {2, tkMul, kEmpty, "integer 0"},
    };
    ExpectInfix(cases);
}

TEST(FormulaOperators, DoublesAndRoundingForIntegerOperators)
{
    const InfixCase cases[] = {
        {2.5, tkPlus, 1, "double 3.5"},
        {1.5, tkPlus, "2", "double 3.5"},
        {1.5, tkMul, true, "double -1.5"},
        {2.5, tkDiv, 1, "integer 2"}, // halves to even
        {3.5, tkOr, 0, "integer 4"},
        {3e9, tkDiv, 1, R"(error EInvalidOp "Invalid floating point operation")"},
        {1e308, tkMul, 10.0, R"(error EInvalidOp "Invalid floating point operation")"},
        {2.5, tkGE, 2, "boolean True"},
    };
    ExpectInfix(cases);
}

TEST(FormulaOperators, CurrencyArithmeticStaysExact)
{
    const InfixCase cases[] = {
        {Cur("1"), tkDivide, 3, "currency 0.3333"},
        {1, tkDivide, Cur("4"), "double 0.25"}, // another class divided by currency
        {Cur("1.5"), tkMul, 2.0, "currency 3.0000"},
        {Cur("1"), tkPlus, "2.5", "currency 3.5000"},
        {"0.1", tkPlus, Cur("0.2"), "currency 0.3000"},
        {Cur("1"), tkMinus, true, "currency 2.0000"},
        {Cur("7.5"), tkDiv, Cur("2"), "integer 4"},
        {Cur("1"), tkDivide, Cur("0"), R"(error EZeroDivide "Floating point division by zero")"},
        {Cur("0"), tkDivide, 0, R"(error EInvalidOp "Invalid floating point operation")"},
        {Cur("922337203685477"), tkPlus, Cur("1"), R"(error EInvalidOp "Invalid floating point operation")"},
        {Cur("2"), tkGT, 1.5, "boolean True"},
        {Cur("0.0001"), tkLT, Cur("0.0002"), "boolean True"},
    };
    ExpectInfix(cases);
}

TEST(FormulaOperators, DateTimesShiftByNumbers)
{
    const InfixCase cases[] = {
        {Date(2), tkPlus, 1, "date 1900/1/2"},
        {Date(2), tkPlus, "1", "date 1900/1/2"},
        {Date(2), tkPlus, Cur("1"), "date 1900/1/2"},
        {Date(2.5), tkPlus, 0, "date 1900/1/1 12:00:00"},
        {1, tkMinus, Date(2), "date 1899/12/29"},
        {Date(5), tkMinus, Date(2), "double 3"},
        {Date(2), tkMul, 2, "double 4"},
        {Date(3), tkDivide, 2, "double 1.5"},
        {Date(2), tkEQ, 2, "boolean True"},
        {Date(2), tkOr, 1, "integer 3"},
    };
    ExpectInfix(cases);
}

TEST(FormulaOperators, StringsConcatenateAndCompareByBytes)
{
    const InfixCase cases[] = {
        {"a", tkPlus, "b", "string ab"},
        {"3", tkMinus, "1", "double 2"},
        {"3", tkMul, "2", "double 6"},
        {"6", tkDivide, "4", "double 1.5"},
        {"3", tkPlus, 1, "double 4"},
        {"x", tkPlus, 1, R"(error EConvertError "'x' is not a valid floating point value")"},
        {"7", tkDiv, "2", "integer 3"},
        {"abc", tkLT, "abd", "boolean True"},
        {"B", tkLT, "a", "boolean True"}, // case-sensitive byte order
        {"ab", tkLT, "abc", "boolean True"},
        {"a", tkEQ, "A", "boolean False"},
        {"", tkEQ, "", "boolean True"},
        {"z", tkLT, "啊", "boolean True"},
        {"啊", tkLT, "吧", "boolean True"}, // GBK B0A1 < B0C9, though U+554A > U+5427
        {"吧", tkNE, "啊", "boolean True"},
        {"10", tkEQ, 10.0, "boolean True"}, // with a number the comparison is numeric
        {"10", tkLT, 9, "boolean False"},
    };
    ExpectInfix(cases);
}

TEST(FormulaOperators, BooleansCountMinusOneAndZero)
{
    const InfixCase cases[] = {
        {true, tkPlus, true, "double -2"},
        {true, tkDivide, true, "double 1"},
        {true, tkPlus, "true", "double -2"}, // a string beside a Boolean is read as a Boolean
        {true, tkPlus, "x", R"(error EConvertError "'x' is not a valid boolean value")"},
        {true, tkPlus, 1, "integer 0"}, // with an integer, as integers
        {false, tkMinus, 1, "integer -1"},
        {true, tkDiv, true, "integer 1"},
        {true, tkOr, false, "boolean True"},
        {false, tkOr, "True", "boolean True"},
        {false, tkAnd, "1", "boolean False"},
        {true, tkXor, true, "boolean False"},
        {true, tkOr, 2, "integer -1"},
        {false, tkLT, true, "boolean True"},
        {true, tkEQ, "true", "boolean True"},
        {true, tkEQ, -1, "boolean True"},
    };
    ExpectInfix(cases);
}

TEST(FormulaOperators, NullPropagatesAndSortsFirst)
{
    const InfixCase cases[] = {
        {kNull, tkPlus, 1, "null"},
        {1, tkMul, kNull, "null"},
        {kNull, tkDivide, 0, "null"},
        {kNull, tkDiv, 1, "null"},
        {kNull, tkOr, true, "boolean True"},
        {true, tkOr, kNull, "boolean True"},
        {kNull, tkOr, false, "null"},
        {kNull, tkOr, 1, "null"},
        {kNull, tkAnd, false, "boolean False"},
        {kNull, tkAnd, true, "null"},
        {kNull, tkXor, true, "null"},
        {kNull, tkEQ, kNull, "boolean True"},
        {kNull, tkGE, kNull, "boolean True"},
        {kNull, tkEQ, 1, "boolean False"},
        {kNull, tkLT, 1, "boolean True"},
        {kNull, tkLT, "", "boolean True"},
        {1, tkGT, kNull, "boolean True"},
        {kEmpty, tkLT, kNull, "boolean False"},
    };
    ExpectInfix(cases);
}

TEST(FormulaOperators, PrefixOperators)
{
    struct Case {
        TXLToken op;
        Variant value;
        std::string_view expected;
    } cases[] = {
        {tkMinus, 5, "integer -5"},
        {tkMinus, INT_MIN, "double 2147483648"},
        {tkMinus, kEmpty, "empty"},
        {tkMinus, kNull, "null"},
        {tkMinus, true, "integer 1"},
        {tkMinus, "2.5", "double -2.5"},
        {tkMinus, Cur("1.5"), "currency -1.5000"},
        {tkMinus, Date(2), "date 1899/12/28"},
        {tkMinus, "x", R"(error EConvertError "'x' is not a valid floating point value")"},
        {tkNot, true, "boolean False"},
        {tkNot, 5, "integer -6"},
        {tkNot, 2.5, "integer -3"},
        {tkNot, "7", "integer -8"},
        {tkNot, kEmpty, "empty"},
        {tkNot, kNull, "null"},
        {tkPlus, "x", "string x"},
    };
    const Locale& locale = XLManager().Desktop().GetLocale();
    for (const auto& c : cases) {
        const std::string outcome = Try([&] {
            Variant v = c.value;
            ApplyPrefix(c.op, v, locale);
            return v;
        });
        EXPECT_EQ(outcome, c.expected) << "[op " << int(c.op) << "] " << test::DescribeValue(c.value);
    }
}

TEST(FormulaOperators, StringOrderIsTotalAndExact)
{
    // Two different texts that map to the same GBK bytes (invalid UTF-8 becomes '?') still differ.
    EXPECT_NE(CompareFormulaStrings("\xff", "\xfe"), 0);
    EXPECT_NE(CompareFormulaStrings("\xff", "?"), 0);
    EXPECT_EQ(CompareFormulaStrings("中文", "中文"), 0);
    EXPECT_LT(CompareFormulaStrings("中", "中文"), 0);
    EXPECT_GT(CompareFormulaStrings("b", "a"), 0);
}

} // namespace
} // namespace qv
