// Pictures: natural sizes from crafted image headers, the picture block, placement by mode, picture cells.
#include "CellTestSheet.h"
#include "cells/PictureCell.h"
#include "cells/PlaceBox.h"
#include "platform/ByteStream.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using Bytes = std::vector<uint8_t>;

void Append(Bytes& b, std::initializer_list<int> values)
{
    for (int v : values)
        b.push_back(static_cast<uint8_t>(v));
}
void AppendBe(Bytes& b, uint32_t v, int n)
{
    for (int i = n - 1; i >= 0; --i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void AppendLe(Bytes& b, uint32_t v, int n)
{
    for (int i = 0; i < n; ++i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

Bytes Png(uint32_t width, uint32_t height)
{
    Bytes b;
    Append(b, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'});
    AppendBe(b, width, 4);
    AppendBe(b, height, 4);
    Append(b, {8, 6, 0, 0, 0});
    return b;
}

// Start of image, a JFIF segment, a table segment, then the frame header of the given marker.
Bytes Jpeg(int frameMarker, int width, int height)
{
    Bytes b;
    Append(b, {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
    Append(b, {0xFF, 0xC4, 0x00, 0x05, 0x00, 0x00, 0x00});  // a Huffman table: C4 is no frame header
    Append(b, {0xFF, 0xFF, frameMarker, 0x00, 0x11, 0x08}); // a fill byte before the marker
    AppendBe(b, static_cast<uint32_t>(height), 2);
    AppendBe(b, static_cast<uint32_t>(width), 2);
    Append(b, {3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
    return b;
}

Bytes Bmp(int infoSize, int32_t width, int32_t height)
{
    Bytes b = {'B', 'M'};
    AppendLe(b, 0, 4);  // file size, unread
    AppendLe(b, 0, 4);  // reserved
    AppendLe(b, 54, 4); // pixel offset
    AppendLe(b, static_cast<uint32_t>(infoSize), 4);
    const int sizeBytes = infoSize == 12 ? 2 : 4;
    AppendLe(b, static_cast<uint32_t>(width), sizeBytes);
    AppendLe(b, static_cast<uint32_t>(height), sizeBytes);
    AppendLe(b, 0x00180001, 4); // planes 1, 24 bits
    return b;
}

Bytes Ico(int width, int height)
{
    Bytes b;
    Append(b, {0, 0, 1, 0, 1, 0, width, height, 0, 0, 1, 0, 32, 0});
    AppendLe(b, 40, 4);
    AppendLe(b, 22, 4);
    return b;
}

TEST(ImageNaturalSize, ReadsTheHeadersOfPngJpegBmpAndIco)
{
    Bytes truncatedPng = Png(300, 200);
    truncatedPng.resize(20);
    Bytes scanFirst = {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02};
    const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 10, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    struct Case {
        const char* name;
        Bytes bytes;
        Size size;
    };
    const Case cases[] = {
        {"PNG", Png(300, 200), {300, 200}},
        {"PNG beyond int", Png(0x80000000u, 5), {0, 0}},
        {"PNG cut short", truncatedPng, {0, 0}},
        {"baseline JPEG", Jpeg(0xC0, 160, 120), {160, 120}},
        {"progressive JPEG", Jpeg(0xC2, 7, 9), {7, 9}},
        {"JPEG with scan data before a frame", scanFirst, {0, 0}},
        {"JPEG ending inside a segment", Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x40, 0, 0}, {0, 0}},
        {"BMP info header", Bmp(40, 33, 17), {33, 17}},
        {"BMP top-down", Bmp(40, 33, -17), {33, 17}},
        {"BMP core header", Bmp(12, 64, 48), {64, 48}},
        {"BMP without width", Bmp(40, 0, 17), {0, 0}},
        {"ICO", Ico(48, 32), {48, 32}},
        {"ICO of 256", Ico(0, 0), {256, 256}},
        {"GIF", gif, {0, 0}},
        {"nothing", {}, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ImageNaturalSize(c.bytes), c.size) << c.name;
}

TEST(TXLPicture, TheBlockRoundTripsKnownAndOpaqueGraphics)
{
    struct Case {
        std::string className;
        Bytes bytes;
        Size size;
    };
    const Case cases[] = {
        {"TBitmap", Bmp(40, 3, 2), {3, 2}},
        {"TPngImage", Png(5, 6), {5, 6}},
        {"TMetafile", {1, 0, 0, 0, 0xAB, 0xCD}, {0, 0}}, // kept as bytes, unread
        {"TBitmap", {}, {0, 0}},                         // an empty graphic is still a graphic
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        TXLPicture picture;
        picture.SetGraphic(c.className, c.bytes);
        ByteWriter writer;
        picture.WriteBlock(writer);
        const std::string& data = writer.Data();
        ASSERT_EQ(data.size(), 2 + c.className.size() + 4 + c.bytes.size());
        EXPECT_EQ(test::Hex(data.substr(0, 2)), "01 " + test::Hex(std::string(1, char(c.className.size()))));
        EXPECT_EQ(data.substr(2, c.className.size()), c.className);

        TXLPicture read;
        int changes = 0;
        read.OnChange = [&] { ++changes; };
        ByteReader reader(data);
        read.ReadBlock(reader);
        EXPECT_TRUE(reader.AtEnd());
        EXPECT_EQ(changes, 0) << "loading does not report a change";
        ASSERT_TRUE(read.HasGraphic());
        EXPECT_EQ(*read.Graphic(), *picture.Graphic());
        EXPECT_EQ(read.Graphic()->Bytes, c.bytes);
        EXPECT_EQ((Size{read.Graphic()->Width, read.Graphic()->Height}), c.size);
    }
    TXLPicture none;
    ByteWriter writer;
    none.WriteBlock(writer);
    EXPECT_EQ(test::Hex(writer.Data()), "00");
}

TEST(TXLPicture, ADamagedBlockRaisesAndKeepsThePicture)
{
    const std::string cases[] = {
        std::string(""),
        std::string("\x01", 1),
        std::string("\x01\x00", 2), // no class name
        std::string("\x01\x05"
                    "AB",
                    4), // the name runs past the end
        std::string("\x01\x01"
                    "A\xff\xff\xff\xff",
                    7), // negative byte count
        std::string("\x01\x01"
                    "A\x05\x00\x00\x00\x01",
                    8),
    };
    for (const std::string& block : cases) {
        SCOPED_TRACE(test::Hex(block));
        TXLPicture picture;
        picture.SetGraphic("TBitmap", Bmp(40, 3, 2));
        ByteReader reader(block);
        EXPECT_THROW(picture.ReadBlock(reader), EReadError);
        ASSERT_TRUE(picture.HasGraphic());
        EXPECT_EQ(picture.Graphic()->ClassName, "TBitmap");
    }
}

TEST(PlaceBox, ModesAndAlignments)
{
    struct Case {
        Rect rect;
        Size size;
        TXLLayout layout;
        TXLBoxMode mode;
        Rect box;
    };
    const TXLLayout topLeft{haLeft, vaTop, 0, wmClip};
    const TXLLayout bottomRight{haRight, vaBottom, 0, wmClip};
    const TXLLayout centre{haCenter, vaCenter, 0, wmClip};
    const Case cases[] = {
        {{10, 10, 70, 50}, {20, 10}, topLeft, bmNatural, {10, 10, 30, 20}},
        {{10, 10, 70, 50}, {20, 10}, bottomRight, bmNatural, {50, 40, 70, 50}},
        {{10, 10, 71, 51}, {20, 10}, centre, bmNatural, {30, 25, 50, 35}}, // odd free space rounds down
        {{0, 0, 10, 10}, {15, 15}, centre, bmNatural, {-3, -3, 12, 12}},   // larger than the room
        {{0, 0, 60, 40}, {20, 10}, topLeft, bmFit, {0, 0, 60, 30}},        // as wide as the room
        {{0, 0, 100, 20}, {20, 10}, bottomRight, bmFit, {60, 0, 100, 20}}, // as high as the room
        {{0, 0, 60, 40}, {20, 10}, centre, bmFit, {0, 5, 60, 35}},
        {{0, 0, 60, 40}, {3, 0}, topLeft, bmFit, {0, 0, 0, 0}},
        {{5, 5, 60, 40}, {20, 10}, bottomRight, bmStretch, {5, 5, 60, 40}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceBox(c.rect, c.size, c.layout, c.mode), c.box)
            << c.rect.left << "," << c.rect.top << " mode " << int(c.mode);
}

class PictureCellTest : public ::testing::Test {
protected:
    TXLCPicture& Cell() { return test::PlaceCell<TXLCPicture>(sheet); }

    // The rectangle the picture was stretched into, drawn in a cell of 60 x 40 pixels.
    Rect DrawnBox(TXLCPicture& cell, TXLWrapMode wrap, int scale = 100, TXLLayout layout = {})
    {
        RecordingCanvas canvas({200, 200});
        TXLDrawInfo info;
        info.Canvas = &canvas;
        info.Scale = scale;
        info.Layout = layout;
        info.Layout.WrapMode = wrap;
        Rect rect{0, 0, 60, 40};
        cell.DrawValue(info, rect);
        const auto draws = canvas.OpsOfKind(CanvasOpKind::StretchDraw);
        return draws.size() == 1 ? draws[0].Bounds : Rect{-1, -1, -1, -1};
    }

    TXLSheet sheet;
};

TEST_F(PictureCellTest, TheWrapModeChoosesNaturalFittedOrFilled)
{
    TXLCPicture& cell = Cell();
    cell.Picture().SetGraphic("TPngImage", Png(20, 10));
    EXPECT_EQ(DrawnBox(cell, wmClip), (Rect{0, 0, 20, 10}));
    EXPECT_EQ(DrawnBox(cell, wmClip, 200), (Rect{0, 0, 40, 20}));
    EXPECT_EQ(DrawnBox(cell, wmEllipsis), (Rect{0, 0, 60, 30})) << "keeps its proportions";
    EXPECT_EQ(DrawnBox(cell, wmWrapWords), (Rect{0, 0, 60, 40})) << "fills the cell";
    EXPECT_EQ(DrawnBox(cell, wmClip, 100, {haRight, vaBottom, 0, wmClip}), (Rect{40, 30, 60, 40}));
    EXPECT_TRUE(cell.GetValue().IsUnassigned());
}

TEST_F(PictureCellTest, AnIconKeepsItsNaturalSizeAndEmptyPicturesDrawNothing)
{
    TXLCPicture& cell = Cell();
    EXPECT_EQ(DrawnBox(cell, wmClip), (Rect{-1, -1, -1, -1}));
    cell.Picture().SetGraphic("TIcon", Ico(16, 16));
    EXPECT_EQ(DrawnBox(cell, wmWrapWords), (Rect{0, 0, 16, 16}));
    cell.Picture().SetGraphic("TMetafile", {1, 2, 3});
    EXPECT_EQ(DrawnBox(cell, wmWrapWords), (Rect{-1, -1, -1, -1})) << "no natural size: nothing to place";
}

TEST_F(PictureCellTest, MeasuresOnlyWhenClipped)
{
    TXLCPicture& cell = Cell();
    RecordingCanvas canvas({1, 1});
    cell.SetWrapMode(wmClip);
    EXPECT_EQ(cell.Measure(canvas), (Size{0, 0}));
    cell.Picture().SetGraphic("TBitmap", Bmp(40, 30, 12));
    cell.SetIndent(4);
    EXPECT_EQ(cell.Measure(canvas), (Size{34, 12}));
    cell.SetWrapMode(wmEllipsis);
    EXPECT_EQ(cell.Measure(canvas), (Size{0, 0}));
}

TEST_F(PictureCellTest, ChangesOfThePictureNotify)
{
    TXLCPicture& cell = Cell();
    sheet.SetModified(false);
    cell.Picture().SetGraphic("TBitmap", Bmp(40, 3, 2));
    EXPECT_TRUE(sheet.Modified());

    TXLPicture other;
    other.SetGraphic("TPngImage", Png(9, 9));
    sheet.SetModified(false);
    cell.SetDataObject(&other);
    EXPECT_TRUE(sheet.Modified());
    EXPECT_EQ(cell.Picture().Graphic()->ClassName, "TPngImage");
    EXPECT_EQ(cell.GetDataObject(), &cell.Picture());
    cell.SetDataObject(nullptr);
    EXPECT_FALSE(cell.Picture().HasGraphic());
}

} // namespace
} // namespace qv
