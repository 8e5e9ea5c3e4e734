// The sheet stream: base style records, size lists and section blocks, written and read byte for byte.
#include "platform/ByteStream.h"
#include "sheet/GridError.h"
#include "sheet/Manager.h"
#include "sheet/Sheet.h"

namespace qv {

namespace {

constexpr std::string_view kMagic = "XLG";
constexpr uint8_t kVersion = 0x16;
constexpr int32_t kEndOfList = -1;
// Section flags: bit 0 merged ranges, bit 1 cell rows, bit 2 + n property layer n.
constexpr int32_t kHasUnions = 1, kHasRows = 2, kFirstLayerBit = 4;
constexpr int32_t kKnownSectionFlags = 0x3FF;
// What a merged range read takes: the range, its slot in the section's list, its index node and anchor entry.
constexpr size_t kUnionBytes = sizeof(TXLUnion) + sizeof(void*) + 96;

// The attribute slot a property layer holds (layers 2..7).
int SlotOfLayer(TXLLayerId layer)
{
    return layer == kLayerBias1 ? sBias1 : layer == kLayerBias2 ? sBias2 : kSlotColor + (layer - kLayerColor);
}

template <class Object> void WriteRecord(const Object& object, ByteWriter& writer)
{
    const size_t at = writer.Size();
    writer.WriteInt32(0);
    object.SaveProps(writer);
    writer.PatchLength(at, writer.Size() - at, "a style or cell record");
}

// The record's length frame must lie within the stream; damage inside the record is the object's, and
// whatever it did not consume is skipped. Returns whether the object read its data without error.
template <class Object> bool ReadRecord(Object& object, ByteReader& reader)
{
    const size_t at = reader.Offset();
    const int32_t length = reader.ReadInt32("record length");
    if (length < 4 || static_cast<size_t>(length - 4) > reader.Remaining())
        throw EReadError("record length " + std::to_string(length) + " beyond the stream", at);
    ByteReader record = reader.SubReader(static_cast<size_t>(length - 4), "record");
    try {
        object.LoadProps(record);
        return true;
    } catch (const EPlatformError&) {
        return false;
    }
}

void SkipRecord(ByteReader& reader)
{
    struct Nothing {
        void LoadProps(ByteReader&) {}
    } nothing;
    ReadRecord(nothing, reader);
}

// An index of the data model, or (when allowed) the end-of-list marker -1.
int32_t ReadIndex(ByteReader& reader, const char* what, bool endAllowed = false)
{
    const size_t at = reader.Offset();
    const int32_t index = reader.ReadInt32(what);
    if (endAllowed && index == kEndOfList)
        return index;
    if (index < 0 || index > kMaxSListIndex)
        throw EReadError(std::string(what) + " " + std::to_string(index) + " outside the sheet", at);
    return index;
}

template <class List> bool HoldsAnything(const List& layer)
{
    return layer.ForEach([](int, auto* sub) { return sub->IsEmpty() ? 0 : 1; }) != 0;
}

} // namespace

void TXLSection::WriteBlock(ByteWriter& writer) const
{
    // Rows emptied by merging or truncation write nothing, so a reread sheet writes the same bytes.
    const bool hasCells = ForEach([](int, const TXLRow* row) { return row->IsEmpty() ? 0 : 1; }) != 0;
    const auto& unions = Unions();
    int32_t flags = (unions.empty() ? 0 : kHasUnions) | (hasCells ? kHasRows : 0);
    for (TXLLayerId layer : kLayers) {
        const bool holds = layer < kLayerBias1 ? HoldsAnything(LineLayer(layer)) : HoldsAnything(AttrLayer(layer));
        if (holds)
            flags |= kFirstLayerBit << layer;
    }
    writer.WriteInt32(flags);
    if (flags & kHasUnions) {
        writer.WriteLength(unions.size(), "the merged ranges");
        for (const auto& range : unions) {
            const Rect& r = range->GetRect();
            for (int v : {r.left, r.top, r.right, r.bottom})
                writer.WriteInt32(v);
        }
    }
    if (flags & kHasRows)
        WriteRows(writer);
    for (TXLLayerId layer : kLayers) {
        if (!(flags & (kFirstLayerBit << layer)))
            continue;
        if (layer < kLayerBias1)
            LineLayer(layer).SaveToStream(writer);
        else
            AttrLayer(layer).SaveToStream(writer);
    }
}

void TXLSection::WriteRows(ByteWriter& writer) const
{
    ForEach([&](int index, const TXLRow* row) {
        if (row->IsEmpty())
            return;
        writer.WriteInt32(index);
        row->ForEach([&](int col, const TXLCell* cell) {
            writer.WriteInt32(col);
            writer.WriteInt32(CellClassID(cell->GetCellClass()));
            WriteRecord(*cell, writer);
        });
        writer.WriteInt32(kEndOfList);
    });
    writer.WriteInt32(kEndOfList);
}

void TXLSection::ReadBlock(ByteReader& reader)
{
    Clear();
    const size_t at = reader.Offset();
    const int32_t flags = reader.ReadInt32("section flags");
    if (flags & ~kKnownSectionFlags)
        throw EReadError("unknown section flags " + std::to_string(flags), at);
    if (flags & kHasUnions)
        ReadUnions(reader);
    if (flags & kHasRows)
        ReadRows(reader);
    for (TXLLayerId layer : kLayers) {
        if (!(flags & (kFirstLayerBit << layer)))
            continue;
        if (layer < kLayerBias1)
            LineLayer(layer).LoadFromStream(reader);
        else
            AttrLayer(layer).LoadFromStream(reader);
    }
}

void TXLSection::ReadUnions(ByteReader& reader)
{
    const int32_t count = reader.ReadCount("merged range count", static_cast<int32_t>(reader.Remaining() / 16));
    for (int32_t i = 0; i < count; ++i) {
        const size_t at = reader.Offset();
        Rect r;
        r.left = ReadIndex(reader, "merged range left");
        r.top = ReadIndex(reader, "merged range top");
        r.right = reader.ReadInt32("merged range right");
        r.bottom = reader.ReadInt32("merged range bottom");
        if (r.right <= r.left || r.bottom <= r.top || r.right > kMaxCount || r.bottom > kMaxCount)
            throw EReadError("impossible merged range", at);
        // The layers and rows are read after the ranges, so normalising a range allocates nothing yet.
        reader.Charge(kUnionBytes, "a merged range");
        AddUnion(r, nullptr);
    }
}

void TXLSection::ReadRows(ByteReader& reader)
{
    TXLManager& manager = XLManager();
    // Without the registry every cell would be skipped as unknown and the sheet silently emptied.
    if (manager.CellClassCount() == 0)
        throw EXLGridError("No cell classes are registered: the engine is not started");
    // Cells come in runs of one class: the last class number is remembered.
    int32_t lastID = 0;
    const TXLCellClass* lastClass = nullptr;
    for (int32_t row; (row = ReadIndex(reader, "row index", true)) != kEndOfList;) {
        reader.ReportProgress();
        for (int32_t col; (col = ReadIndex(reader, "column index", true)) != kEndOfList;) {
            const int32_t id = reader.ReadInt32("cell class number");
            if (id != lastID) {
                lastID = id;
                lastClass = manager.CellClassByID(id);
            }
            const TXLCellClass* cls = lastClass;
            if (!cls) {
                SkipRecord(reader); // a class this program does not know
                continue;
            }
            const TXLRow* existing = Get(row);
            const size_t rowGrowth =
                existing ? existing->StorageGrowth(col) : sizeof(TXLRow) + TXLRow().StorageGrowth(col);
            reader.Charge(StorageGrowth(row) + rowGrowth + sizeof(TXLCell), "a cell position");
            TXLCell& cell = ReplaceCell({col, row}, cls);
            ReadRecord(cell, reader);
            m_loadedStyles = m_loadedStyles || cell.Holds(prBasedOn);
        }
    }
}

void TXLSection::NormaliseLoadedLayers(ByteReader& reader)
{
    for (TXLUnion* range : UnionsUnderLayerItems()) {
        reader.Charge(EveningCost(*range), "the layers of a merged range");
        Normalise(*range);
    }
}

void TXLSection::AfterLoad()
{
    if (!m_loadedStyles)
        return; // no cell was read with a style: spare a walk over every cell
    m_loadedStyles = false;
    TXLStyler* styler = m_sheet.Styler();
    for (TXLCell* cell : CellsBasedOn(nullptr))
        cell->BindLoadedStyle(styler);
}

TXLSizeList& TXLSheet::StreamList(int bit)
{
    // Bits 0..3: title columns, title rows, columns, rows; 4..7 the same for the hidden sizes.
    auto& lists = bit < 4 ? m_sizes : m_hidden;
    const int which = bit % 4;
    return lists[which % 2 == 0 ? sCols : sRows][which / 2];
}

bool TXLSheet::SectionPresent(TXLSector sector) const
{
    switch (sector) {
    case sCols:
        return ColCount() > 0 && TitleRows() > 0;
    case sRows:
        return RowCount() > 0 && TitleCols() > 0;
    case sTitle:
        return TitleCols() > 0 && TitleRows() > 0;
    default:
        return ColCount() > 0 && RowCount() > 0;
    }
}

void TXLSheet::WriteData(ByteWriter& writer)
{
    writer.WriteBytes(kMagic);
    writer.WriteByte(kVersion);
    WriteRecord(*m_baseClient, writer);
    WriteRecord(*m_baseTitle, writer);
    uint8_t flags = 0;
    for (int bit = 0; bit < 8; ++bit)
        if (!StreamList(bit).IsEmpty())
            flags |= static_cast<uint8_t>(1u << bit);
    writer.WriteByte(flags);
    for (int bit = 0; bit < 8; ++bit)
        if (flags & (1u << bit))
            StreamList(bit).SaveToStream(writer);
    for (TXLSector sector : {sCols, sRows, sTitle, sClient})
        if (SectionPresent(sector))
            m_sections[sector]->WriteBlock(writer);
    SetModified(false);
}

void TXLSheet::ReadLists(ByteReader& reader)
{
    const uint8_t flags = reader.ReadByte("list flags");
    for (int bit = 0; bit < 8; ++bit) {
        if (!(flags & (1u << bit)))
            continue;
        const size_t at = reader.Offset();
        TXLSizeList& list = StreamList(bit);
        list.LoadFromStream(reader);
        const int count = list.Count();
        if (count < 0 || count > kMaxCount) {
            list.Clear();
            list.SetCount(0);
            throw EReadError("impossible count " + std::to_string(count) + " of a size list", at);
        }
    }
}

void TXLSheet::ReadSections(ByteReader& reader)
{
    try {
        for (TXLSector sector : {sCols, sRows, sTitle, sClient})
            if (SectionPresent(sector))
                m_sections[sector]->ReadBlock(reader);
        for (TXLSector sector : {sCols, sRows, sTitle, sClient}) {
            TXLSection& section = *m_sections[sector];
            for (TXLLayerId layer : kAttrLayers) {
                bool uniform = true;
                section.SetLayerDefault(layer, section.BaseStyle().GetAttr(SlotOfLayer(layer), uniform));
            }
        }
        // The ranges were read before the layers, and against other defaults.
        for (auto& section : m_sections)
            section->NormaliseLoadedLayers(reader);
    } catch (...) {
        // What was read before the damage stays; evening it to the default costs nothing the stream must back.
        for (auto& section : m_sections)
            section->EvenLoadedLayers();
        throw;
    }
    Notify([](IXLSheetUser* u) {
        u->SizesChanged(0, ptClient);
        u->UnionsChanged(true);
        u->InvalidateAll();
    });
}

void TXLSheet::ReadData(ByteReader& reader)
{
    BeginUpdate();
    struct Finish {
        TXLSheet& sheet;
        ~Finish()
        {
            sheet.EndUpdate();
            sheet.SetModified(false);
        }
    } finish{*this};
    Clear();
    const size_t start = reader.Offset();
    if (reader.Remaining() < 4 || reader.ReadBytes(3, "magic") != kMagic) {
        reader.Seek(start, "magic");
        throw EXLGridError("Unknown XLGrid stream format!");
    }
    reader.ReadByte("version"); // any version is read alike
    try {
        ReadRecord(*m_baseClient, reader);
        ReadRecord(*m_baseTitle, reader);
        ReadLists(reader);
        ReadSections(reader);
    } catch (const EReadError& e) {
        throw EXLStreamError(e.Message());
    }
}

void TXLSheet::AfterLoad()
{
    for (auto& section : m_sections)
        section->AfterLoad();
}

} // namespace qv
