// Pictures: the picture block, placement by mode, picture cells.
#include "CellTestSheet.h"
#include "cells/PictureCell.h"
#include "cells/PlaceBox.h"
#include "platform/ByteStream.h"
#include "platform/RecordingCanvas.h"
#include "support/ImageBytes.h"

#include <gtest/gtest.h>

#include <climits>

namespace qv {
namespace {

using namespace test;

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
        // Sizes from a hostile image header: placed far away, never wrapped around the int range.
        {{100, 100, 160, 140}, {INT_MAX, INT_MAX}, topLeft, bmNatural, {100, 100, INT_MAX, INT_MAX}},
        {{-100, -100, -60, -40}, {INT_MAX, INT_MAX}, bottomRight, bmNatural, {INT_MIN, INT_MIN, -60, -40}},
        {{0, 0, 60, 40}, {INT_MAX, 1}, centre, bmNatural, {-1073741794, 19, 1073741853, 20}},
        {{0, 0, INT_MAX, 40}, {1, 1}, topLeft, bmFit, {0, 0, 40, 40}},
        {{0, 0, 60, INT_MAX}, {1, 1}, topLeft, bmFit, {0, 0, 60, 60}},
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
