// The sheet stream and whole-sheet files: exact bytes, round trips, and damaged input.
#include "RecordingSheetUser.h"
#include "StreamBytes.h"
#include "cells/StringCell.h"
#include "platform/ByteStream.h"
#include "platform/ComponentStream.h"
#include "sheet/GridError.h"
#include "sheet/Manager.h"
#include "sheet/Sheet.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace qv {
namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

using test::DataOf;
using test::FileOf;
using test::Int32;

void ReadInto(TXLSheet& sheet, const std::string& bytes)
{
    ByteReader reader(bytes);
    sheet.ReadData(reader);
}

TEST(SheetStream, BaseClientStyleRecordIsByteExact)
{
    TXLSheet sheet;
    const std::string data = DataOf(sheet);
    const std::string expected =
        Bytes({0x58, 0x4C, 0x47, 0x16, 0x63, 0, 0, 0, 0xFF, 0x03, 5, 0, 0, 0}) + "Arial" +
        Bytes({1, 0, 0, 0, 0, 0, 0, 0, 0xF5, 0xFF, 0xFF, 0xFF, 8, 0, 0, 0xFF, 0xB2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(data.substr(0, expected.size()), expected);
    // The slots: no sides, colour clWindow, frame none, no styles, bottom-aligned word wrap.
    ByteReader slots(data);
    slots.Skip(expected.size(), "head");
    for (int side = 0; side < 8; ++side)
        EXPECT_EQ(slots.ReadInt32("side"), 0);
    EXPECT_EQ(static_cast<uint32_t>(slots.ReadInt32("colour")), 0xFF000005u);
    EXPECT_EQ(slots.ReadInt32("frame"), 0);
    EXPECT_EQ(slots.ReadInt32("styles"), 0);
    EXPECT_EQ(slots.ReadInt32("layout"), PackLayout({haLeft, vaBottom, 0, wmWrapWords}));
    EXPECT_EQ(slots.ReadInt32("error colour"), clRed);
    EXPECT_EQ(static_cast<uint32_t>(slots.ReadInt32("lines colour")), 0xFF00000Fu);
}

TEST(SheetStream, ANewSheetWritesStylesAndFourEmptySections)
{
    TXLSheet sheet;
    const std::string data = DataOf(sheet);
    EXPECT_FALSE(sheet.Modified());
    ByteReader r(data);
    r.Skip(4, "magic");
    for (int style = 0; style < 2; ++style)
        r.Skip(r.ReadInt32("length") - 4, "style");
    EXPECT_EQ(r.ReadByte("list flags"), 0);
    for (int section = 0; section < 4; ++section)
        EXPECT_EQ(r.ReadInt32("section flags"), 0);
    EXPECT_TRUE(r.AtEnd());
}

// A sheet touching every part of the format.
void FillRichSheet(TXLSheet& sheet)
{
    sheet.SetColCount(12);
    sheet.SetRowCount(30);
    sheet.SetSize(3, axCols, 90);
    sheet.SetSize(-1, axRows, 28);
    sheet.SetSize(7, axRows, 40);
    sheet.SetVisible(5, axCols, false);
    sheet.SetVisible(-1, axCols, false);
    TXLCell& text = sheet.GetCell(1, 1);
    text.SetAsString("货币资金 ");
    text.Font().SetColor(clRed);
    text.Font().SetName("宋体");
    text.SetHint("必填");
    text.SetEditor(2);
    text.SetFormat("LL-00;0;_");
    text.SetHorzAlign(haRight);
    text.SetColor(RgbColor(191, 191, 191));
    text.SetFrame(frDeepDown);
    text.SetStyles(CellStyleBit(csReadOnly));
    text.SetSides(SideBit(sLeft) | SideBit(sBottom) | SideBit(sBias1));
    sheet.GetCell(40, 50).SetAsString("beyond the counts");
    sheet.GetCell(-1, 2).SetAsString("row title");
    sheet.GetCell(2, -1).SetAsString("column title");
    sheet.GetCell(-1, -1).SetAsString("corner");
    sheet.Section(sClient).Merge({4, 4, 6, 7});
    sheet.GetCell(4, 4).SetAsString("merged");
    sheet.Section(sCols).Merge({0, 0, 3, 1});
    sheet.Section(sRows).Merge({0, 10, 1, 12});
    sheet.Section(sTitle).GetCell({0, 0}).SetColor(clYellow);
    sheet.BaseTitleStyle().SetLinesColor(clGray);
    sheet.BaseClientStyle().Font().SetHeight(-12);
}

TEST(SheetStream, EverythingWrittenReadsBack)
{
    TXLSheet original;
    FillRichSheet(original);
    const std::string data = DataOf(original);
    TXLSheet copy;
    test::RecordingSheetUser user(&copy);
    ReadInto(copy, data);
    EXPECT_EQ(user.Events.front(), "BeginUpdate");
    EXPECT_EQ(user.Count("UnionsChanged 1"), 1);
    EXPECT_EQ(user.Count("SizesChanged 0 1"), 1);
    EXPECT_EQ(user.Count("InvalidateCells"), 0) << "repaints are folded into the update";
    EXPECT_EQ(user.Events.back(), "InvalidateAll");
    EXPECT_FALSE(copy.Modified());
    EXPECT_EQ(DataOf(copy), data) << "a stream the writer produced reads back to the same bytes";
    EXPECT_EQ(copy.ColCount(), 12);
    EXPECT_EQ(copy.RowCount(), 30);
    EXPECT_EQ(copy.GetSize(3, axCols), 90);
    EXPECT_EQ(copy.GetSize(-1, axRows), 28);
    EXPECT_EQ(copy.GetSize(7, axRows), 40);
    EXPECT_FALSE(copy.IsVisible(5, axCols));
    EXPECT_FALSE(copy.IsVisible(-1, axCols));
    TXLCell& text = copy.GetCell(1, 1);
    EXPECT_EQ(text.GetAsString(), "货币资金 ");
    EXPECT_EQ(text.Font().Color(), clRed);
    EXPECT_EQ(text.Font().Name(), "宋体");
    EXPECT_EQ(text.Hint(), "必填");
    EXPECT_EQ(text.Editor(), 2);
    EXPECT_EQ(text.Format(), "LL-00;0;_");
    EXPECT_EQ(text.HorzAlign(), haRight);
    EXPECT_EQ(text.VertAlign(), vaBottom);
    EXPECT_EQ(text.Color(), RgbColor(191, 191, 191));
    EXPECT_EQ(text.Frame(), frDeepDown);
    EXPECT_EQ(text.Styles(), CellStyleBit(csReadOnly));
    EXPECT_EQ(text.Sides(), SideBit(sLeft) | SideBit(sBottom) | SideBit(sBias1));
    EXPECT_EQ(text.Props(), original.GetCell(1, 1).Props());
    EXPECT_EQ(copy.FindCell(40, 50)->GetAsString(), "beyond the counts");
    EXPECT_EQ(copy.FindCell(-1, -1)->GetAsString(), "corner");
    EXPECT_EQ(copy.FindCell(5, 6)->GetAsString(), "merged");
    for (TXLSector sector : {sCols, sRows, sTitle, sClient}) {
        ASSERT_EQ(copy.Section(sector).Unions().size(), original.Section(sector).Unions().size());
        for (size_t i = 0; i < copy.Section(sector).Unions().size(); ++i)
            EXPECT_EQ(copy.Section(sector).Unions()[i]->GetRect(), original.Section(sector).Unions()[i]->GetRect());
        EXPECT_EQ(copy.Section(sector).CheckInvariants(), "");
    }
    EXPECT_EQ(copy.GetCell(-1, -1).Color(), clYellow);
    EXPECT_EQ(copy.BaseTitleStyle().LinesColor(), clGray);
    EXPECT_EQ(copy.GetCell(0, 0).Font().Height(), -12);
}

TEST(SheetStream, WrongMagicIsRefusedAndAnyVersionAccepted)
{
    TXLSheet source;
    source.GetCell(0, 0).SetAsString("x");
    std::string data = DataOf(source);
    for (size_t i : {0u, 1u, 2u}) {
        std::string bad = data;
        bad[i] = 'Q';
        TXLSheet sheet;
        sheet.GetCell(1, 1).SetAsString("cleared first");
        ByteReader reader(bad);
        try {
            sheet.ReadData(reader);
            FAIL();
        } catch (const EXLGridError& e) {
            EXPECT_EQ(e.Message(), "Unknown XLGrid stream format!");
        }
        EXPECT_EQ(reader.Offset(), 0u);
        EXPECT_EQ(sheet.FindCell(1, 1), nullptr);
        EXPECT_FALSE(sheet.Modified());
    }
    data[3] = 0x42;
    TXLSheet sheet;
    ReadInto(sheet, data);
    EXPECT_EQ(sheet.FindCell(0, 0)->GetAsString(), "x");
}

// A client section block holding one row of cells given as (column, class number, record data).
std::string StreamWithClientCells(const std::vector<std::tuple<int, int, std::string>>& cells, int row = 0)
{
    TXLSheet sheet;
    std::string data = DataOf(sheet);
    data.resize(data.size() - 4); // drop the empty client block
    data += Int32(2) + Int32(row);
    for (const auto& [col, cls, record] : cells)
        data += Int32(col) + Int32(cls) + Int32(static_cast<int32_t>(record.size() + 4)) + record;
    return data + Int32(-1) + Int32(-1);
}

std::string TextRecord(const std::string& text)
{
    return Bytes({0, 0}) + Int32(static_cast<int32_t>(text.size())) + text;
}

TEST(SheetStream, SurplusRecordDataAndUnknownClassesAreSkipped)
{
    const std::string data = StreamWithClientCells({
        {0, 946, TextRecord("first") + "from a later version"},
        {1, 777, "unknown class payload"},
        {2, 946, TextRecord("second")},
    });
    TXLSheet sheet;
    ReadInto(sheet, data);
    EXPECT_EQ(sheet.FindCell(0, 0)->GetAsString(), "first");
    EXPECT_EQ(sheet.FindCell(1, 0), nullptr);
    EXPECT_EQ(sheet.FindCell(2, 0)->GetAsString(), "second");
}

TEST(SheetStream, ADamagedRecordKeepsWhatWasRead)
{
    // The text claims more bytes than its record holds: the cell keeps what it read before, reading goes on.
    const std::string data = StreamWithClientCells({
        {0, 946, Bytes({0, 0}) + Int32(100) + "short"},
        {1, 946, TextRecord("next")},
    });
    TXLSheet sheet;
    ReadInto(sheet, data);
    EXPECT_EQ(sheet.FindCell(0, 0)->GetAsString(), "");
    EXPECT_EQ(sheet.FindCell(1, 0)->GetAsString(), "next");
}

void ExpectDamage(const std::string& data, const std::string& what)
{
    TXLSheet sheet;
    ByteReader reader(data);
    try {
        sheet.ReadData(reader);
        ADD_FAILURE() << "no error for " << what;
    } catch (const EXLStreamError& e) {
        EXPECT_NE(e.Message().find(what), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("at byte offset"), std::string::npos) << e.Message();
    }
    EXPECT_FALSE(sheet.Modified());
}

TEST(SheetStream, DamagedStreamsRaiseOneErrorSayingWhatAndWhere)
{
    TXLSheet sheet;
    const std::string empty = DataOf(sheet);
    const size_t listFlagsAt = empty.size() - 17;
    std::string hugeCount =
        empty.substr(0, listFlagsAt) + Bytes({1, 0}) + Int32(5000000) + Int32(0) + empty.substr(listFlagsAt + 1);
    std::string negativeBlocks = empty.substr(0, listFlagsAt) + Bytes({1, 0}) + Int32(1) + Int32(-3);
    std::string recordPastEnd = StreamWithClientCells({{0, 946, TextRecord("x")}});
    recordPastEnd.replace(recordPastEnd.size() - 8 - 7 - 4, 4, Int32(1000));
    const struct {
        std::string data;
        const char* what;
    } cases[] = {
        {empty.substr(0, 10), "record"},
        {empty.substr(0, listFlagsAt), "list flags"},
        {hugeCount, "count 5000000"},
        {negativeBlocks, "block count -3"},
        {empty.substr(0, empty.size() - 2), "section flags"},
        {StreamWithClientCells({}, 2000000), "row index 2000000"},
        {StreamWithClientCells({{-5, 946, TextRecord("x")}}), "column index -5"},
        {recordPastEnd, "record length 1000"},
        {empty.substr(0, empty.size() - 4) + Int32(1) + Int32(-1), "merged range count -1"},
        {empty.substr(0, empty.size() - 4) + Int32(1) + Int32(1) + Int32(3) + Int32(3) + Int32(1) + Int32(9),
         "impossible merged range"},
        {empty.substr(0, empty.size() - 4) + Int32(1 << 12), "unknown section flags"},
        {StreamWithClientCells({{0, 946, TextRecord("x")}}).substr(0, empty.size() + 6), "column index"},
    };
    for (const auto& c : cases)
        ExpectDamage(c.data, c.what);
}

TEST(SheetStream, EveryTruncationEndsInAnErrorOrAValidSheet)
{
    TXLSheet source;
    FillRichSheet(source);
    const std::string data = DataOf(source);
    for (size_t length = 0; length < data.size(); ++length) {
        TXLSheet sheet;
        ByteReader reader(std::string_view(data).substr(0, length));
        try {
            sheet.ReadData(reader);
        } catch (const EXLGridError&) {
        }
        for (TXLSector sector : {sCols, sRows, sTitle, sClient})
            ASSERT_EQ(sheet.Section(sector).CheckInvariants(), "") << length;
    }
}

TEST(SheetStream, RowsOfOneFarAwayCellEachReadBack)
{
    // Thousands of rows, each with one cell at the last column: a row's storage grows with the cells it holds,
    // not with the column, so the stream accounts for them.
    TXLSheet sheet;
    std::string stream = DataOf(sheet);
    stream.resize(stream.size() - 4);
    stream += Int32(2);
    for (int row = 0; row < 4000; ++row)
        stream += Int32(row) + Int32(kMaxSListIndex) + Int32(946) + Int32(6) + Bytes({0, 0}) + Int32(-1);
    stream += Int32(-1);
    ReadInto(sheet, stream);
    const TXLSection& client = sheet.Section(sClient);
    for (int row : {0, 1234, 3999}) {
        ASSERT_NE(client.Get(row), nullptr) << row;
        EXPECT_EQ(client.Get(row)->Last(), kMaxSListIndex) << row;
    }
}

TEST(SheetStream, LayersThatDifferInsideAMergedRangeAreEvenedWhenRead)
{
    // Layers written around the normalisation, as a file from elsewhere could hold them.
    TXLSheet source;
    TXLSection& client = source.Section(sClient);
    client.Merge({1, 1, 4, 3});
    client.SetLayerArea(kLayerColor, {1, 1, 2, 2}, clRed);
    client.SetLayerArea(kLayerFrame, {3, 2, 4, 3}, frDeepUp);
    client.SetLayerArea(kLayerBias1, {2, 1, 3, 2}, 5);
    client.SetLines(kLayerVertLines, 2, 3, 1, 3, 7);
    ASSERT_NE(client.CheckInvariants(), "");
    TXLSheet sheet;
    ReadInto(sheet, DataOf(source));
    const TXLSection& loaded = sheet.Section(sClient);
    EXPECT_EQ(loaded.CheckInvariants(), "");
    EXPECT_EQ(loaded.GetLayerValue(kLayerColor, 3, 2), clRed) << "the top-left colour spreads";
    EXPECT_EQ(loaded.GetLayerValue(kLayerFrame, 3, 2), loaded.GetLayerValue(kLayerFrame, 1, 1));
    EXPECT_EQ(loaded.GetLayerValue(kLayerBias1, 2, 1), loaded.AttrLayer(kLayerBias1).Default()) << "diagonals go";
    EXPECT_EQ(loaded.GetLayerValue(kLayerVertLines, 2, 1), 0);
}

TEST(SheetStream, AHugeMergedRangeLoadsUnlessItsLayersMustBeFilled)
{
    // A range over the whole client area, written as a small one whose rectangle is then widened.
    const auto streamOf = [](bool colouredAnchor) {
        TXLSheet source;
        TXLSection& client = source.Section(sClient);
        client.Merge({0, 0, 2, 2});
        if (colouredAnchor)
            client.SetLayerArea(kLayerColor, {0, 0, 1, 1}, clRed);
        std::string data = DataOf(source);
        const std::string small = Int32(1) + Int32(0) + Int32(0) + Int32(2) + Int32(2);
        const size_t at = data.rfind(small);
        EXPECT_NE(at, std::string::npos);
        return data.replace(at, small.size(), Int32(1) + Int32(0) + Int32(0) + Int32(kMaxCount) + Int32(kMaxCount));
    };
    TXLSheet sheet;
    ReadInto(sheet, streamOf(false));
    ASSERT_EQ(sheet.Section(sClient).Unions().size(), 1u);
    EXPECT_EQ(sheet.Section(sClient).Unions()[0]->GetRect(), (Rect{0, 0, kMaxCount, kMaxCount}));
    EXPECT_EQ(sheet.Section(sClient).CheckInvariants(), "");
    // Spreading the colour would store 10^12 items from a few hundred bytes.
    ExpectDamage(streamOf(true), "the layers of a merged range needs more memory than the stream can account for");
}

// A whole-sheet file of a new sheet but for one integer property, as small as the files the program saves.
std::string FileWithInteger(const char* property, int32_t value)
{
    ByteWriter w;
    ComponentWriter out(w);
    out.BeginObject("TXLSheet", "XLSheet4");
    out.WriteInteger(property, value);
    TXLSheet empty;
    out.WriteBinary("XLData", DataOf(empty));
    out.EndObject();
    return w.Take();
}

TEST(SheetFile, CountsBeyondWhatASheetHoldsAreDamage)
{
    const struct {
        const char* property;
        int32_t value;
    } cases[] = {
        {"ColCount", INT32_MAX}, {"RowCount", kMaxCount + 1}, {"TitleCols", INT32_MAX}, {"TitleRows", kMaxCount + 1}};
    for (const auto& c : cases) {
        const std::string file = FileWithInteger(c.property, c.value);
        const size_t valueAt = file.find(c.property) + std::string_view(c.property).size();
        ByteReader reader(file);
        try {
            TXLSheet().LoadFromStream(reader);
            ADD_FAILURE() << "no error for " << c.property;
        } catch (const EXLStreamError& e) {
            EXPECT_EQ(e.Message(), "Damaged stream: property " + std::string(c.property) + " " +
                                       std::to_string(c.value) + " beyond the largest count 1048560 at byte offset " +
                                       std::to_string(valueAt));
        }
    }
}

TEST(SheetFile, CountsUpToTheBoundLoadAndNegativeOnesBecomeZero)
{
    const struct {
        const char* property;
        int32_t value;
        int (TXLSheet::*count)() const;
        int expected;
    } cases[] = {{"ColCount", kMaxCount, &TXLSheet::ColCount, kMaxCount},
                 {"RowCount", kMaxCount, &TXLSheet::RowCount, kMaxCount},
                 {"TitleCols", -7, &TXLSheet::TitleCols, 0},
                 {"TitleRows", 3, &TXLSheet::TitleRows, 3}};
    for (const auto& c : cases) {
        const std::string file = FileWithInteger(c.property, c.value);
        ByteReader reader(file);
        TXLSheet sheet;
        sheet.LoadFromStream(reader);
        EXPECT_EQ((sheet.*c.count)(), c.expected) << c.property;
    }
}

class SheetFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir =
            std::filesystem::temp_directory_path() / ("qv-sheet-" + std::to_string(::getpid()) + "-" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string Path(const char* name) const { return (m_dir / name).string(); }
    std::filesystem::path m_dir;
};

TEST_F(SheetFileTest, PublishedPropertiesAndDataRoundTrip)
{
    TXLSheet original;
    original.Name = "XLSheet2";
    FillRichSheet(original);
    original.SetAuthor("作者");
    original.SetPrintMargin(sTop, 300);
    original.SetPrintScale(150);
    original.SetPrintTitles(AxisBit(axRows));
    original.SetPrintGridLines(true);
    original.SetRowMaxHeight(100);
    original.ReadOnly = true;
    original.SaveToFile(Path("sy.dat"));
    TXLSheet copy;
    copy.LoadFromFile(Path("sy.dat"));
    EXPECT_EQ(copy.Name, "XLSheet2");
    EXPECT_EQ(copy.Author(), "作者");
    EXPECT_EQ(copy.PrintMargin(sTop), 300);
    EXPECT_EQ(copy.PrintScale(), 150);
    EXPECT_EQ(copy.PrintMode(), pmCustom);
    EXPECT_EQ(copy.PrintTitles(), AxisBit(axRows));
    EXPECT_TRUE(copy.PrintGridLines());
    EXPECT_EQ(copy.RowMaxHeight(), 100);
    EXPECT_TRUE(copy.ReadOnly);
    EXPECT_EQ(copy.FindCell(1, 1)->GetAsString(), "货币资金 ");
    EXPECT_FALSE(copy.Modified());
    EXPECT_EQ(FileOf(copy), FileOf(original));
}

TEST_F(SheetFileTest, BackgroundPictureRoundTrips)
{
    TXLSheet sheet;
    const std::string png = Bytes(
        {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 5, 0, 0, 0, 3, 8, 2, 0, 0, 0});
    TXLGraphicData picture;
    picture.ClassName = "TPngImage";
    picture.Bytes.assign(png.begin(), png.end());
    sheet.SetBackground(picture);
    sheet.SaveToFile(Path("bg.dat"));
    TXLSheet copy;
    copy.LoadFromFile(Path("bg.dat"));
    EXPECT_EQ(copy.Background().ClassName, "TPngImage");
    EXPECT_EQ(copy.Background().Bytes, picture.Bytes);
    EXPECT_EQ(copy.Background().Width, 5);
    EXPECT_EQ(copy.Background().Height, 3);
}

TEST_F(SheetFileTest, SavingNeverDestroysAGoodFile)
{
    TXLSheet sheet;
    sheet.GetCell(0, 0).SetAsString("good");
    const std::string path = Path("zcfz.dat");
    sheet.SaveToFile(path);
    const std::string before = [&] {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    std::filesystem::create_directory(Path("blocked.dat"));
    std::ofstream(Path("blocked.dat") + "/inside") << "x";
    EXPECT_THROW(sheet.SaveToFile(Path("blocked.dat")), EFileError);
    EXPECT_THROW(sheet.SaveToFile(Path("missing/dir.dat")), EFileError);
    TXLSheet reread;
    reread.LoadFromFile(path);
    EXPECT_EQ(reread.FindCell(0, 0)->GetAsString(), "good");
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), before);
}

TEST_F(SheetFileTest, AWriteFailingHalfWayLeavesTheSheetUsable)
{
    struct FullDisk : ByteSink {
        void Append(std::string_view) override { throw EFileError("Cannot create file \"x.dat\". No space left"); }
        void Overwrite(size_t, std::string_view) override {}
    } sink;
    TXLSheet sheet;
    sheet.SetColCount(4);
    sheet.SetRowCount(2000);
    for (int row = 0; row < 2000; ++row)
        sheet.GetCell(1, row).SetAsString("statement line");
    ByteWriter writer(sink, 4096);
    EXPECT_THROW(sheet.SaveToStream(writer), EFileError);
    EXPECT_FALSE(sheet.IsUpdating());
    EXPECT_TRUE(sheet.Modified());
}

TEST_F(SheetFileTest, ForeignFilesAreRefused)
{
    EXPECT_THROW(TXLSheet().LoadFromFile(Path("none.dat")), EFileError);
    TXLSheet sheet;
    const std::string file = FileOf(sheet);
    struct Case {
        std::string bytes;
        const char* what;
    } cases[] = {
        {"TPF1" + file.substr(4), "signature"},
        {file.substr(0, 20), "the stream ends"},
    };
    for (const auto& c : cases) {
        ByteReader reader(c.bytes);
        try {
            TXLSheet().LoadFromStream(reader);
            ADD_FAILURE() << c.what;
        } catch (const EXLStreamError& e) {
            EXPECT_NE(e.Message().find(c.what), std::string::npos) << e.Message();
        }
    }
    // An unknown property, and a known one of the wrong type.
    for (const std::string& property : {std::string("\x07"
                                                    "Unknown\x02\x01",
                                                    10),
                                        std::string("\x08"
                                                    "ColCount\x08",
                                                    10)}) {
        ByteWriter w;
        ComponentWriter out(w);
        out.BeginObject("TXLSheet", "S");
        w.WriteBytes(property);
        out.EndObject();
        ByteReader reader(w.Data());
        EXPECT_THROW(TXLSheet().LoadFromStream(reader), EXLStreamError);
    }
}

} // namespace
} // namespace qv
