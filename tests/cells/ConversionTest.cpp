// SetValue conversions of every value class, the kinds GetValue returns, and class changes keeping the value.
#include "CellTestSheet.h"
#include "cells/BooleanCell.h"
#include "cells/CurrencyCell.h"
#include "cells/DateTimeCell.h"
#include "cells/DoubleCell.h"
#include "cells/GroupCell.h"
#include "cells/IntegerCell.h"
#include "cells/PictureCell.h"
#include "cells/StringCell.h"
#include "cells/StringsCell.h"
#include "cells/UrlCell.h"
#include "sheet/Manager.h"

#include <gtest/gtest.h>

#include <vector>

namespace qv {
namespace {

using test::Date;
using test::Time;

struct ConversionCase {
    Variant initial;
    Variant input;
    Variant expected;  // GetValue afterwards
    std::string error; // the conversion's message when it fails; the value then stays the initial one
};

void CheckConversions(const TXLCellClass* cls, const std::vector<ConversionCase>& cases)
{
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        TXLSheet sheet;
        TXLCell& cell = test::PlaceCell(sheet, cls);
        cell.SetValue(c.initial);
        try {
            cell.SetValue(c.input);
            EXPECT_TRUE(c.error.empty()) << "expected the error " << c.error;
        } catch (const EPlatformError& e) {
            EXPECT_EQ(e.Message(), c.error);
        }
        EXPECT_EQ(cell.GetValue(), c.expected);
    }
}

Variant Amount(int64_t raw)
{
    return Currency::FromRaw(raw);
}

Variant DateValue(TDateTime value)
{
    return Variant::FromDateTime(value);
}

TEST(TXLCString, SetValueConversions)
{
    CheckConversions(&TXLCString::Class(), {
                                               {"", 12, "12", ""},
                                               {"", 0.5, "0.5", ""},
                                               {"", true, "True", ""},
                                               {"", Amount(15000), "1.5", ""},
                                               {"", DateValue(Date(2003, 5, 7)), "2003/5/7", ""},
                                               {"x", Variant(), "", ""},
                                               {"x", Variant::Null(), "x", "Invalid variant type conversion"},
                                           });
}

TEST(TXLCUrl, SetValueConversionsAreTheTextCell)
{
    CheckConversions(&TXLCUrl::Class(), {{"", 12, "12", ""}, {"", "http://a.cn", "http://a.cn", ""}});
}

TEST(TXLCStrings, SetValueConversions)
{
    CheckConversions(&TXLCStrings::Class(), {
                                                {"", "a\r\nb", "a\r\nb", ""},
                                                {"", "a\nb", "a\r\nb", ""},
                                                {"", 12, "12", ""},
                                            });
}

TEST(TXLCInteger, SetValueConversions)
{
    CheckConversions(&TXLCInteger::Class(), {
                                                {0, "12", 12, ""},
                                                {0, " -3 ", -3, ""},
                                                {0, 2.5, 2, ""},
                                                {0, 3.5, 4, ""},
                                                {0, "2.5", 2, ""},
                                                {0, Amount(25000), 2, ""},
                                                {0, true, -1, ""},
                                                {0, DateValue(1.75), 2, ""},
                                                {7, "abc", 7, "'abc' is not a valid floating point value"},
                                                {7, "1,000", 7, "'1,000' is not a valid floating point value"},
                                                {7, 1e10, 7, "Invalid floating point operation"},
                                                {7, Variant::Null(), 7, "Invalid variant type conversion"},
                                            });
}

TEST(TXLCDouble, SetValueConversions)
{
    CheckConversions(&TXLCDouble::Class(), {
                                               {0.0, "0.5", 0.5, ""},
                                               {0.0, "5.", 5.0, ""},
                                               {0.0, "1e3", 1000.0, ""},
                                               {0.0, 3, 3.0, ""},
                                               {0.0, Amount(12345), 1.2345, ""},
                                               {0.0, false, 0.0, ""},
                                               {1.5, "x", 1.5, "'x' is not a valid floating point value"},
                                               {1.5, "0x10", 1.5, "'0x10' is not a valid floating point value"},
                                           });
}

TEST(TXLCCurrency, SetValueConversions)
{
    CheckConversions(&TXLCCurrency::Class(), {
                                                 {0, 12, Amount(120000), ""},
                                                 {0, 0.03125, Amount(312), ""},
                                                 {0, 1.00005, Amount(10001), ""},
                                                 {0, "0.00015", Amount(2), ""},
                                                 {0, "0.00005", Amount(0), ""},
                                                 {0, "-7.25", Amount(-72500), ""},
                                                 {1, "x", Amount(10000), "'x' is not a valid floating point value"},
                                                 {1, 1e300, Amount(10000), "Invalid floating point operation"},
                                             });
}

TEST(TXLCDateTime, SetValueTriesDateAndTimeThenDateThenTimeThenNumber)
{
    CheckConversions(&TXLCDateTime::Class(),
                     {
                         {0, "2003/5/7 13:30", DateValue(Date(2003, 5, 7) + Time(13, 30)), ""},
                         {0, "2003/5/7", DateValue(Date(2003, 5, 7)), ""},
                         {0, "13:30", DateValue(Time(13, 30)), ""},
                         {0, "40000", DateValue(40000), ""},
                         {0, 2.5, DateValue(2.5), ""},
                         {0, 3, DateValue(3), ""},
                         {0, DateValue(Date(1999, 12, 31)), DateValue(Date(1999, 12, 31)), ""},
                         {4, "abc", DateValue(4), "'abc' is not a valid floating point value"},
                         {4, "2003/13/40", DateValue(4), "'2003/13/40' is not a valid floating point value"},
                     });
}

TEST(TXLCBoolean, SetValueConversions)
{
    CheckConversions(&TXLCBoolean::Class(), {
                                                {false, "true", true, ""},
                                                {true, "FALSE", false, ""},
                                                {true, "0", false, ""},
                                                {false, 2, true, ""},
                                                {false, 0.5, true, ""},
                                                {true, Variant(), false, ""},
                                                {true, "maybe", true, "'maybe' is not a valid boolean value"},
                                            });
}

TEST(TXLCGroup, SetValueConversionsAreTheBooleanCell)
{
    CheckConversions(&TXLCGroup::Class(), {
                                              {false, "True", true, ""},
                                              {false, 1, true, ""},
                                              {true, "yes", true, "'yes' is not a valid boolean value"},
                                          });
}

TEST(TXLCPicture, AValueIsIgnoredButNotifies)
{
    TXLSheet sheet;
    TXLCell& cell = test::PlaceCell<TXLCPicture>(sheet);
    sheet.SetModified(false);
    cell.SetValue("anything");
    EXPECT_TRUE(cell.GetValue().IsUnassigned());
    EXPECT_TRUE(sheet.Modified());
}

TEST(ReplaceCell, TheNewClassTakesTheOldValueThroughItsConversion)
{
    struct Case {
        const TXLCellClass* from;
        Variant value;
        const TXLCellClass* to;
        Variant expected;
    };
    const Case cases[] = {
        {&TXLCString::Class(), "12", &TXLCInteger::Class(), 12},
        {&TXLCString::Class(), "abc", &TXLCInteger::Class(), 0}, // unconvertible: dropped
        {&TXLCInteger::Class(), 12, &TXLCDouble::Class(), 12.0},
        {&TXLCDouble::Class(), 2.5, &TXLCString::Class(), "2.5"},
        {&TXLCString::Class(), "2003/5/7", &TXLCDateTime::Class(), DateValue(Date(2003, 5, 7))},
        {&TXLCString::Class(), "a\r\nb", &TXLCStrings::Class(), "a\r\nb"},
        {&TXLCInteger::Class(), 3, &TXLCBoolean::Class(), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from->Name) + " -> " + std::string(c.to->Name));
        TXLSheet sheet;
        test::PlaceCell(sheet, c.from, {1, 1}).SetValue(c.value);
        TXLCell& replaced = sheet.Section(sClient).ReplaceCell({1, 1}, c.to);
        EXPECT_EQ(replaced.GetCellClass(), c.to);
        EXPECT_EQ(sheet.Section(sClient).FindCell({1, 1}), &replaced);
        EXPECT_EQ(replaced.GetValue(), c.expected);
    }
}

TEST(Registry, TheTenClassesInTheirFixedOrderWithTheirNumbers)
{
    const std::pair<const TXLCellClass*, int> expected[] = {
        {&TXLCString::Class(), 946},   {&TXLCStrings::Class(), 1061},  {&TXLCInteger::Class(), 1033},
        {&TXLCDouble::Class(), 918},   {&TXLCCurrency::Class(), 1158}, {&TXLCDateTime::Class(), 1096},
        {&TXLCBoolean::Class(), 1019}, {&TXLCPicture::Class(), 1047},  {&TXLCUrl::Class(), 622},
        {&TXLCGroup::Class(), 840},
    };
    TXLManager& manager = XLManager();
    SheetMemory memory;
    for (int i = 0; i < 10; ++i) {
        const auto [cls, id] = expected[i];
        SCOPED_TRACE(cls->Name);
        EXPECT_EQ(manager.CellClasses(i), cls);
        EXPECT_EQ(CellClassID(cls), id);
        EXPECT_EQ(manager.CellClassByID(id), cls);
        EXPECT_EQ(cls->Create(memory)->GetCellClass(), cls);
    }
    EXPECT_EQ(manager.EditorClass(&TXLCStrings::Class(), 2)->Name, "TXLComboBox");
    EXPECT_EQ(manager.EditorCount(&TXLCCurrency::Class()), 1);
    EXPECT_EQ(manager.EditorClass(&TXLCDateTime::Class(), 0)->Name, "TXLDateTimeEdit");
    EXPECT_EQ(manager.EditorClass(&TXLCBoolean::Class(), 0), nullptr);
    EXPECT_EQ(manager.CellFormats(&TXLCDouble::Class())->size(), 12u);
    EXPECT_EQ(manager.CellFormats(&TXLCDateTime::Class())->back(), "DD/MM/YYYY h:nn");
    EXPECT_TRUE(manager.CellFormats(&TXLCPicture::Class())->empty());
}

} // namespace
} // namespace qv
