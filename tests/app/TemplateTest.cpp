// The five sheet templates: each embedded stream reads to its end and yields the listed cells, sizes and layers.
#include "AppTestSupport.h"
#include "app/core/SheetTemplates.h"
#include "cells/CurrencyCell.h"
#include "cells/DoubleCell.h"
#include "cells/StringCell.h"
#include "platform/TextCodec.h"

#include <vector>

namespace qv {
namespace {

constexpr TColor kGrey = RgbColor(191, 191, 191);
constexpr TColor kOrange = RgbColor(255, 200, 0);
using test::kIndent;

const TFinSheet kAllSheets[] = {fsBalanceSheet, fsIncomeStatement, fsCashFlow, fsRatios, fsDuPont};

class Templates : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (TFinSheet which : kAllSheets)
            m_sheets[which] = CreateTemplateSheet(which);
    }
    TXLSheet& Template(TFinSheet which) { return *m_sheets[which]; }

    std::unique_ptr<TXLSheet> m_sheets[kFinSheetCount];
};

TEST_F(Templates, EachStreamReadsToItsLastByteAndWritesBackTheSameBytes)
{
    for (TFinSheet which : kAllSheets) {
        SCOPED_TRACE(SheetComponentName(which));
        const std::string_view stream = TemplateStream(which);
        ByteReader reader(stream);
        TXLSheet sheet;
        sheet.ReadData(reader);
        EXPECT_TRUE(reader.AtEnd()) << reader.Remaining() << " bytes left";
        ByteWriter writer;
        Template(which).WriteData(writer);
        EXPECT_EQ(writer.Data(), stream);
    }
}

TEST_F(Templates, DimensionsNamesAndSheetPropertiesAreThoseOfTheWindow)
{
    struct Case {
        TFinSheet Sheet;
        const char* Name;
        const char* File;
        int Cols, Rows;
    };
    const Case cases[] = {{fsBalanceSheet, "XLSheet1", "zcfz.dat", 10, 85},
                          {fsIncomeStatement, "XLSheet2", "sy.dat", 10, 37},
                          {fsCashFlow, "XLSheet3", "xjll.dat", 10, 78},
                          {fsRatios, "XLSheet4", "cwfx.dat", 10, 20},
                          {fsDuPont, "Sheet_DuPont", "", 11, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TXLSheet& sheet = Template(c.Sheet);
        EXPECT_EQ(sheet.Name, c.Name);
        EXPECT_EQ(SheetFileName(c.Sheet), c.File);
        EXPECT_EQ(sheet.ColCount(), c.Cols);
        EXPECT_EQ(sheet.RowCount(), c.Rows);
        EXPECT_EQ(sheet.TitleCols(), 1);
        EXPECT_EQ(sheet.TitleRows(), 1);
        EXPECT_EQ(sheet.ColDefWidth(), 60);
        EXPECT_EQ(sheet.RowDefHeight(), 15);
        EXPECT_EQ(sheet.ColMaxWidth(), 0);
        EXPECT_EQ(sheet.RowMaxHeight(), 0);
        for (TXLSide side : {sLeft, sTop, sRight, sBottom})
            EXPECT_EQ(sheet.PrintMargin(side), 0);
        EXPECT_EQ(sheet.PrintMode(), pmNormal);
        EXPECT_EQ(sheet.PrintScale(), 100);
        EXPECT_FALSE(sheet.PrintHidden());
        EXPECT_EQ(sheet.PrintTitles(), kBothAxes);
        EXPECT_FALSE(sheet.PrintGridLines());
        EXPECT_FALSE(sheet.ReadOnly);
        EXPECT_EQ(sheet.Styler(), nullptr);
        EXPECT_TRUE(sheet.Background().ClassName.empty());
    }
}

TEST_F(Templates, BaseStylesAreThoseOfANewSheet)
{
    // The stream opens with the magic, the version and the two base-style records, each framed by its length.
    auto styleRecords = [](std::string_view stream) {
        ByteReader reader(stream);
        reader.Skip(4, "magic");
        for (int record = 0; record < 2; ++record)
            reader.Skip(reader.ReadInt32("length") - 4, "record");
        return std::string(stream.substr(0, reader.Offset()));
    };
    TXLSheet fresh;
    ByteWriter writer;
    fresh.WriteData(writer);
    for (TFinSheet which : kAllSheets)
        EXPECT_EQ(styleRecords(TemplateStream(which)), styleRecords(writer.Data())) << SheetComponentName(which);
    TXLBaseStyle& client = Template(fsBalanceSheet).BaseClientStyle();
    EXPECT_EQ(client.Font().Name(), "Arial");
    EXPECT_EQ(client.Font().Height(), -11);
    EXPECT_EQ(client.GetCellClass(), &TXLCString::Class());
}

TEST_F(Templates, SizesAreTheListedOnesAndTheDefaultElsewhere)
{
    struct Case {
        TFinSheet Sheet;
        TXLAxis Axis;
        int Index; // -1: the title column or row
        int Size;
    };
    const Case cases[] = {
        {fsBalanceSheet, axCols, 0, 60},     {fsBalanceSheet, axCols, 1, 166},    {fsBalanceSheet, axCols, 2, 94},
        {fsBalanceSheet, axCols, 4, 102},    {fsBalanceSheet, axCols, 8, 106},    {fsBalanceSheet, axCols, 9, 92},
        {fsBalanceSheet, axCols, -1, 60},    {fsBalanceSheet, axRows, 84, 15},    {fsBalanceSheet, axRows, -1, 15},
        {fsIncomeStatement, axCols, 1, 157}, {fsIncomeStatement, axCols, 5, 83},  {fsIncomeStatement, axCols, 9, 95},
        {fsIncomeStatement, axRows, -1, 28}, {fsIncomeStatement, axRows, 35, 29}, {fsIncomeStatement, axRows, 34, 15},
        {fsCashFlow, axCols, 0, 42},         {fsCashFlow, axCols, 1, 327},        {fsCashFlow, axCols, 4, 62},
        {fsCashFlow, axCols, 5, 60},         {fsCashFlow, axRows, 47, 17},        {fsCashFlow, axRows, 48, 15},
        {fsRatios, axCols, -1, 58},          {fsRatios, axCols, 0, 144},          {fsRatios, axCols, 1, 130},
        {fsRatios, axCols, 2, 65},           {fsRatios, axCols, 8, 52},           {fsRatios, axCols, 9, 60},
        {fsRatios, axRows, 0, 16},           {fsRatios, axRows, 1, 37},           {fsRatios, axRows, 3, 52},
        {fsRatios, axRows, 7, 34},           {fsRatios, axRows, 8, 15},           {fsRatios, axRows, 10, 39},
        {fsRatios, axRows, 14, 31},          {fsRatios, axRows, 15, 15},          {fsRatios, axRows, 19, 15},
        {fsDuPont, axCols, 0, 54},           {fsDuPont, axCols, 1, 99},           {fsDuPont, axCols, 3, 80},
        {fsDuPont, axCols, 4, 69},           {fsDuPont, axCols, 10, 60},          {fsDuPont, axRows, 5, 15},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Template(c.Sheet).GetSize(c.Index, c.Axis), c.Size)
            << SheetComponentName(c.Sheet) << (c.Axis == axCols ? " column " : " row ") << c.Index;
}

TEST_F(Templates, LineNamesStandAtTheirRowsWithIndentsAndTrailingBlanks)
{
    struct Case {
        TFinSheet Sheet;
        int Col, Row;
        std::string Text;
    };
    const Case cases[] = {
        {fsBalanceSheet, 1, 1, "货币资金 "},
        {fsBalanceSheet, 1, 3, std::string(kIndent) + "减：短期投资跌价准备"},
        {fsBalanceSheet, 1, 24, "流动资产合计"},
        {fsBalanceSheet, 1, 25, "长期股权投资 "},
        {fsBalanceSheet, 1, 26, std::string(kIndent) + "其中：合并差价"},
        {fsBalanceSheet, 1, 31, "固定资产原价 "},
        {fsBalanceSheet, 1, 32, std::string(kIndent) + "减：累计折旧"},
        {fsBalanceSheet, 1, 46, "资产总计"},
        {fsBalanceSheet, 1, 73, "负债合计"},
        {fsBalanceSheet, 1, 79, std::string(kIndent) + "任意公积金"},
        {fsBalanceSheet, 1, 84, "负债及股东权益总计"},
        {fsIncomeStatement, 1, 1, "主营业务收入"},
        {fsIncomeStatement, 1, 22, "净利润"},
        {fsIncomeStatement, 1, 36, "未分配利润"},
        {fsCashFlow, 1, 1, "经营活动产生的现金流量"},
        {fsCashFlow, 1, 61, "处置固定资产、无形资产和其他长期资产的损失（减：收益）"},
        {fsCashFlow, 1, 77, "现金及现金等价物净增加额"},
        {fsRatios, 1, 0, "偿债能力分析"},
        {fsRatios, 1, 4, "资产负债率(负债比率)"},
        {fsRatios, 1, 9, "营运能力分析"},
        {fsRatios, 1, 15, "赢利能力分析"},
        {fsRatios, 1, 19, "销售净利润率"},
        {fsRatios, 0, 0, "指标说明"},
        {fsRatios, 0, 2, "安全边际为１"},
        {fsRatios, 0, 3, "現金比率越高，表示現金資產占流動資產越高，變現損失風險較小。"},
        {fsRatios, 0, 19, "越大越好"},
        {fsDuPont, 1, 1, "资产负债率"},
        {fsDuPont, 1, 5, "净资产收益率"},
    };
    for (const Case& c : cases) {
        TXLCell* cell = Template(c.Sheet).FindCell(c.Col, c.Row);
        ASSERT_NE(cell, nullptr) << SheetComponentName(c.Sheet) << " " << c.Col << ", " << c.Row;
        EXPECT_EQ(cell->GetCellClass(), &TXLCString::Class());
        EXPECT_EQ(cell->GetAsString(), c.Text) << SheetComponentName(c.Sheet) << " row " << c.Row;
    }
    // In the file the indent is the GBK byte pair itself.
    EXPECT_EQ(Utf8ToGbk(Template(fsBalanceSheet).FindCell(1, 78)->GetAsString()).substr(0, 2), "\xA3\xA0");
}

TEST_F(Templates, EveryLineHasANameAndTheRatioTableItsBlankRow)
{
    for (TFinSheet which : {fsBalanceSheet, fsIncomeStatement, fsCashFlow, fsRatios, fsDuPont}) {
        TXLSheet& sheet = Template(which);
        for (int row = 1; row < sheet.RowCount(); ++row) {
            TXLCell* name = sheet.FindCell(1, row);
            if (which == fsRatios && row == 8)
                EXPECT_EQ(name, nullptr);
            else
                EXPECT_TRUE(name && !name->GetAsString().empty()) << SheetComponentName(which) << " row " << row;
        }
    }
}

// The rows of a column whose cell holds a font of its own in the colour.
std::vector<int> RowsWithOwnFont(TXLSheet& sheet, int col, TColor colour)
{
    std::vector<int> rows;
    for (int row = 0; row < sheet.RowCount(); ++row) {
        TXLCell* cell = sheet.FindCell(col, row);
        if (cell && cell->Holds(prFont) && cell->Font().Color() == colour)
            rows.push_back(row);
    }
    return rows;
}

TEST_F(Templates, RedNamesAreExactlyTheRequiredLines)
{
    EXPECT_EQ(RowsWithOwnFont(Template(fsBalanceSheet), 1, clRed),
              (std::vector<int>{1, 2, 10, 15, 18, 19, 24, 38, 46, 64, 73, 83}));
    EXPECT_EQ(RowsWithOwnFont(Template(fsIncomeStatement), 1, clRed), (std::vector<int>{1, 3, 4, 6, 13, 19, 22}));
    EXPECT_TRUE(RowsWithOwnFont(Template(fsCashFlow), 1, clRed).empty());
    EXPECT_TRUE(RowsWithOwnFont(Template(fsRatios), 1, clRed).empty());
    for (int col = 0; col <= 10; ++col)
        EXPECT_EQ(RowsWithOwnFont(Template(fsDuPont), col, clRed), std::vector<int>{5}) << "column " << col;
    // The red font is the base font in red.
    TXLFontData expected = Template(fsBalanceSheet).BaseClientStyle().Font().Data();
    expected.Color = clRed;
    EXPECT_EQ(Template(fsBalanceSheet).FindCell(1, 24)->Font().Data(), expected);
}

TEST_F(Templates, BalanceSheetRowEightHasItsOwnFontWithoutColour)
{
    TXLCell& cell = *Template(fsBalanceSheet).FindCell(1, 8);
    EXPECT_TRUE(cell.Holds(prFont));
    TXLFontData expected = Template(fsBalanceSheet).BaseClientStyle().Font().Data();
    expected.Color = clNone;
    EXPECT_EQ(cell.Font().Data(), expected);
    EXPECT_EQ(RowsWithOwnFont(Template(fsBalanceSheet), 1, clNone), std::vector<int>{8});
}

TEST_F(Templates, BackgroundsMarkSubtotalsTotalsAndHeadings)
{
    struct Case {
        TFinSheet Sheet;
        int Col, Row;
        TColor Colour;
    };
    const Case cases[] = {
        {fsBalanceSheet, 1, 24, kGrey},    {fsBalanceSheet, 1, 83, kGrey},
        {fsBalanceSheet, 1, 46, kOrange},  {fsBalanceSheet, 1, 84, kOrange},
        {fsBalanceSheet, 2, 24, clWindow}, {fsBalanceSheet, 0, 46, clWindow},
        {fsIncomeStatement, 0, 1, kGrey},  {fsIncomeStatement, 9, 36, kGrey},
        {fsIncomeStatement, 5, 19, kGrey}, {fsIncomeStatement, 1, 2, clWindow},
        {fsCashFlow, 0, 48, kGrey},        {fsCashFlow, 9, 49, kGrey},
        {fsCashFlow, 1, 47, clWindow},     {fsRatios, 0, 0, kGrey},
        {fsRatios, 9, 9, kGrey},           {fsRatios, 5, 15, kGrey},
        {fsRatios, 0, 8, clWindow},        {fsRatios, 2, 1, clWindow},
        {fsDuPont, 0, 5, kGrey},           {fsDuPont, 10, 5, kGrey},
        {fsDuPont, 1, 4, clWindow},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Template(c.Sheet).Section(sClient).GetLayerValue(kLayerColor, c.Col, c.Row), c.Colour)
            << SheetComponentName(c.Sheet) << " " << c.Col << ", " << c.Row;
    std::vector<int> grey, orange;
    for (int row = 0; row < 85; ++row) {
        const TColor colour = Template(fsBalanceSheet).Section(sClient).GetLayerValue(kLayerColor, 1, row);
        if (colour == kGrey)
            grey.push_back(row);
        else if (colour == kOrange)
            orange.push_back(row);
        else
            EXPECT_EQ(colour, clWindow) << "row " << row;
    }
    EXPECT_EQ(grey, (std::vector<int>{24, 38, 44, 64, 70, 73, 83}));
    EXPECT_EQ(orange, (std::vector<int>{46, 84}));
}

TEST_F(Templates, ValueCellsHoldZeroInTheirClassAndFormat)
{
    struct Case {
        TFinSheet Sheet;
        int ColEnd;            // value columns [2, ColEnd)
        std::vector<int> Rows; // value rows
        const TXLCellClass* Class;
        const char* Format;
    };
    auto range = [](int first, int end) {
        std::vector<int> rows;
        for (int row = first; row < end; ++row)
            rows.push_back(row);
        return rows;
    };
    const Case cases[] = {
        {fsBalanceSheet, 10, range(1, 85), &TXLCCurrency::Class(), "#,##0.00|"},
        {fsIncomeStatement, 10, range(1, 37), &TXLCCurrency::Class(), "#,##0.00|"},
        {fsCashFlow, 10, range(1, 78), &TXLCCurrency::Class(), "#,##0.00|"},
        {fsRatios, 10, {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 16, 17, 18, 19}, &TXLCDouble::Class(), "0.0000|"},
        {fsDuPont, 11, range(1, 6), &TXLCDouble::Class(), "###0.0000|"},
    };
    for (const Case& c : cases)
        for (int row : c.Rows)
            for (int col = 2; col < c.ColEnd; ++col) {
                TXLCell* cell = Template(c.Sheet).FindCell(col, row);
                ASSERT_NE(cell, nullptr) << SheetComponentName(c.Sheet) << " " << col << ", " << row;
                EXPECT_EQ(cell->GetCellClass(), c.Class);
                EXPECT_EQ(cell->Format(), c.Format);
                EXPECT_EQ(cell->GetAsFloat(), 0.0);
            }
}

TEST_F(Templates, HeadingRowsAndResultlessRowsHoldOnlyTheListedCells)
{
    // Empty text cells of row 0 (and the DuPont table's column 0 of row 5).
    struct Present {
        TFinSheet Sheet;
        int Col, Row;
    };
    const Present empty[] = {{fsBalanceSheet, 0, 0}, {fsBalanceSheet, 1, 0}, {fsBalanceSheet, 2, 0},
                             {fsDuPont, 1, 0},       {fsDuPont, 4, 0},       {fsDuPont, 0, 5}};
    for (const Present& p : empty) {
        TXLCell* cell = Template(p.Sheet).FindCell(p.Col, p.Row);
        ASSERT_NE(cell, nullptr) << SheetComponentName(p.Sheet) << " " << p.Col << ", " << p.Row;
        EXPECT_EQ(cell->GetCellClass(), &TXLCString::Class());
        EXPECT_EQ(cell->GetAsString(), "");
    }
    const Present missing[] = {{fsBalanceSheet, 3, 0}, {fsIncomeStatement, 0, 0}, {fsIncomeStatement, 2, 0},
                               {fsCashFlow, 1, 0},     {fsRatios, 2, 0},          {fsRatios, 9, 0},
                               {fsRatios, 2, 8},       {fsRatios, 2, 9},          {fsRatios, 9, 15},
                               {fsDuPont, 5, 0},       {fsDuPont, 0, 1},          {fsCashFlow, 0, 5}};
    for (const Present& p : missing)
        EXPECT_EQ(Template(p.Sheet).FindCell(p.Col, p.Row), nullptr)
            << SheetComponentName(p.Sheet) << " " << p.Col << ", " << p.Row;
    // The title row and column hold nothing.
    for (TFinSheet which : kAllSheets)
        for (TXLSector sector : {sCols, sRows, sTitle})
            EXPECT_EQ(Template(which).Section(sector).ForEachCell({0, 0, 100, 100}, TXLCellWalk::Existing,
                                                                  [](TXLCell&) { return true; }),
                      0);
}

TEST_F(Templates, AMissingHeadingCellIsCreatedAsText)
{
    EXPECT_EQ(Template(fsIncomeStatement).GetCell(4, 0).GetCellClass(), &TXLCString::Class());
}

TEST_F(Templates, LayoutsAlignValuesRightAndRatioTableCellsInTheMiddle)
{
    struct Case {
        TFinSheet Sheet;
        int Col, Row;
        TXLLayout Layout;
    };
    const TXLLayout value{haRight, vaBottom, 0, wmWrapWords};
    const TXLLayout ratio{haRight, vaCenter, 0, wmWrapWords};
    const TXLLayout base{haLeft, vaBottom, 0, wmWrapWords};
    const Case cases[] = {
        {fsBalanceSheet, 2, 1, value},
        {fsBalanceSheet, 9, 84, value},
        {fsBalanceSheet, 1, 1, base},
        {fsIncomeStatement, 5, 20, value},
        {fsCashFlow, 9, 77, value},
        {fsCashFlow, 1, 3, base},
        {fsRatios, 2, 1, ratio},
        {fsRatios, 9, 19, ratio},
        {fsRatios, 2, 8, base},
        {fsRatios, 1, 4, {haCenter, vaCenter, 0, wmWrapWords}},
        {fsRatios, 0, 4, {haLeft, vaCenter, 0, wmWrapWords}},
        {fsDuPont, 10, 5, value},
        {fsDuPont, 1, 5, base},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UnpackLayout(Template(c.Sheet).Section(sClient).GetLayerValue(kLayerLayout, c.Col, c.Row)), c.Layout)
            << SheetComponentName(c.Sheet) << " " << c.Col << ", " << c.Row;
}

TEST_F(Templates, NameColumnsAreReadOnlyButTheDuPontTables)
{
    struct Case {
        TFinSheet Sheet;
        int Col, Row;
        bool ReadOnly;
    };
    const Case cases[] = {
        {fsBalanceSheet, 1, 0, true},  {fsBalanceSheet, 1, 84, true},    {fsBalanceSheet, 2, 1, false},
        {fsBalanceSheet, 0, 1, false}, {fsIncomeStatement, 1, 36, true}, {fsIncomeStatement, 0, 36, false},
        {fsCashFlow, 0, 0, true},      {fsCashFlow, 0, 77, true},        {fsCashFlow, 1, 40, true},
        {fsCashFlow, 2, 40, false},    {fsRatios, 1, 0, true},           {fsRatios, 1, 19, true},
        {fsRatios, 0, 3, false},       {fsRatios, 2, 3, false},          {fsDuPont, 1, 1, false},
        {fsDuPont, 0, 5, false},
    };
    for (const Case& c : cases) {
        const int32_t styles = Template(c.Sheet).Section(sClient).GetLayerValue(kLayerStyles, c.Col, c.Row);
        EXPECT_EQ((styles & CellStyleBit(csReadOnly)) != 0, c.ReadOnly)
            << SheetComponentName(c.Sheet) << " " << c.Col << ", " << c.Row;
    }
}

} // namespace
} // namespace qv
