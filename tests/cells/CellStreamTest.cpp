// Value cells inside the sheet stream: exact record bytes, preset lookup, and every class read back.
#include "cells/BooleanCell.h"
#include "cells/CurrencyCell.h"
#include "cells/DateTimeCell.h"
#include "cells/DoubleCell.h"
#include "cells/GroupCell.h"
#include "cells/IntegerCell.h"
#include "cells/StringCell.h"
#include "cells/StringsCell.h"
#include "cells/UrlCell.h"
#include "platform/ByteStream.h"
#include "platform/Locale.h"
#include "sheet/Sheet.h"
#include "sheet/StreamBytes.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::DataOf;

TEST(CellStream, IncomeStatementValueCellIsByteExact)
{
    TXLSheet sheet;
    sheet.SetColCount(10);
    sheet.SetRowCount(37);
    TXLCell& cell = sheet.Section(sClient).ReplaceCell({2, 1}, &TXLCCurrency::Class());
    cell.SetFormat("#,##0.00|");
    cell.SetHorzAlign(haRight);
    const std::string data = DataOf(sheet);
    const std::string expected = std::string("\x02\x00\x00\x00\x86\x04\x00\x00\x23\x00\x00\x00\x06\x00", 14) +
                                 std::string("\x00\x00\x00\x00\xFF\xFF\xFF\xFF\x09\x00\x00\x00", 12) + "#,##0.00|" +
                                 std::string(8, '\0') + std::string("\xFF\xFF\xFF\xFF", 4);
    EXPECT_NE(data.find(std::string("\x01\x00\x00\x00", 4) + expected), std::string::npos)
        << "row 1, then the cell entry and the end of the row";
}

TEST(CellStream, PresetsAreFoundWithoutLetterCaseAndReadBackInTheirOwn)
{
    TXLSheet sheet;
    TXLCell& cell = sheet.Section(sClient).ReplaceCell({0, 0}, &TXLCDouble::Class());
    cell.SetFormat("0.00|S");
    const std::string data = DataOf(sheet);
    EXPECT_NE(data.find(std::string("\x03\x00\x00\x00", 4)), std::string::npos);
    EXPECT_EQ(data.find("0.00|S"), std::string::npos) << "stored as the preset's index, not spelled out";
    TXLSheet copy;
    ByteReader reader(data);
    copy.ReadData(reader);
    EXPECT_EQ(copy.FindCell(0, 0)->Format(), "0.00|s");
}

TEST(CellStream, EveryClassReadsBackWithItsValue)
{
    TXLSheet sheet;
    sheet.SetColCount(12);
    TXLSection& client = sheet.Section(sClient);
    struct Case {
        const TXLCellClass* cls;
        Variant value;
    } cases[] = {
        {&TXLCString::Class(), Variant("文本")},
        {&TXLCStrings::Class(), Variant("one\r\ntwo")},
        {&TXLCInteger::Class(), Variant(int32_t(-42))},
        {&TXLCDouble::Class(), Variant(0.1)},
        {&TXLCCurrency::Class(), Variant(*TryStrToCurr("1234.5678", Locale::ChinaDefault()))},
        {&TXLCDateTime::Class(), Variant::FromDateTime(37748.5625)},
        {&TXLCBoolean::Class(), Variant(true)},
        {&TXLCUrl::Class(), Variant("https://example.org")},
        {&TXLCGroup::Class(), Variant(false)},
    };
    int col = 0;
    for (const auto& c : cases)
        client.ReplaceCell({col++, 0}, c.cls).SetValue(c.value);
    const std::string data = DataOf(sheet);
    TXLSheet copy;
    ByteReader reader(data);
    copy.ReadData(reader);
    col = 0;
    for (const auto& c : cases) {
        TXLCell* cell = copy.FindCell(col++, 0);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->GetCellClass(), c.cls) << c.cls->Name;
        EXPECT_EQ(cell->GetValue(), c.value) << c.cls->Name;
    }
    EXPECT_EQ(DataOf(copy), data);
}

} // namespace
} // namespace qv
