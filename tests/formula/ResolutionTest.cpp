// Name resolution: the function table, the sheet's events and default resolvers, and CalcExpression's
// evaluation stack.
#include "FormulaTestSupport.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::Outcome;

// A sheet whose own resolvers know one function and one variable, and count how often they are asked.
class ResolvingSheet : public TXLSheet {
public:
    int functionCalls = 0;
    int variableCalls = 0;

    void DoFunction(const std::string& function, std::span<const Variant> params, Variant& result) override
    {
        ++functionCalls;
        if (function == "TWICE")
            result = params[0].ToDouble(XLManager().Desktop().GetLocale()) * 2;
    }
    void DoVariable(const std::string& variable, Variant& result) override
    {
        ++variableCalls;
        if (variable == "RATE")
            result = 0.25;
        else
            TXLSheet::DoVariable(variable, result);
    }
};

TEST(FormulaResolution, ConversionFunctionsAreInTheTableFromTheStart)
{
    const test::OutcomeCase cases[] = {
        {"STRING(1.5)", "string 1.5"},
        {"String(INTEGER(3)) + 'x'", "string 3x"},
        {"INTEGER('12')", "integer 12"},
        {"INTEGER(2.5)", "integer 2"},
        {"BOOLEAN('true')", "boolean True"},
        {"BOOLEAN(0)", "boolean False"},
        {"CURRENCY('0.00015')", "currency 0.0002"},
        {"CURRENCY(3)", "currency 3.0000"},
        {"DATETIME(2.5)", "date 1900/1/1 12:00:00"},
        {"DOUBLE(INTEGER(3))", "double 3"},
        {"DOUBLE('abc')", R"(error EConvertError "'abc' is not a valid floating point value")"},
        {"BOOLEAN('maybe')", R"(error EConvertError "'maybe' is not a valid boolean value")"},
        {"INTEGER(3E9)", R"(error EInvalidOp "Invalid floating point operation")"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Outcome(c.text), c.expected) << c.text;
}

TEST(FormulaResolution, RegisteredNamesAreUpperCasedAndUnique)
{
    TXLManager& m = XLManager();
    if (!m.HasFunction("PLUSONE"))
        m.RegisterFunction("PlusOne", [](TXLSheet*, std::span<const Variant> params, Variant& result) {
            result = params[0].ToInteger(XLManager().Desktop().GetLocale()) + 1;
        });
    EXPECT_TRUE(m.HasFunction("PLUSONE"));
    EXPECT_FALSE(m.HasFunction("PlusOne"));
    EXPECT_EQ(Outcome("plusone(1) + PLUSONE(2)"), "integer 5");
    try {
        m.RegisterFunction("plusONE", {});
        ADD_FAILURE() << "second registration accepted";
    } catch (const EXLGridError& e) {
        EXPECT_EQ(e.Message(), "String list does not allow duplicates");
    }
    EXPECT_THROW(m.RegisterFunction("integer", {}), EXLGridError);
}

TEST(FormulaResolution, TableFirstThenOnFunctionThenDoFunction)
{
    ResolvingSheet sheet;
    std::vector<std::string> asked;
    sheet.OnFunction = [&](TXLSheet& sender, const std::string& name, std::span<const Variant> params,
                           Variant& result) {
        EXPECT_EQ(&sender, &sheet);
        asked.push_back(name + "/" + std::to_string(params.size()));
        if (name == "INTEGER")
            result = "replaced"; // never asked: the table comes first
        else if (name == "ANSWER")
            result = 42;
        else if (name == "NOTHING")
            result = Variant(); // Empty is an answer
    };
    EXPECT_EQ(Outcome("integer('5')", &sheet), "integer 5");
    EXPECT_EQ(Outcome("answer(1, 2) + Twice(3)", &sheet), "double 48");
    EXPECT_EQ(Outcome("NOTHING(0)", &sheet), "empty");
    EXPECT_EQ(Outcome("Unknown(1)", &sheet), R"~(error EXLUnknown "Unknown Identifier: Unknown()" 10)~");
    EXPECT_EQ(asked, (std::vector<std::string>{"ANSWER/2", "TWICE/1", "NOTHING/1", "UNKNOWN/1"}));
    EXPECT_EQ(sheet.functionCalls, 2) << "DoFunction runs only when OnFunction left Null";
}

TEST(FormulaResolution, OnVariableThenDoVariable)
{
    ResolvingSheet sheet;
    sheet.SetCellValue(0, 0, "4");
    std::vector<std::string> asked;
    sheet.OnVariable = [&](TXLSheet&, const std::string& name, Variant& result) {
        asked.push_back(name);
        if (name == "A1")
            result = 100; // a handler may shadow a cell
        if (name == "B1")
            result = Variant::Null(); // leaves the name to the sheet
    };
    EXPECT_EQ(Outcome("a1 + Rate + b1", &sheet), "double 100.25");
    EXPECT_EQ(asked, (std::vector<std::string>{"A1", "RATE", "B1"}));
    EXPECT_EQ(sheet.variableCalls, 2);
    EXPECT_EQ(Outcome("Missing", &sheet), R"(error EXLUnknown "Unknown Identifier: Missing" 7)");
}

TEST(FormulaResolution, WithoutASheetOnlyTheTableResolves)
{
    EXPECT_EQ(Outcome("INTEGER('5')"), "integer 5");
    EXPECT_EQ(Outcome("A1"), R"(error EXLUnknown "Unknown Identifier: A1" 2)");
    EXPECT_EQ(Outcome("F(1)"), R"~(error EXLUnknown "Unknown Identifier: F()" 4)~");
}

TEST(FormulaResolution, DefaultVariableResolverStaysInsideTheCounts)
{
    TXLSheet sheet;
    sheet.SetColCount(30);
    sheet.SetRowCount(3);
    sheet.SetCellValue(26, 2, "5");
    Variant result = Variant::Null();
    sheet.DoVariable("AA3", result);
    EXPECT_EQ(result, Variant("5"));
    for (const char* name : {"AA4", "AE1", "RATE", "A0", "$A$1"}) {
        result = Variant::Null();
        sheet.DoVariable(name, result);
        EXPECT_TRUE(result.IsNull()) << name;
    }
    result = Variant::Null();
    sheet.DoVariable("C2", result);
    EXPECT_TRUE(result.IsUnassigned()) << "a cell within the counts without an object is Empty";
    EXPECT_EQ(sheet.FindCell(2, 1), nullptr) << "reading creates no cell";
}

TEST(FormulaResolution, AnUnknownFunctionIsReportedAfterItsArguments)
{
    TXLSheet sheet;
    std::vector<std::string> order;
    sheet.OnVariable = [&](TXLSheet&, const std::string& name, Variant& result) {
        order.push_back(name);
        result = 1;
    };
    sheet.OnFunction = [&](TXLSheet&, const std::string& name, std::span<const Variant>, Variant&) {
        order.push_back(name + "()");
    };
    EXPECT_EQ(Outcome("G(X, H(Y), Z)", &sheet), R"~(error EXLUnknown "Unknown Identifier: H()" 9)~");
    EXPECT_EQ(order, (std::vector<std::string>{"X", "Y", "H()"}));
}

TEST(FormulaCalcExpression, EvaluatesAgainstTheSheet)
{
    TXLSheet sheet;
    sheet.SetCellValue(0, 0, "5");
    sheet.SetCellValue(1, 0, "2");
    EXPECT_EQ(sheet.CalcExpression("A1*2+B1/4", nullptr), Variant(10.5));
    EXPECT_EQ(sheet.CalcExpression("A1/0", nullptr, cmCheckOnly), Variant("5"));
    EXPECT_TRUE(sheet.CalcExpression("", nullptr).IsUnassigned());
    EXPECT_THROW(sheet.CalcExpression("A1/0", nullptr), EZeroDivide);
}

TEST(FormulaCalcExpression, ACellEvaluatedWithinItsOwnEvaluationIsCircular)
{
    TXLSheet sheet;
    const TXLCell* formula = &sheet.GetCell(0, 0);
    const TXLCell* other = &sheet.GetCell(1, 0);
    std::string nested;
    sheet.OnVariable = [&](TXLSheet& s, const std::string& name, Variant& result) {
        if (name == "SELF") {
            result = s.CalcExpression("1", formula);
        } else if (name == "OTHER") {
            result = s.CalcExpression("1", other);
        } else if (name == "GUARDED") {
            try {
                s.CalcExpression("1", formula);
            } catch (const EXLCircular& e) {
                nested = e.Message() + " " + std::to_string(e.Position());
            }
            result = 7;
        }
    };
    EXPECT_EQ(sheet.CalcExpression("OTHER + 1", formula), Variant(2.0)) << "another cell may nest";
    EXPECT_THROW(sheet.CalcExpression("OTHER", other), EXLCircular);
    try {
        sheet.CalcExpression("2 + SELF", formula);
        ADD_FAILURE() << "no circular error";
    } catch (const EXLCircular& e) {
        EXPECT_EQ(e.Message(), "Circular Reference");
        EXPECT_EQ(e.Position(), 0);
    }
    // Every failed evaluation took its entry off the stack again.
    EXPECT_EQ(sheet.CalcExpression("SELF", nullptr), Variant(1.0));
    EXPECT_EQ(sheet.CalcExpression("GUARDED + 1", formula), Variant(8.0));
    EXPECT_EQ(nested, "Circular Reference 0");
    EXPECT_EQ(sheet.CalcExpression("SELF", nullptr), Variant(1.0));
}

} // namespace
} // namespace qv
