// Formula cells: evaluation when assigned, kept numbers, error texts, and the stream.
#include "formula/FormulaCell.h"
#include "cells/DoubleCell.h"
#include "platform/ByteStream.h"
#include "sheet/Manager.h"
#include "sheet/Sheet.h"

#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace qv {
namespace {

class FormulaCellTest : public ::testing::Test {
protected:
    TXLCFormula& Formula(int col, int row)
    {
        return static_cast<TXLCFormula&>(sheet.Section(sClient).ReplaceCell({col, row}, &TXLCFormula::Class()));
    }
    TXLCell& Double(int col, int row) { return sheet.Section(sClient).ReplaceCell({col, row}, &TXLCDouble::Class()); }
    TXLSheet sheet;
};

TEST_F(FormulaCellTest, TheRegistryHoldsItAtIndexTen)
{
    EXPECT_EQ(XLManager().CellClasses(10), &TXLCFormula::Class());
    EXPECT_EQ(CellClassID(&TXLCFormula::Class()), 1041);
    EXPECT_EQ(XLManager().EditorCount(&TXLCFormula::Class()), 1);
    EXPECT_EQ(XLManager().CellFormats(&TXLCFormula::Class())->at(1), "0|c");
}

TEST_F(FormulaCellTest, EvaluatesOnceWhenAssigned)
{
    Double(0, 0).SetAsFloat(5);
    TXLCFormula& f = Formula(1, 0);
    f.SetAsString("A1*2");
    EXPECT_EQ(f.GetAsFloat(), 10);
    EXPECT_EQ(f.GetDisplayText(), "10");
    EXPECT_EQ(f.GetAsString(), "=A1*2");
    sheet.GetCell(0, 0).SetAsFloat(6);
    EXPECT_EQ(f.GetAsFloat(), 10) << "no recalculation when A1 changes";
    f.SetAsString("A1*2");
    EXPECT_EQ(f.GetAsFloat(), 10) << "the same text again does nothing";
    f.SetAsString("=A1*2");
    EXPECT_EQ(f.GetAsFloat(), 12) << "with a leading = it evaluates again";
}

TEST_F(FormulaCellTest, ErrorsKeepThePreviousNumber)
{
    sheet.GetCell(0, 1).SetAsString("12");
    sheet.GetCell(1, 1).SetAsString("twelve");
    struct Case {
        const char* formula;
        const char* text;
        TXLCFormula::TXLFormulaError error;
    } cases[] = {
        {"=1/0", "#DIV/0!", TXLCFormula::feDivByZero}, {"=1 DIV 0", "#VALUE!", TXLCFormula::feValue},
        {"=XYZ", "#NAME!", TXLCFormula::feName},       {"=1+", "#VALUE!", TXLCFormula::feValue},
        {"=B2", "#VALUE!", TXLCFormula::feValue},      {"=A2+1", "13", TXLCFormula::feNone},
    };
    for (const auto& c : cases) {
        TXLCFormula& f = Formula(3, 3);
        f.SetAsFloat(7);
        f.SetAsString(c.formula);
        EXPECT_EQ(f.GetDisplayText(), c.text) << c.formula;
        EXPECT_EQ(f.Error(), c.error) << c.formula;
        if (c.error != TXLCFormula::feNone) {
            EXPECT_EQ(f.GetAsFloat(), 7) << c.formula;
        }
    }
}

TEST_F(FormulaCellTest, AssigningTextNumbersAndNothing)
{
    Double(0, 0).SetAsFloat(4);
    TXLCFormula& f = Formula(1, 0);
    f.SetAsString("==A1");
    EXPECT_EQ(f.Formula(), "A1");
    EXPECT_EQ(f.GetAsString(), "=A1");
    f.SetValue(7.0);
    EXPECT_EQ(f.Formula(), "");
    EXPECT_EQ(f.GetAsString(), "7");
    f.SetAsString("=A1");
    f.SetAsString("");
    EXPECT_EQ(f.Formula(), "");
    EXPECT_EQ(f.GetAsFloat(), 4) << "an empty text leaves the number";
}

TEST_F(FormulaCellTest, AnOnVariableHandlerReassigningTheCellIsCircular)
{
    TXLCFormula& f = Formula(2, 2);
    sheet.OnVariable = [&](TXLSheet&, const std::string& name, Variant& result) {
        if (name == "LOOP") {
            f.SetAsString("=LOOP");
            result = int32_t(1);
        }
    };
    f.SetAsString("LOOP+1");
    // The inner assignment met the cell on the evaluation stack.
    EXPECT_EQ(f.Error(), TXLCFormula::feCircular);
    EXPECT_EQ(f.GetDisplayText(), "#CIRCULAR!");
    EXPECT_EQ(f.Formula(), "LOOP");
}

TEST_F(FormulaCellTest, NothingAHandlerThrowsLeavesRecalculateButRunningOutOfMemory)
{
    struct NoExceptionClass {};
    const struct {
        const char* what;
        std::function<void()> raise;
    } throwers[] = {
        {"an integer", [] { throw 42; }},
        {"a plain struct", [] { throw NoExceptionClass{}; }},
        {"a standard error", [] { throw std::runtime_error("handler failed"); }},
    };
    for (const auto& thrower : throwers) {
        sheet.OnVariable = [&](TXLSheet&, const std::string&, Variant&) { thrower.raise(); };
        TXLCFormula& f = Formula(1, 1);
        f.SetAsFloat(7);
        EXPECT_NO_THROW(f.SetAsString("=HANDLER+1")) << thrower.what;
        EXPECT_EQ(f.Error(), TXLCFormula::feValue) << thrower.what;
        EXPECT_EQ(f.GetDisplayText(), "#VALUE!") << thrower.what;
        EXPECT_EQ(f.GetAsFloat(), 7) << thrower.what;
    }
    sheet.OnVariable = [](TXLSheet&, const std::string&, Variant&) { throw std::bad_alloc(); };
    TXLCFormula& f = Formula(1, 1);
    f.SetAsFloat(7);
    EXPECT_THROW(f.SetAsString("=HANDLER+1"), std::bad_alloc);
    EXPECT_EQ(f.Error(), TXLCFormula::feNone);
    EXPECT_EQ(f.GetDisplayText(), "7");
    // The evaluation stack was left clean: the next evaluation is no circular one.
    sheet.OnVariable = nullptr;
    f.SetAsString("=2+3");
    EXPECT_EQ(f.Error(), TXLCFormula::feNone);
    EXPECT_EQ(f.GetAsFloat(), 5);
}

// A cell whose value cannot be read for want of memory.
class OutOfMemoryCell : public TXLCDouble {
public:
    static const TXLCellClass& Class()
    {
        static const TXLCellClass cls{"OutOfMemoryCell", MakeCell<OutOfMemoryCell>};
        return cls;
    }
    const TXLCellClass* GetCellClass() const override { return &Class(); }
    Variant GetValue() override { throw std::bad_alloc(); }
};

TEST_F(FormulaCellTest, ACellReferenceThatRunsOutOfMemoryIsNoEmptyCell)
{
    sheet.Section(sClient).ReplaceCell({0, 0}, &OutOfMemoryCell::Class());
    TXLCFormula& f = Formula(1, 1);
    f.SetAsFloat(7);
    EXPECT_THROW(f.SetAsString("=A1+1"), std::bad_alloc);
    EXPECT_EQ(f.GetAsFloat(), 7);
    EXPECT_EQ(f.Error(), TXLCFormula::feNone);
}

TEST_F(FormulaCellTest, RoundTripsThroughTheStreamWithoutAnError)
{
    TXLCFormula& f = Formula(0, 0);
    f.SetAsFloat(3);
    f.SetAsString("=1/0");
    ASSERT_EQ(f.Error(), TXLCFormula::feDivByZero);
    ByteWriter writer;
    sheet.WriteData(writer);
    TXLSheet copy;
    ByteReader reader(writer.Data());
    copy.ReadData(reader);
    auto* loaded = dynamic_cast<TXLCFormula*>(copy.FindCell(0, 0));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Formula(), "1/0");
    EXPECT_EQ(loaded->Error(), TXLCFormula::feNone);
    EXPECT_EQ(loaded->GetAsFloat(), 3);
    EXPECT_EQ(loaded->GetDisplayText(), "3");
}

} // namespace
} // namespace qv
