// Display texts through the display format: numbers, percentages, dates with and without a zero section,
// Boolean texts, and the text classes' edit masks.
#include "CellTestSheet.h"
#include "cells/BooleanCell.h"
#include "cells/CurrencyCell.h"
#include "cells/DateTimeCell.h"
#include "cells/DoubleCell.h"
#include "cells/IntegerCell.h"
#include "cells/NumberText.h"
#include "cells/StringCell.h"
#include "cells/StringsCell.h"
#include "cells/UrlCell.h"
#include "sheet/Manager.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::Date;
using test::Time;

struct DisplayCase {
    const TXLCellClass* cls;
    std::string format;
    Variant value;
    std::string expected;
};

void CheckDisplay(const std::vector<DisplayCase>& cases)
{
    for (const DisplayCase& c : cases) {
        SCOPED_TRACE(std::string(c.cls->Name) + " \"" + c.format + "\"");
        TXLSheet sheet;
        TXLCell& cell = test::PlaceCell(sheet, c.cls);
        cell.SetValue(c.value);
        cell.SetFormat(c.format);
        EXPECT_EQ(cell.GetDisplayText(), c.expected);
    }
}

TEST(TXLCNumber, DisplayThroughTheFormatBeforeTheBar)
{
    CheckDisplay({
        {&TXLCDouble::Class(), "#,##0.00|s", 1234.5, "1,234.50"},
        {&TXLCDouble::Class(), "0.00%", 0.125, "12.50%"},
        {&TXLCDouble::Class(), "0.##%", 0.125, "12.5%"},
        {&TXLCDouble::Class(), "0.##%|s", 0.5, "50%"},
        {&TXLCDouble::Class(), "", 0.1, "0.1"},
        {&TXLCDouble::Class(), "0;(0);-", -3.0, "(3)"},
        {&TXLCDouble::Class(), "0;(0);-", 0.0, "-"},
        {&TXLCInteger::Class(), "0|s", 42, "42"},
        {&TXLCInteger::Class(), "#,##0", 1234567, "1,234,567"},
        {&TXLCCurrency::Class(), "#,##0.00|", Currency::FromRaw(12345678), "1,234.57"},
        {&TXLCCurrency::Class(), "", Currency::FromRaw(15), "0.0015"},
        {&TXLCCurrency::Class(), "$# ##0.00|s", Currency::FromRaw(12345000), "$1 234.50"},
    });
}

TEST(TXLCDateTime, ZeroShowsOnlyThroughAZeroSection)
{
    CheckDisplay({
        {&TXLCDateTime::Class(), "DD/MM/YYYY|c", Variant::FromDateTime(0), ""},
        {&TXLCDateTime::Class(), "DD/MM/YYYY;-", Variant::FromDateTime(0), "-"},
        {&TXLCDateTime::Class(), "DD/MM/YYYY;", Variant::FromDateTime(0), ""},
        {&TXLCDateTime::Class(), "", Variant::FromDateTime(0), ""},
        {&TXLCDateTime::Class(), "DD/MM/YYYY;-", Variant::FromDateTime(Date(2003, 5, 7)), "07/05/2003"},
        {&TXLCDateTime::Class(), "DD/MM/YYYY|c", Variant::FromDateTime(Date(2003, 5, 7)), "07/05/2003"},
        {&TXLCDateTime::Class(), "h:nn am/pm", Variant::FromDateTime(Time(13, 5)), "1:05 pm"},
        {&TXLCDateTime::Class(), "", Variant::FromDateTime(Date(2003, 5, 7)), "2003/5/7"},
        {&TXLCDateTime::Class(), "", Variant::FromDateTime(Date(2003, 5, 7) + Time(9, 30)), "2003/5/7 9:30:00"},
    });
}

TEST(TXLCBoolean, ShowsTheSectionForItsValue)
{
    CheckDisplay({
        {&TXLCBoolean::Class(), "Yes;No", true, "Yes"},
        {&TXLCBoolean::Class(), "Yes;No", false, "No"},
        {&TXLCBoolean::Class(), "True;False|x", false, "False"},
        {&TXLCBoolean::Class(), "On", true, "On"},
        {&TXLCBoolean::Class(), "On", false, ""},
        {&TXLCBoolean::Class(), "", true, ""},
    });
}

TEST(TXLCString, TheDisplayFormatIsAnEditMask)
{
    CheckDisplay({
        {&TXLCString::Class(), "", "1234567", "1234567"},
        {&TXLCString::Class(), "000-0000;0;_", "1234567", "123-4567"},
        {&TXLCString::Class(), "000-0000;0;_|x", "1234567", "123-4567"},
        {&TXLCUrl::Class(), "|http://a.cn", "site", "site"},
    });
}

TEST(FormatNumber, UsesTheManagersLocale)
{
    Locale comma = Locale::ChinaDefault();
    comma.DecimalSeparator = ',';
    comma.ThousandSeparator = '.';
    XLManager().Desktop().SetLocale(comma);
    const std::string text = FormatNumber("#,##0.00", 1234.5);
    XLManager().Desktop().SetLocale(Locale::ChinaDefault());
    EXPECT_EQ(text, "1.234,50");
}

} // namespace
} // namespace qv
