// The bytes of sheet streams for tests: a sheet's XLData stream, its whole-sheet file, a little-endian integer.
#pragma once

#include "platform/ByteStream.h"
#include "sheet/Sheet.h"

#include <cstdint>
#include <string>

namespace qv::test {

inline std::string Int32(int32_t v)
{
    ByteWriter w;
    w.WriteInt32(v);
    return w.Data();
}

inline std::string DataOf(TXLSheet& sheet)
{
    ByteWriter writer;
    sheet.WriteData(writer);
    return writer.Take();
}

inline std::string FileOf(TXLSheet& sheet)
{
    ByteWriter writer;
    sheet.SaveToStream(writer);
    return writer.Take();
}

} // namespace qv::test
