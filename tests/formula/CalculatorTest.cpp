// The formula evaluator: text to value or error, in both list-separator conventions, under CheckOnly and on
// hostile input.
#include "FormulaTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace qv {
namespace {

using test::Outcome;
using test::OutcomeCase;

// ARGS(...) answers "<count>: <kind text>|<kind text>..." so that tests see exactly which arguments arrived.
void EnsureArgsFunction()
{
    if (XLManager().HasFunction("ARGS"))
        return;
    XLManager().RegisterFunction("Args", [](TXLSheet*, std::span<const Variant> params, Variant& result) {
        std::string text = std::to_string(params.size()) + ":";
        for (size_t i = 0; i < params.size(); ++i)
            text += (i ? "|" : " ") + test::DescribeValue(params[i]);
        result = text;
    });
}

void ExpectOutcomes(std::span<const OutcomeCase> cases, TXLSheet* sheet = nullptr, bool checkOnly = false)
{
    EnsureArgsFunction();
    for (const auto& c : cases)
        EXPECT_EQ(Outcome(c.text, sheet, checkOnly), c.expected) << "text: " << c.text;
}

TEST(Calculator, ValuesOfWellFormedText)
{
    const OutcomeCase cases[] = {
        {"", "empty"},
        {"   ", "empty"},
        {".5", "empty"}, // begins with a character no token starts with
        {"2+3*4", "double 14"},
        {"(2+3)*4", "double 20"},
        {"2-3-4", "double -5"},
        {"7 DIV 2", "integer 3"},
        {"-7 MOD 3", "integer -1"},
        {"1 SHL 4", "integer 16"},
        {"10/4", "double 2.5"},
        {"5 = 5", "boolean True"},
        {"1 < 2", "boolean True"},
        {"2 > 1", "boolean True"},
        {"3 >= 3", "boolean True"},
        {"2 >= 3", "boolean False"},
        {"2 <= 3", "boolean True"},
        {"1 <> 1", "boolean False"},
        {"(1 < 2) = (3 < 4)", "boolean True"},
        {"1 OR 2", "integer 3"},
        {"1 or 2", "integer 3"},
        {"1 Or 2", "integer 3"},
        {"NOT 0", "integer -1"},
        {"NOT NOT 5", "integer 5"},
        {"NOT 5 = 0", "boolean False"}, // (NOT 5) = 0, not NOT (5 = 0)
        {"- -3", "double 3"},
        {"-+-3", "double 3"},
        {"2*-3", "double -6"},
        {"2--3", "double 5"},
        {"6 AND 3", "integer 2"},
        {"6 XOR 3", "integer 5"},
        {"1 OR 2 AND 4", "integer 1"}, // AND binds like *
        {"1 XOR 3 OR 4", "integer 6"}, // XOR binds like +, left to right
        {"(1 = 1) AND (2 = 3)", "boolean False"},
        {"1+2 ? 9", "double 3"}, // an unrecognised character where an operator may follow ends the text
        {"1.2.3", "double 1.2"}, // a second separator ends the literal, the full stop then ends the text
        {"1e5", "double 100000"},
        {"1.5E-1", "double 0.15"},
        {"1.5e+1", "double 15"},
        {"5.", "double 5"},
        {"'It''s'", "string It's"},
        {"#65#66", "string AB"},
        {"'ab'#13#10^I'cd'", "string ab\r\n\tcd"},
        {"^a^Z", "string \x01\x1a"},
        {"''", "string "},
        {"'中文'", "string 中文"},
        {"#20013#25991", "string 中文"},
        {"#0065", "string A"},
        {"#55296", "string ?"}, // a lone surrogate is no character
        {"'a'+'b'", "string ab"},
        {"$A$1", "string $A$1"},
        {"A1:B2", "string A1:B2"},
        {"a1:$b$2", "string a1:$b$2"},
        {"INTEGER('12')+1", "double 13"}, // the literal 1 is a double
        {"INTEGER('12')+INTEGER(1)", "integer 13"},
        {"Integer(1.5)", "integer 2"},
        {"integer(2.5)", "integer 2"},
    };
    ExpectOutcomes(cases);
}

TEST(Calculator, ErrorsWithMessageAndPosition)
{
    const OutcomeCase cases[] = {
        {"1+?", R"(error EXLSyntax "Syntax Error" 3)"},
        {"1+", R"(error EXLSyntax "Syntax Error" 2)"},
        {"*", R"(error EXLSyntax "Syntax Error" 1)"},
        {")", R"(error EXLSyntax "Syntax Error" 1)"},
        {"=1", R"(error EXLSyntax "Syntax Error" 1)"},
        {"(", R"(error EXLSyntax "Syntax Error" 1)"},
        {"1 < 2 < 3", R"(error EXLSyntax "Syntax Error: Unexpected End" 7)"},
        {"(1 < 2 < 3)", R"(error EXLSyntax "Syntax Error: Missing ')'" 8)"},
        {"(1+2", R"(error EXLSyntax "Syntax Error: Missing ')'" 4)"},
        {"(1+2 ", R"(error EXLSyntax "Syntax Error: Missing ')'" 5)"},
        {"1 2", R"(error EXLSyntax "Syntax Error: Unexpected End" 3)"},
        {"'a' 'b'", R"(error EXLSyntax "Syntax Error: Unexpected End" 7)"},
        {"'a b'", R"(error EXLSyntax "Syntax Error: Unterminated String" 2)"},
        {"'abc", R"(error EXLSyntax "Syntax Error: Unterminated String" 4)"},
        {"'a''", R"(error EXLSyntax "Syntax Error: Unterminated String" 4)"},
        {"'a\tb'", R"(error EXLSyntax "Syntax Error: Unterminated String" 2)"},
        {"#65536", R"(error EXLSyntax "Syntax Error: Invalid String Constant" 6)"},
        {"#", R"(error EXLSyntax "Syntax Error: Invalid String Constant" 1)"},
        {"'a'#x", R"(error EXLSyntax "Syntax Error: Invalid String Constant" 4)"},
        {"#99999999999999999999", R"(error EXLSyntax "Syntax Error: Invalid String Constant" 21)"},
        {"^1", R"(error EXLSyntax "Syntax Error: Invalid Character Constant" 1)"},
        {"'a'^", R"(error EXLSyntax "Syntax Error: Invalid Character Constant" 4)"},
        {"1E", R"(error EXLSyntax "Syntax Error" 2)"},
        {"1E+", R"(error EXLSyntax "Syntax Error" 3)"},
        {"2*1e-x", R"(error EXLSyntax "Syntax Error" 5)"},
        {"ARGS()", R"~(error EXLSyntax "Syntax Error" 6)~"},
        {"ARGS(1, 2", R"(error EXLSyntax "Syntax Error: Missing ')'" 9)"},
        {"ARGS(1;2)", R"(error EXLSyntax "Syntax Error: Missing ')'" 6)"}, // ';' is left unread
        {"1,2", R"(error EXLSyntax "Syntax Error: Unexpected End" 2)"},
        {"1;2", R"(error EXLSyntax "Syntax Error: Unexpected End" 1)"},
        {"XYZ", R"(error EXLUnknown "Unknown Identifier: XYZ" 3)"},
        {"XYZ + 1", R"(error EXLUnknown "Unknown Identifier: XYZ" 5)"},
        {"xyz(1)", R"~(error EXLUnknown "Unknown Identifier: xyz()" 6)~"},
        {"A_B", R"(error EXLUnknown "Unknown Identifier: A" 3)"},               // '_' only starts a name
        {"XYZ(1/0)", R"(error EZeroDivide "Floating point division by zero")"}, // arguments first
        {"XYZ(1, 2 3)", R"(error EXLSyntax "Syntax Error: Missing ')'" 10)"},
        {"DOUBLE('abc')", R"(error EConvertError "'abc' is not a valid floating point value")"},
        {"A1:B2+1", R"(error EConvertError "'A1:B2' is not a valid floating point value")"},
        {"1E999", R"(error EConvertError "'1E999' is not a valid floating point value")"},
        {"1/0", R"(error EZeroDivide "Floating point division by zero")"},
        {"0/0", R"(error EInvalidOp "Invalid floating point operation")"},
        {"1E308*10", R"(error EInvalidOp "Invalid floating point operation")"},
        {"1 DIV 0", R"(error EDivByZero "Division by zero")"},
        {"1 MOD 0", R"(error EDivByZero "Division by zero")"},
    };
    ExpectOutcomes(cases);
}

TEST(Calculator, FunctionArgumentsAndTheirCount)
{
    const OutcomeCase cases[] = {
        {"ARGS(1)", "string 1: double 1"},
        {"args( 1 , 'a' , 2 < 3 )", "string 3: double 1|string a|boolean True"},
        {"ARGS(1,5)", "string 2: double 1|double 5"},
        {"ARGS((1), ARGS(2))", "string 2: double 1|string 1: double 2"},
        {"ARGS(1,2,3,4,5,6,7,8,9,10)",
         "string 10: double 1|double 2|double 3|double 4|double 5|double 6|double 7|double 8|double 9|double 10"},
        {"ARGS(1,2,3,4,5,6,7,8,9,10,11)", R"(error EXLSyntax "Syntax Error: Too Many Parameters" 26)"},
        {"INTEGER(7, 'ignored')", "integer 7"},
    };
    ExpectOutcomes(cases);
}

TEST(Calculator, DecimalCommaLocaleSeparatesArgumentsWithSemicolons)
{
    test::DecimalCommaScope comma;
    const OutcomeCase cases[] = {
        {"1,5*2", "double 3"},
        {"10/4", "double 2,5"},
        {"ARGS(1;2)", "string 2: double 1|double 2"},
        {"ARGS(1,5;2,25)", "string 2: double 1,5|double 2,25"},
        {"ARGS(1,5)", "string 1: double 1,5"},
        {"ARGS(1 ,2)", R"(error EXLSyntax "Syntax Error: Missing ')'" 7)"}, // ',' is left unread
        {"1,2,3", R"(error EXLSyntax "Syntax Error: Unexpected End" 3)"},
        {"1;2", R"(error EXLSyntax "Syntax Error: Unexpected End" 2)"},
        {"1.5", "double 1"}, // the full stop is not a separator here and ends the text
        {"DOUBLE('2,5')", "double 2,5"},
        {"DOUBLE('2.5')", R"(error EConvertError "'2.5' is not a valid floating point value")"},
        {"1,E", R"(error EXLSyntax "Syntax Error" 3)"},
    };
    ExpectOutcomes(cases);
}

TEST(Calculator, CellReferencesReadTheClientCellsByName)
{
    TXLSheet sheet; // 5 x 5 client cells
    sheet.SetCellValue(0, 0, "12");
    sheet.SetCellValue(1, 1, "abc");
    sheet.SetCellValue(-1, 0, "7"); // a title cell, which no name reaches
    const OutcomeCase cases[] = {
        {"A1*2", "double 24"},
        {"a1*2", "double 24"},
        {"A1", "string 12"},
        {"A1 = 12", "boolean True"},
        {"A1 + A1", "string 1212"},
        {"C3", "empty"},
        {"-C3", "empty"}, // unary operators leave Empty alone
        {"C3 + 1", "double 1"},
        {"C3 = 0", "boolean True"},
        {"E5", "empty"},
        {"F1", R"(error EXLUnknown "Unknown Identifier: F1" 2)"},
        {"A6", R"(error EXLUnknown "Unknown Identifier: A6" 2)"},
        {"a0", R"(error EXLUnknown "Unknown Identifier: a0" 2)"},
        {"A01", "string 12"},
        {"B2*1", R"(error EConvertError "'abc' is not a valid floating point value")"},
        {"$A$1", "string $A$1"},
    };
    ExpectOutcomes(cases, &sheet);
}

TEST(Calculator, CheckOnlyResolvesNamesButAppliesNoOperator)
{
    TXLSheet sheet;
    const OutcomeCase cases[] = {
        {"", "empty"},
        {"2*3", "double 2"},
        {"1/0", "double 1"},
        {"1 DIV 0", "double 1"},
        {"-5", "double 5"},
        {"(1 < 2) = 7", "double 1"},
        {"INTEGER('x')", R"(error EConvertError "'x' is not a valid floating point value")"},
        {"XYZ+1", R"(error EXLUnknown "Unknown Identifier: XYZ" 4)"},
        {"1+", R"(error EXLSyntax "Syntax Error" 2)"},
        {"A1+", R"(error EXLSyntax "Syntax Error" 3)"},
    };
    ExpectOutcomes(cases, &sheet, true);
}

TEST(Calculator, BlankTextLeavesTheCallersResultUnlessCheckOnly)
{
    TXLCalculator calculator(nullptr);
    Variant result = 7.0;
    calculator.Calculate("  ", result);
    EXPECT_EQ(result, Variant(7.0));
    calculator.CheckOnly = true;
    calculator.Calculate("  ", result);
    EXPECT_TRUE(result.IsUnassigned());
}

TEST(Calculator, ScannerTokensInOrder)
{
    struct Case {
        std::string_view text;
        std::vector<TXLToken> tokens; // up to and including the last one read
    } cases[] = {
        {"1+2", {tkNumber, tkPlus, tkNumber, tkEnd}},
        {"( ) * / + - = < > <= >= <>",
         {tkOpen, tkClose, tkMul, tkDivide, tkPlus, tkMinus, tkEQ, tkLT, tkGT, tkLE, tkGE, tkNE, tkEnd}},
        {"div Mod sHl SHR not or and xor", {tkDiv, tkMod, tkShl, tkShr, tkNot, tkOr, tkAnd, tkXor, tkEnd}},
        {"divide ORE x1 _a $A1 a:b", {tkName, tkName, tkName, tkName, tkRange, tkRange, tkEnd}},
        {"'a' #65 ^M", {tkString, tkString, tkString, tkEnd}},
        {"1,2", {tkNumber, tkListSep, tkNumber, tkEnd}},
        {";", {tkError}},
        {"1E+", {tkError}},
        {"\t1", {tkEnd}},
        {std::string_view("1\0+2", 4), {tkNumber, tkEnd}},
    };
    for (const auto& c : cases) {
        TXLCalculator calculator(nullptr);
        calculator.SetText(c.text);
        std::vector<TXLToken> tokens;
        while (tokens.size() < c.tokens.size())
            tokens.push_back(calculator.NextToken());
        EXPECT_EQ(tokens, c.tokens) << "text: " << c.text;
    }
}

TEST(Calculator, TokenTextAndNumber)
{
    TXLCalculator calculator(nullptr);
    calculator.SetText("  ab$1:C$2 2.5e1 'x''y'^J nAme");
    EXPECT_EQ(calculator.NextToken(), tkRange);
    EXPECT_EQ(calculator.TokenText(), "ab$1:C$2");
    EXPECT_EQ(calculator.Position(), 10);
    EXPECT_EQ(calculator.NextToken(), tkNumber);
    EXPECT_EQ(calculator.TokenNumber(), 25.0);
    EXPECT_EQ(calculator.NextToken(), tkString);
    EXPECT_EQ(calculator.TokenText(), "x'y\n");
    EXPECT_EQ(calculator.NextToken(), tkName);
    EXPECT_EQ(calculator.TokenText(), "nAme");
    EXPECT_EQ(calculator.NextToken(), tkEnd);
    EXPECT_EQ(calculator.Position(), 30);
}

// Hostile input ends in a value or a formula or value error, never in a crash or a stack overflow.
TEST(Calculator, BadInputEndsInAValueOrAnError)
{
    const std::string megabyteOfOpen(1 << 20, '(');
    const std::string tenThousandMinus = std::string(10000, '-') + "1";
    std::string nots;
    for (int i = 0; i < 10001; ++i)
        nots += "NOT ";
    nots += "0";
    const std::string deepest = std::string(100, '(') + "1" + std::string(100, ')');
    const std::string tooDeep = std::string(101, '(') + "1" + std::string(101, ')');
    std::string deepCalls;
    for (int i = 0; i < 101; ++i)
        deepCalls += "INTEGER(";
    const std::string nines(100000, '9');
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {megabyteOfOpen, R"(error EXLSyntax "Syntax Error: Too Deeply Nested" 101)"},
        {tenThousandMinus, "double 1"},
        {"-" + tenThousandMinus, "double -1"},
        {nots, "integer -1"},
        {deepest, "double 1"},
        {tooDeep, R"(error EXLSyntax "Syntax Error: Too Deeply Nested" 101)"},
        {deepCalls, R"(error EXLSyntax "Syntax Error: Too Deeply Nested" 808)"},
        {"\xff", "empty"},
        {"1+\xff", R"(error EXLSyntax "Syntax Error" 3)"},
        {"'\xff\xfe'", "string \xff\xfe"},
        {"\xe4\xb8", "empty"},
        {std::string("1\0+", 3), "double 1"}, // a NUL byte ends the text
        {std::string("'a\0b'", 5), R"(error EXLSyntax "Syntax Error: Unterminated String" 2)"},
        {std::string("\0", 1), "empty"},
        {nines, R"(error EConvertError "')" + nines + R"(' is not a valid floating point value")"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Outcome(c.text), c.expected) << "text starting: " << c.text.substr(0, 40);
}

// Random text over the formula alphabet: every outcome is a value or an error of the formula or value library.
TEST(Calculator, RandomTextNeverEscapesTheErrorClasses)
{
    EnsureArgsFunction();
    TXLSheet sheet;
    sheet.SetCellValue(0, 0, "3");
    static constexpr std::string_view alphabet = "0123456789.,;:$#'^_ ()*/+-=<>ABEeNOTDIVMORXSHL\t\xe4\xb8\xad\x01?";
    std::mt19937 random(20240605);
    for (int i = 0; i < 20000; ++i) {
        std::string text(random() % 24, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        try {
            Variant result;
            TXLCalculator calculator(&sheet);
            calculator.CheckOnly = random() % 4 == 0;
            calculator.Calculate(text, result);
        } catch (const EPlatformError&) {
            // a formula error or a value error: both are outcomes the formula cell maps to its error texts
        }
    }
}

} // namespace
} // namespace qv
