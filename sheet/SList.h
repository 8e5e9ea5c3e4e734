// TSList: the sparse list of raw 32-bit integers, with the block stream format every integer list shares.
#pragma once

#include "sheet/SListBlocks.h"

namespace qv {

class ByteReader;
class ByteWriter;

extern template class BasicSList<int32_t>;

// Raw 32-bit items; 0 is absent. The layers of lines store packed lines in it.
class TSList : public BasicSList<int32_t> {
public:
    using BasicSList::BasicSList;

    // Block format: version byte 0, Count(), the number of allocated blocks, then per block in increasing order its
    // number and its 16 raw items. Blocks whose items were all set back to 0 are written too.
    void SaveToStream(ByteWriter& writer) const;
    // Replaces items and Count() by a block-format stream. On damage raises EReadError and leaves the list as it
    // was; nothing is allocated that the remaining bytes cannot back.
    void LoadFromStream(ByteReader& reader);

private:
    static void ReadBlock(ByteReader& reader, Directory& directory);
};

} // namespace qv
