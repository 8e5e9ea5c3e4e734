// Base styles, named styles and stylers: how formatting reaches cells and how styles move between stylers.
#include "RecordingSheetUser.h"
#include "platform/ByteStream.h"
#include "sheet/GridError.h"
#include "sheet/Sheet.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(BaseStyle, ColourReachesCellsWithoutTheirOwn)
{
    TXLSheet sheet;
    TXLCell& plain = sheet.GetCell(0, 0);
    TXLCell& coloured = sheet.GetCell(1, 0);
    coloured.SetColor(clRed);
    sheet.SetModified(false);
    sheet.BaseClientStyle().SetColor(clYellow);
    EXPECT_EQ(plain.Color(), clYellow);
    EXPECT_EQ(sheet.GetCell(3, 3).Color(), clYellow) << "a cell made later too";
    EXPECT_EQ(coloured.Color(), clRed);
    EXPECT_TRUE(sheet.Modified());
}

TEST(BaseStyle, LayoutChangesAreTakenOverByCellsThatDoNotHoldIt)
{
    TXLSheet sheet;
    TXLCell& plain = sheet.GetCell(0, 0);
    TXLCell& own = sheet.GetCell(1, 0);
    own.SetHorzAlign(haRight);
    sheet.BaseClientStyle().SetHorzAlign(haCenter);
    EXPECT_EQ(plain.HorzAlign(), haCenter);
    EXPECT_EQ(own.HorzAlign(), haRight);
    sheet.BaseClientStyle().Font().SetStyle(fsItalic);
    EXPECT_EQ(plain.Font().Style(), fsItalic);
}

TEST(BaseStyle, LinesColourRepaintsOnlyTheTitleSectors)
{
    TXLSheet sheet;
    test::RecordingSheetUser user(&sheet);
    sheet.BaseTitleStyle().SetLinesColor(clRed);
    EXPECT_EQ(user.Events,
              (std::vector<std::string>{"InvalidateSector 0", "InvalidateSector 1", "InvalidateSector 2"}));
    user.Reset();
    sheet.BaseTitleStyle().SetLinesColor(clRed);
    EXPECT_TRUE(user.Events.empty());
}

class StylerTest : public ::testing::Test {
protected:
    TXLStyle& Add(TXLStyler& styler, const std::string& alias)
    {
        TXLStyle& style = styler.AddStyle();
        style.SetAlias(alias);
        return style;
    }
    TXLStyler styler;
    TXLSheet sheet;
};

TEST_F(StylerTest, AliasesAreUnique)
{
    TXLStyle& a = Add(styler, "Total");
    TXLStyle& b = Add(styler, "Sub");
    EXPECT_NO_THROW(a.SetAlias("Total"));
    try {
        b.SetAlias("Total");
        FAIL();
    } catch (const EXLGridError& e) {
        EXPECT_EQ(e.Message(), "Style named \"Total\" already exists!");
    }
    EXPECT_EQ(b.Alias(), "Sub");
    EXPECT_EQ(styler.FindStyle("Sub"), &b);
    EXPECT_EQ(styler.FindStyle("sub"), nullptr);
}

TEST_F(StylerTest, AStyleOfAnotherStylerIsRefused)
{
    TXLStyler other;
    TXLStyle& foreign = Add(other, "X");
    sheet.SetStyler(&styler);
    TXLCell& cell = sheet.GetCell(0, 0);
    try {
        cell.SetBasedOn(&foreign);
        FAIL();
    } catch (const EXLGridError& e) {
        EXPECT_EQ(e.Message(), "Cannot use Style from disconnected Styler!");
    }
    EXPECT_EQ(cell.GetBasedOn(), nullptr);
}

TEST_F(StylerTest, StyleChangesReachBasedCellsButNotTheirOwnGroups)
{
    TXLStyle& style = Add(styler, "Right");
    sheet.SetStyler(&styler);
    TXLCell& based = sheet.GetCell(0, 0);
    TXLCell& own = sheet.GetCell(1, 0);
    TXLCell& other = sheet.GetCell(2, 0);
    based.SetBasedOn(&style);
    own.SetBasedOn(&style);
    own.SetVertAlign(vaTop);
    style.SetHorzAlign(haRight);
    EXPECT_EQ(based.HorzAlign(), haRight);
    EXPECT_EQ(own.VertAlign(), vaTop);
    EXPECT_EQ(own.HorzAlign(), haLeft) << "own layout group wins over the style";
    EXPECT_EQ(other.HorzAlign(), haLeft);
    style.SetColor(clAqua);
    EXPECT_EQ(based.Color(), clAqua);
}

TEST_F(StylerTest, DestroyingAStyleDropsItFromCellsWithTheirOwnFormatting)
{
    TXLStyle& style = Add(styler, "S");
    sheet.SetStyler(&styler);
    TXLCell& cell = sheet.GetCell(0, 0);
    cell.SetBasedOn(&style);
    style.SetColor(clLime);
    cell.SetFrame(frDeepDown);
    cell.SetAsString("value");
    cell.SetHint("hint");
    styler.DestroyStyle(&style);
    EXPECT_EQ(cell.GetBasedOn(), nullptr);
    EXPECT_EQ(cell.Frame(), frNone);
    EXPECT_EQ(static_cast<uint32_t>(cell.Color()), 0x9F000005u);
    EXPECT_EQ(cell.GetAsString(), "value");
    EXPECT_EQ(cell.Hint(), "hint");
    EXPECT_EQ(cell.Props(), PropBit(prValue) | PropBit(prHint));
}

TEST_F(StylerTest, SwitchingStylersCarriesStylesByAlias)
{
    TXLStyler next;
    TXLStyle& oldBold = Add(styler, "Bold");
    Add(styler, "Missing");
    TXLStyle& newBold = Add(next, "Bold");
    newBold.SetHorzAlign(haCenter);
    sheet.SetStyler(&styler);
    TXLCell& bold = sheet.GetCell(0, 0);
    TXLCell& missing = sheet.GetCell(1, 0);
    TXLCell& plain = sheet.GetCell(2, 0);
    bold.SetBasedOn(&oldBold);
    missing.SetBasedOn(styler.FindStyle("Missing"));
    plain.SetIndent(4);
    sheet.SetStyler(&next);
    EXPECT_EQ(bold.GetBasedOn(), &newBold);
    EXPECT_EQ(bold.HorzAlign(), haCenter);
    EXPECT_EQ(missing.GetBasedOn(), nullptr);
    EXPECT_EQ(plain.Indent(), 4) << "cells without a style are untouched";
    EXPECT_EQ(styler.SheetCount(), 0);
    EXPECT_EQ(next.SheetCount(), 1);
    sheet.SetStyler(nullptr);
    EXPECT_EQ(bold.GetBasedOn(), nullptr);
    EXPECT_EQ(plain.Indent(), 0) << "dropping the styler resets every cell";
}

TEST_F(StylerTest, StylesPropertyRoundTripsUnmodified)
{
    TXLStyle& a = Add(styler, "One");
    a.SetColor(clRed);
    a.SetFormat("0.00");
    Add(styler, "Two").SetSides(SideBit(sLeft) | SideBit(sBottom));
    Add(styler, "三").Font().SetName("宋体");
    ByteWriter writer;
    styler.WriteStyles(writer);
    EXPECT_FALSE(styler.Modified());
    TXLStyler copy;
    ByteReader reader(writer.Data());
    copy.ReadStyles(reader);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(copy.Modified());
    ASSERT_EQ(copy.StyleCount(), 3);
    EXPECT_EQ(copy.Styles(0)->Alias(), "One");
    EXPECT_EQ(copy.Styles(0)->Color(), clRed);
    EXPECT_EQ(copy.Styles(0)->Format(), "0.00");
    EXPECT_EQ(copy.Styles(1)->Sides(), SideBit(sLeft) | SideBit(sBottom));
    EXPECT_EQ(copy.Styles(2)->Alias(), "三");
    EXPECT_EQ(copy.Styles(2)->Font().Name(), "宋体");
    EXPECT_EQ(copy.Styles(2)->Index(), 2);
}

TEST_F(StylerTest, DestroyingTheStylerDetachesItsSheets)
{
    auto owned = std::make_unique<TXLStyler>();
    TXLStyle& style = owned->AddStyle();
    sheet.SetStyler(owned.get());
    sheet.GetCell(0, 0).SetBasedOn(&style);
    owned.reset();
    EXPECT_EQ(sheet.Styler(), nullptr);
    EXPECT_EQ(sheet.GetCell(0, 0).GetBasedOn(), nullptr);
}

} // namespace
} // namespace qv
