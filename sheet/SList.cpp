// The block stream format of the integer sparse lists, and the one instantiation of the block machinery they share.
#include "sheet/SList.h"

#include "platform/ByteStream.h"

#include <algorithm>
#include <string>

namespace qv {

template class BasicSList<int32_t>;

namespace {

// A block in the stream: its number and 16 items of 4 bytes.
constexpr size_t kStreamBlockBytes = 4 + kSListBlockItems * 4;

} // namespace

void TSList::SaveToStream(ByteWriter& writer) const
{
    writer.WriteByte(0);
    writer.WriteInt32(Count());
    writer.WriteInt32(AllocatedBlocks());
    for (int b = NextBlock(0); b >= 0; b = NextBlock(b + 1)) {
        writer.WriteInt32(b);
        for (const int32_t item : *BlockAt(b))
            writer.WriteInt32(item);
    }
}

void TSList::LoadFromStream(ByteReader& reader)
{
    reader.ReadByte("sparse list version"); // only version 0 was ever written, and it is read as such
    const int32_t count = reader.ReadInt32("sparse list count");
    const size_t backed = reader.Remaining() < 4 ? 0 : (reader.Remaining() - 4) / kStreamBlockBytes;
    const int32_t blocks =
        reader.ReadCount("sparse list block count", static_cast<int32_t>(std::min<size_t>(backed, kMaxSListBlocks)));
    Directory directory(Memory());
    for (int32_t i = 0; i < blocks; ++i)
        ReadBlock(reader, directory);
    AdoptBlocks(std::move(directory), count);
}

// A repeated block number overwrites the earlier block, as storing it twice would.
void TSList::ReadBlock(ByteReader& reader, Directory& directory)
{
    const size_t at = reader.Offset();
    const int32_t number = reader.ReadInt32("sparse list block number");
    if (number < 0 || number >= kMaxSListBlocks)
        throw EReadError("sparse list block number " + std::to_string(number), at);
    reader.Charge(directory.Growth(number), "a sparse list directory");
    // One bounds check for the block's 16 items.
    const std::string_view bytes = reader.ReadBytes(kSListBlockItems * 4, "sparse list items");
    Block& block = directory.Ensure(number);
    for (int i = 0; i < kSListBlockItems; ++i) {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + 4 * i);
        block[i] = static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
    }
}

} // namespace qv
