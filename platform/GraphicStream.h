// A graphic's stream form, and the natural size of an encoded image read from its header.
#pragma once

#include "platform/Geometry.h"
#include "platform/Graphic.h"

#include <cstdint>
#include <span>

namespace qv {

class ByteReader;
class ByteWriter;

// The natural size of an encoded image read from its header: PNG, JPEG, BMP or ICO (its first image). 0 x 0 for
// bytes of any other kind or too short to tell. Reads only the header (a JPEG up to its frame header).
Size ImageNaturalSize(std::span<const uint8_t> bytes);

// A graphic in its stream form: the class name as a short string (one length byte), an int32 byte count and
// the bytes. The sheet's background stores its picture in the same form.
void WriteGraphic(ByteWriter& writer, const TXLGraphicData& graphic);
// EReadError for a stream that ends early, an empty class name or a negative count; the natural size is read
// from the bytes.
TXLGraphicData ReadGraphic(ByteReader& reader);

} // namespace qv
