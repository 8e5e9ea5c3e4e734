// Pictures held by cells: one graphic of a named class with its undecoded bytes, and its stream block.
#pragma once

#include "platform/Geometry.h"
#include "platform/Graphic.h"
#include "platform/GraphicStream.h"
#include "sheet/Value.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qv {

class ByteReader;
class ByteWriter;

class TXLPicture : public TXLDataObject {
public:
    TXLPicture() = default;
    TXLPicture(const TXLPicture&) = delete;
    TXLPicture& operator=(const TXLPicture&) = delete;

    // Called after every change of the graphic except loading; a picture cell notifies through it.
    std::function<void()> OnChange;

    bool HasGraphic() const { return m_graphic.has_value(); }
    // nullptr without a graphic.
    const TXLGraphicData* Graphic() const { return m_graphic ? &*m_graphic : nullptr; }
    // Holds the bytes as a graphic of the class; their natural size comes from their header. EXLGridError for an
    // empty class name or one longer than 255 bytes (the stream could not name it).
    void SetGraphic(std::string className, std::vector<uint8_t> bytes);
    void Clear();
    // Takes a copy of source's graphic (or none).
    void Assign(const TXLPicture& source);

    // The picture block: one byte 1 with a graphic (then WriteGraphic) or 0 without one.
    void WriteBlock(ByteWriter& writer) const;
    // Reads a block without calling OnChange; on damage raises EReadError and keeps the picture as it was.
    void ReadBlock(ByteReader& reader);

private:
    void Changed();

    std::optional<TXLGraphicData> m_graphic;
};

} // namespace qv
