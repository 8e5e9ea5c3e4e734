// Natural sizes of encoded images read from crafted headers.
#include "platform/GraphicStream.h"
#include "support/ImageBytes.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace test;

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

} // namespace
} // namespace qv
