// The value part of every class's stream record: exact bytes, round trips, loading without notification.
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
#include "platform/ByteStream.h"

#include <gtest/gtest.h>

#include <functional>

namespace qv {
namespace {

struct ValuePartCase {
    const char* name;
    const TXLCellClass* cls;
    std::function<void(TXLCell&)> fill;
    std::string bytes; // hex
};

const ValuePartCase kCases[] = {
    {"String", &TXLCString::Class(), [](TXLCell& c) { c.SetAsString("ab"); }, "02 00 00 00 61 62"},
    {"String in GBK", &TXLCString::Class(), [](TXLCell& c) { c.SetAsString("资产"); }, "04 00 00 00 d7 ca b2 fa"},
    {"Strings", &TXLCStrings::Class(),
     [](TXLCell& c) {
         c.SetAsString("x\r\ny");
         c.SetAsInteger(1);
     },
     "00 00 00 00 01 00 00 00 04 00 00 00 78 0d 0a 79"},
    {"Integer", &TXLCInteger::Class(), [](TXLCell& c) { c.SetAsInteger(-2); }, "fe ff ff ff"},
    {"Double", &TXLCDouble::Class(), [](TXLCell& c) { c.SetAsFloat(1.5); }, "00 00 00 00 00 00 f8 3f"},
    {"Currency", &TXLCCurrency::Class(), [](TXLCell& c) { c.SetAsCurrency(Currency::FromRaw(12345)); },
     "39 30 00 00 00 00 00 00"},
    {"Negative currency", &TXLCCurrency::Class(), [](TXLCell& c) { c.SetAsCurrency(Currency::FromRaw(-1)); },
     "ff ff ff ff ff ff ff ff"},
    {"DateTime", &TXLCDateTime::Class(), [](TXLCell& c) { c.SetAsDateTime(2.25); }, "00 00 00 00 00 00 02 40"},
    {"Boolean", &TXLCBoolean::Class(), [](TXLCell& c) { c.SetAsBoolean(true); }, "01 00 00 00"},
    {"Empty picture", &TXLCPicture::Class(), [](TXLCell&) {}, "00"},
    {"Picture", &TXLCPicture::Class(),
     [](TXLCell& c) {
         static_cast<TXLCPicture&>(c).Picture().SetGraphic("TIcon", {7, 8});
     },
     "01 05 54 49 63 6f 6e 02 00 00 00 07 08"},
    {"Url", &TXLCUrl::Class(), [](TXLCell& c) { c.SetAsString("u"); }, "01 00 00 00 75"},
    {"Open group", &TXLCGroup::Class(), [](TXLCell&) {}, "00 00 00 00"},
    {"Collapsed group", &TXLCGroup::Class(), [](TXLCell& c) { c.SetAsBoolean(true); }, "01 00 00 00"},
};

// What a cell holds, for comparing a loaded cell with the one written.
std::string Contents(TXLCell& cell)
{
    std::string text = testing::PrintToString(cell.GetValue()) + "|" + cell.GetDisplayText();
    if (auto* list = dynamic_cast<TXLStringList*>(cell.GetDataObject()))
        text += "|" + std::to_string(list->Lines.size()) + " lines";
    if (auto* picture = dynamic_cast<TXLPicture*>(cell.GetDataObject()))
        if (const TXLGraphicData* g = picture->Graphic())
            text +=
                "|" + g->ClassName + " " + test::Hex({reinterpret_cast<const char*>(g->Bytes.data()), g->Bytes.size()});
    return text;
}

TEST(ValuePart, EveryClassWritesItsLayoutAndReadsItBack)
{
    for (const ValuePartCase& c : kCases) {
        SCOPED_TRACE(c.name);
        TXLSheet sheet;
        TXLCell& written = test::PlaceCell(sheet, c.cls);
        c.fill(written);
        ByteWriter writer;
        written.SaveValue(writer);
        EXPECT_EQ(test::Hex(writer.Data()), c.bytes);

        TXLSheet other;
        TXLCell& read = test::PlaceCell(other, c.cls);
        other.SetModified(false);
        const std::string data = writer.Data() + "tail";
        ByteReader reader(data);
        read.LoadValue(reader);
        EXPECT_EQ(reader.Remaining(), 4u) << "exactly the value part is consumed";
        EXPECT_EQ(Contents(read), Contents(written));
        if (c.cls != &TXLCGroup::Class()) {
            EXPECT_FALSE(other.Modified()) << "loading stores without notification";
        }
    }
}

TEST(ValuePart, ATruncatedValueRaisesTheReadError)
{
    for (const ValuePartCase& c : kCases) {
        SCOPED_TRACE(c.name);
        TXLSheet sheet;
        TXLCell& cell = test::PlaceCell(sheet, c.cls);
        c.fill(cell);
        ByteWriter writer;
        cell.SaveValue(writer);
        const std::string cut = writer.Data().substr(0, writer.Size() - 1);
        ByteReader reader(cut);
        EXPECT_THROW(test::PlaceCell(sheet, c.cls, {1, 0}).LoadValue(reader), EReadError);
    }
}

TEST(ValuePart, ALoadedCollapsedGroupHidesItsColumns)
{
    TXLSheet sheet;
    sheet.SetColCount(6);
    auto& group = test::PlaceCell<TXLCGroup>(sheet);
    group.SetRect({0, 0, 4, 1});
    const std::string data("\x01\x00\x00\x00", 4);
    ByteReader reader(data);
    group.LoadValue(reader);
    EXPECT_TRUE(group.Collapsed());
    for (int col : {1, 2, 3})
        EXPECT_FALSE(sheet.IsVisible(col, axCols)) << col;
    EXPECT_TRUE(sheet.IsVisible(4, axCols));
}

TEST(ValuePart, AListCellReadsTheInheritedTextSlotToo)
{
    TXLSheet sheet;
    auto& cell = test::PlaceCell<TXLCStrings>(sheet);
    const std::string data("\x03\x00\x00\x00old\x00\x00\x00\x00\x01\x00\x00\x00z", 16);
    ByteReader reader(data);
    cell.LoadValue(reader);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(cell.GetAsString(), "z");
    ByteWriter writer;
    cell.SaveValue(writer);
    EXPECT_EQ(writer.Data(), data) << "the slot a stream supplied is written back";
}

} // namespace
} // namespace qv
