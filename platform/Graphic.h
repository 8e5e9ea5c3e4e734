// TXLGraphicData: an undecoded picture (class name, bytes, natural size) handed to a canvas for drawing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// The toolkit's canvas decodes Bytes by ClassName ("TBitmap", "TIcon", "TMetafile", "TJPEGImage", ...); the engine
// only places and scales the picture by its natural size.
struct TXLGraphicData {
    std::string ClassName;
    std::vector<std::uint8_t> Bytes;
    int Width = 0;            // natural width in pixels
    int Height = 0;           // natural height in pixels
    bool Transparent = false; // pixels of the transparent colour leave what is below

    bool IsEmpty() const { return Width <= 0 || Height <= 0; }
    bool operator==(const TXLGraphicData&) const = default;
};

} // namespace qv
