// A graphic's stream form, and the natural size of an encoded image read from its header.
#include "platform/GraphicStream.h"

#include "platform/ByteStream.h"

#include <climits>
#include <cstdlib>

namespace qv {

namespace {

uint32_t BigEndian(std::span<const uint8_t> b, size_t at, int bytes)
{
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | b[at + i];
    return value;
}

uint32_t LittleEndian(std::span<const uint8_t> b, size_t at, int bytes)
{
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | b[at + i];
    return value;
}

// Dimensions beyond the int range are no picture we can place.
Size Checked(int64_t width, int64_t height)
{
    if (width <= 0 || height <= 0 || width > INT_MAX || height > INT_MAX)
        return {0, 0};
    return {static_cast<int>(width), static_cast<int>(height)};
}

// Signature, then the IHDR chunk first: width and height big-endian at 16 and 20.
Size PngSize(std::span<const uint8_t> b)
{
    static constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (b.size() < 24 || !std::equal(std::begin(kSignature), std::end(kSignature), b.begin()))
        return {0, 0};
    if (b[12] != 'I' || b[13] != 'H' || b[14] != 'D' || b[15] != 'R')
        return {0, 0};
    return Checked(BigEndian(b, 16, 4), BigEndian(b, 20, 4));
}

// Markers from start of image up to the first frame header (SOF0..SOF15 but DHT, JPG and DAC), which holds
// precision, height and width.
Size JpegSize(std::span<const uint8_t> b)
{
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8)
        return {0, 0};
    size_t pos = 2;
    while (pos < b.size()) {
        if (b[pos] != 0xFF)
            return {0, 0};
        while (pos < b.size() && b[pos] == 0xFF)
            ++pos; // fill bytes
        if (pos >= b.size())
            return {0, 0};
        const uint8_t marker = b[pos++];
        if (marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // no length field
        if (marker == 0xD9 || marker == 0xDA)
            return {0, 0}; // image end or scan data before any frame header
        if (pos + 2 > b.size())
            return {0, 0};
        const uint32_t length = BigEndian(b, pos, 2);
        if (length < 2)
            return {0, 0};
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 7 || pos + 7 > b.size())
                return {0, 0};
            return Checked(BigEndian(b, pos + 5, 2), BigEndian(b, pos + 3, 2));
        }
        pos += length;
    }
    return {0, 0};
}

// File header (14 bytes), then the info header: a 12-byte core header with 16-bit sizes, or a longer one with
// 32-bit sizes (a negative height meaning top-down rows).
Size BmpSize(std::span<const uint8_t> b)
{
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M')
        return {0, 0};
    const uint32_t infoSize = LittleEndian(b, 14, 4);
    if (infoSize == 12)
        return Checked(LittleEndian(b, 18, 2), LittleEndian(b, 20, 2));
    if (infoSize < 16)
        return {0, 0};
    const auto width = static_cast<int32_t>(LittleEndian(b, 18, 4));
    const auto height = static_cast<int32_t>(LittleEndian(b, 22, 4));
    return Checked(width, std::llabs(static_cast<int64_t>(height)));
}

// Reserved 0, type 1 (icon) or 2 (cursor), a count, then 16-byte entries whose first bytes are width and height
// (0 meaning 256).
Size IcoSize(std::span<const uint8_t> b)
{
    if (b.size() < 22 || LittleEndian(b, 0, 2) != 0)
        return {0, 0};
    const uint32_t type = LittleEndian(b, 2, 2);
    if ((type != 1 && type != 2) || LittleEndian(b, 4, 2) == 0)
        return {0, 0};
    return {b[6] == 0 ? 256 : b[6], b[7] == 0 ? 256 : b[7]};
}

} // namespace

Size ImageNaturalSize(std::span<const uint8_t> bytes)
{
    for (Size (*read)(std::span<const uint8_t>) : {&PngSize, &JpegSize, &BmpSize, &IcoSize})
        if (const Size size = read(bytes); size.cx > 0)
            return size;
    return {0, 0};
}

void WriteGraphic(ByteWriter& writer, const TXLGraphicData& graphic)
{
    writer.WriteByte(static_cast<uint8_t>(graphic.ClassName.size()));
    writer.WriteBytes(graphic.ClassName);
    writer.WriteLength(graphic.Bytes.size(), "a picture");
    writer.WriteBytes({reinterpret_cast<const char*>(graphic.Bytes.data()), graphic.Bytes.size()});
}

TXLGraphicData ReadGraphic(ByteReader& reader)
{
    TXLGraphicData graphic;
    const size_t at = reader.Offset();
    const uint8_t nameLength = reader.ReadByte("graphic class name");
    if (nameLength == 0)
        throw EReadError("empty graphic class name", at);
    graphic.ClassName = std::string(reader.ReadBytes(nameLength, "graphic class name"));
    const int32_t count = reader.ReadCount("graphic data length", INT32_MAX);
    const std::string_view data = reader.ReadBytes(static_cast<size_t>(count), "graphic data");
    graphic.Bytes.assign(data.begin(), data.end());
    const Size size = ImageNaturalSize(graphic.Bytes);
    graphic.Width = size.cx;
    graphic.Height = size.cy;
    return graphic;
}

} // namespace qv
