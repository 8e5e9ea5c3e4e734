// The typed setters of every value class store and notify only on a change, unless the cell asks for every write.
#include "CellTestSheet.h"
#include "cells/BooleanCell.h"
#include "cells/CurrencyCell.h"
#include "cells/DateTimeCell.h"
#include "cells/DoubleCell.h"
#include "cells/GroupCell.h"
#include "cells/IntegerCell.h"
#include "cells/StringCell.h"
#include "cells/StringsCell.h"
#include "cells/UrlCell.h"

#include <gtest/gtest.h>

#include <functional>

namespace qv {
namespace {

struct SetterCase {
    const char* name;
    const TXLCellClass* cls;
    std::function<void(TXLCell&, bool)> write; // writes the first (false) or the second (true) value
};

const SetterCase kSetters[] = {
    {"String", &TXLCString::Class(), [](TXLCell& c, bool b) { c.SetAsString(b ? "b" : "a"); }},
    {"Url", &TXLCUrl::Class(), [](TXLCell& c, bool b) { c.SetAsString(b ? "b" : "a"); }},
    {"Strings text", &TXLCStrings::Class(), [](TXLCell& c, bool b) { c.SetAsString(b ? "x\r\ny" : "x"); }},
    {"Strings index", &TXLCStrings::Class(), [](TXLCell& c, bool b) { c.SetAsInteger(b ? 1 : 0); }},
    {"Integer", &TXLCInteger::Class(), [](TXLCell& c, bool b) { c.SetAsInteger(b ? 7 : 5); }},
    {"Double", &TXLCDouble::Class(), [](TXLCell& c, bool b) { c.SetAsFloat(b ? 2.5 : 1.5); }},
    // One ten-thousandth apart: currency compares as an exact amount.
    {"Currency", &TXLCCurrency::Class(),
     [](TXLCell& c, bool b) { c.SetAsCurrency(Currency::FromRaw(b ? 100001 : 100000)); }},
    {"DateTime", &TXLCDateTime::Class(), [](TXLCell& c, bool b) { c.SetAsDateTime(b ? 2.5 : 1.0); }},
    {"Boolean", &TXLCBoolean::Class(), [](TXLCell& c, bool b) { c.SetAsBoolean(b); }},
    {"Group", &TXLCGroup::Class(), [](TXLCell& c, bool b) { c.SetAsBoolean(b); }},
};

TEST(TypedSetters, TheSameValueAgainLeavesTheSheetUnmodified)
{
    for (const SetterCase& c : kSetters) {
        SCOPED_TRACE(c.name);
        TXLSheet sheet;
        TXLCell& cell = test::PlaceCell(sheet, c.cls, {2, 2});
        c.write(cell, false);
        sheet.SetModified(false);
        c.write(cell, false);
        EXPECT_FALSE(sheet.Modified()) << "an unchanged value must not notify";
        c.write(cell, true);
        EXPECT_TRUE(sheet.Modified()) << "a changed value notifies";
    }
}

TEST(TypedSetters, WriteNotifyMakesEveryWriteNotify)
{
    for (const SetterCase& c : kSetters) {
        SCOPED_TRACE(c.name);
        TXLSheet sheet;
        TXLCell& cell = test::PlaceCell(sheet, c.cls, {2, 2});
        cell.SetStyles(CellStyleBit(csWriteNotify));
        c.write(cell, true);
        sheet.SetModified(false);
        c.write(cell, true);
        EXPECT_TRUE(sheet.Modified());
    }
}

TEST(TypedSetters, AChangedValueReachesOnCellChangedOfANotifyingCell)
{
    TXLSheet sheet;
    int calls = 0;
    sheet.OnCellChanged = [&](TXLSheet&, Point) { ++calls; };
    TXLCell& cell = test::PlaceCell<TXLCInteger>(sheet, {1, 1});
    cell.SetStyles(CellStyleBit(csNotify));
    cell.SetAsInteger(3);
    cell.SetAsInteger(3);
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace qv
