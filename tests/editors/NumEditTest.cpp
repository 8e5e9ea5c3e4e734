// The number editor in its host: formats, refused characters, stepping, the spinner, formulas and pointing at cells.
#include "EditingGrid.h"

#include "cells/DoubleCell.h"
#include "cells/IntegerCell.h"
#include "editors/NumEdit.h"
#include "editors/NumberEntry.h"
#include "formula/FormulaCell.h"
#include "platform/Locale.h"
#include "sheet/Manager.h"

namespace qv::test {
namespace {

struct NumberCell : EditingGrid {
    // Opens the editor (F2) on a cell of the class with the format and value at (1, 1).
    TXLNumEdit& Open(const TXLCellClass& cls, const std::string& format, const Variant& value)
    {
        TXLCell& cell = Make({1, 1}, cls);
        cell.SetFormat(format);
        cell.SetValue(value);
        GoTo({1, 1});
        Key(Qt::Key_F2);
        auto* edit = dynamic_cast<TXLNumEdit*>(Host().Control());
        EXPECT_NE(edit, nullptr);
        return *edit;
    }
    double Value(Point p) { return Client().GetCell(p).GetValue().ToDouble(XLManager().Desktop().GetLocale()); }
};

TEST(NumberFormatFor, KeepsTheNumberCharactersOfTheFirstSectionAndStepsByItsDecimals)
{
    struct Case {
        const char* display;
        const char* format;
        bool integerMode;
        double step;
    };
    const Case cases[] = {
        {"0.00%", "0.00##", false, 0.0001},   {"#,##0", "#,##0", true, 1},           {"", "", true, 1},
        {"0.00;(0.00)", "0.00", false, 0.01}, {"$# ##0.00", "###0.00", false, 0.01}, {"c", "", true, 1},
    };
    for (const Case& c : cases) {
        const TXLNumberFormat f = NumberFormatFor(c.display);
        EXPECT_EQ(f.Format, c.format) << c.display;
        EXPECT_EQ(f.IntegerMode, c.integerMode) << c.display;
        EXPECT_DOUBLE_EQ(f.Step, c.step) << c.display;
    }
}

TEST(NumEdit, ACommaIsRefusedSoThreeCommaFourIsThirtyFour)
{
    NumberCell g;
    TXLNumEdit& edit = g.Open(TXLCDouble::Class(), "0.00", Variant(2.5));
    EXPECT_EQ(edit.text(), QStringLiteral("2.50"));
    edit.selectAll();
    g.Type(QStringLiteral("3,4"));
    EXPECT_EQ(edit.text(), QStringLiteral("34"));
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Value({1, 1}), 34.0);
}

TEST(NumEdit, RefusedCharactersNeverReachTheText)
{
    struct Case {
        const TXLCellClass* cls;
        const char* format;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {&TXLCInteger::Class(), "", "1.5", "15"},         // an integer cell without a format: no separator
        {&TXLCDouble::Class(), "0.00", "1.2.3e", "1.23"}, // one separator, no exponent after it
        {&TXLCDouble::Class(), "0.00", "-2e5x", "-2e5"},  // letters other than E
    };
    for (const Case& c : cases) {
        NumberCell g;
        TXLNumEdit& edit = g.Open(*c.cls, c.format, Variant(int32_t{0}));
        edit.selectAll();
        g.Type(QString::fromLatin1(c.typed));
        EXPECT_EQ(edit.text().toStdString(), c.shown) << c.typed;
    }
}

TEST(NumEdit, APercentageOpensAtTheStoredFractionAndStepsByItsLastDecimal)
{
    NumberCell g;
    TXLNumEdit& edit = g.Open(TXLCDouble::Class(), "0.00%", Variant(0.1234));
    EXPECT_EQ(edit.text(), QStringLiteral("0.1234"));
    EXPECT_DOUBLE_EQ(edit.Step(), 0.0001);
    g.Key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("0.1235"));
    g.Key(Qt::Key_Down, Qt::ShiftModifier);
    g.Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("0.1233"));
    EXPECT_EQ(g.Body().Current(), (Point{1, 1}));
}

TEST(NumEdit, OptionSShowsASpinnerThatStepsUpAndDown)
{
    NumberCell g;
    TXLNumEdit& edit = g.Open(TXLCDouble::Class(), "0.00|s", Variant(1.0));
    TXLButton& button = g.Host().Button();
    EXPECT_EQ(button.Style(), esSpinner);
    EXPECT_EQ(button.width(), button.fontMetrics().horizontalAdvance(QLatin1Char('M')) + 6);
    EXPECT_EQ(edit.text(), QStringLiteral("1.00"));
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(button.width() / 2, 2));
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(button.width() / 2, 2));
    EXPECT_EQ(edit.text(), QStringLiteral("1.01"));
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(button.width() / 2, button.height() - 2));
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(button.width() / 2, button.height() - 2));
    EXPECT_EQ(edit.text(), QStringLiteral("1.00"));
}

TEST(NumEdit, WithoutOptionsTheButtonHasNoWidth)
{
    NumberCell g;
    g.Open(TXLCDouble::Class(), "0.00", Variant(1.0));
    EXPECT_EQ(g.Host().Button().Style(), esNormal);
    EXPECT_EQ(g.Host().Button().width(), 0);
}

TEST(NumEdit, AnUnknownOptionReplacesTheDisplayFormatWithTheGeneralOne)
{
    NumberCell g;
    TXLNumEdit& edit = g.Open(TXLCFormula::Class(), "0.00|c", Variant(2.5));
    EXPECT_EQ(edit.NumberFormat(), "");
    EXPECT_FALSE(edit.IntegerMode());
    EXPECT_EQ(edit.text(), QStringLiteral("2.5"));
}

TEST(NumEdit, WithOptionFAFormulaCellStoresTheFormulaAndANumberCellItsValue)
{
    struct Case {
        const TXLCellClass* cls;
        const char* expectedText;
    };
    const Case cases[] = {{&TXLCFormula::Class(), "=A1*2"}, {&TXLCDouble::Class(), "6"}};
    for (const Case& c : cases) {
        NumberCell g;
        g.Make({0, 0}, TXLCDouble::Class()).SetValue(Variant(3.0));
        TXLNumEdit& edit = g.Open(*c.cls, "0|f", Variant(1.0));
        EXPECT_TRUE(edit.FormulaEntry());
        edit.selectAll();
        g.Type(QStringLiteral("=A1*2"));
        g.Key(Qt::Key_Return);
        TXLCell& cell = g.Client().GetCell({1, 1});
        EXPECT_EQ(cell.GetAsString(), c.expectedText) << c.cls->Name;
        EXPECT_EQ(g.Value({1, 1}), 6.0) << c.cls->Name;
    }
}

TEST(NumEdit, WithoutOptionFAFormulaCellIsEditedAsItsNumberAndKeepsItsFormulaUnchanged)
{
    NumberCell g;
    g.Make({0, 0}, TXLCDouble::Class()).SetValue(Variant(3.0));
    TXLCell& formula = g.Make({1, 1}, TXLCFormula::Class());
    formula.SetAsString("=A1*2");
    g.GoTo({1, 1});
    g.Key(Qt::Key_F2);
    auto* edit = dynamic_cast<TXLNumEdit*>(g.Host().Control());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("6"));
    g.Key(Qt::Key_Escape);
    g.Key(Qt::Key_F2);
    g.Key(Qt::Key_Return);
    EXPECT_EQ(g.Client().GetCell({1, 1}).GetAsString(), "=A1*2");
}

TEST(NumEdit, ClickingCellsWhileTypingAFormulaInsertsAndThenReplacesTheReference)
{
    NumberCell g;
    g.Make({0, 0}, TXLCDouble::Class()).SetValue(Variant(1.0));
    TXLNumEdit& edit = g.Open(TXLCFormula::Class(), "0|f", Variant(0.0));
    edit.selectAll();
    g.Type(QStringLiteral("=A1+"));
    g.Click({1, 2}); // B3
    EXPECT_EQ(edit.text(), QStringLiteral("=A1+B3"));
    g.Click({2, 3}); // C4
    EXPECT_EQ(edit.text(), QStringLiteral("=A1+C4"));
    EXPECT_EQ(g.Body().Current(), (Point{1, 1}));
    EXPECT_TRUE(g.Host().Active());
}

TEST(NumEdit, AClickThatWouldNotMakeAFormulaMovesTheCurrentCellInstead)
{
    NumberCell g;
    TXLNumEdit& edit = g.Open(TXLCFormula::Class(), "0|f", Variant(0.0));
    edit.selectAll();
    g.Type(QStringLiteral("12"));
    g.Click({2, 3});
    EXPECT_EQ(g.Body().Current(), (Point{2, 3}));
    EXPECT_EQ(g.Value({1, 1}), 12.0);
}

TEST(NumberTyping, FormulaEntryTakesAnythingOnceAnEqualsSignIsThere)
{
    const Locale& locale = Locale::ChinaDefault();
    EXPECT_TRUE(IsValidNumberChar('=', {false, true, "", ""}, locale));
    EXPECT_TRUE(IsValidNumberChar('(', {false, true, "=A1", "=A1"}, locale));
    EXPECT_FALSE(IsValidNumberChar('(', {false, false, "=A1", "=A1"}, locale));
    EXPECT_FALSE(IsValidNumberChar('\r', {false, false, "", ""}, locale));
    // The separator is taken again when the selection that holds it is to be replaced.
    EXPECT_TRUE(IsValidNumberChar('.', {false, false, "1.5", "1"}, locale));
}

} // namespace
} // namespace qv::test
