// Crafted image headers (PNG, JPEG, BMP, ICO) of given sizes for the picture tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace qv::test {

using Bytes = std::vector<uint8_t>;

inline void Append(Bytes& b, std::initializer_list<int> values)
{
    for (int v : values)
        b.push_back(static_cast<uint8_t>(v));
}
inline void AppendBe(Bytes& b, uint32_t v, int n)
{
    for (int i = n - 1; i >= 0; --i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void AppendLe(Bytes& b, uint32_t v, int n)
{
    for (int i = 0; i < n; ++i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline Bytes Png(uint32_t width, uint32_t height)
{
    Bytes b;
    Append(b, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'});
    AppendBe(b, width, 4);
    AppendBe(b, height, 4);
    Append(b, {8, 6, 0, 0, 0});
    return b;
}

// Start of image, a JFIF segment, a table segment, then the frame header of the given marker.
inline Bytes Jpeg(int frameMarker, int width, int height)
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

inline Bytes Bmp(int infoSize, int32_t width, int32_t height)
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

inline Bytes Ico(int width, int height)
{
    Bytes b;
    Append(b, {0, 0, 1, 0, 1, 0, width, height, 0, 0, 1, 0, 32, 0});
    AppendLe(b, 40, 4);
    AppendLe(b, 22, 4);
    return b;
}

} // namespace qv::test
