// Sections: cells on demand, property layers, merged ranges with their normalisation, hints and styles.
#include "sheet/Section.h"

#include "platform/ByteStream.h"
#include "platform/TextCodec.h"
#include "sheet/GridError.h"
#include "sheet/Sheet.h"
#include "sheet/Style.h"

#include <algorithm>
#include <climits>
#include <unordered_set>

namespace qv {

namespace {

bool IsLineLayer(TXLLayerId layer)
{
    return layer == kLayerVertLines || layer == kLayerHorzLines;
}

// A diagonal that differs across a merged range is dropped rather than spread.
bool IsBiasLayer(TXLLayerId layer)
{
    return layer == kLayerBias1 || layer == kLayerBias2;
}

// What an attribute item stored at a new position takes at most: its share of a block and of the nodes above it.
constexpr size_t kStoredItemBytes = 5;

[[noreturn]] void OutsideTheModel(Point p)
{
    throw EXLGridError("Cell position (" + std::to_string(p.x) + ", " + std::to_string(p.y) +
                       ") lies outside the sheet");
}

bool IsStorable(Point p)
{
    return p.x >= 0 && p.y >= 0 && p.x <= kMaxSListIndex && p.y <= kMaxSListIndex;
}

// The sub-lists (or rows) present at [first, end), collected first so that the caller may change them.
template <class List> auto ListsIn(List& lists, int first, int end)
{
    std::vector<decltype(lists.Get(0))> found;
    lists.ForEachIn(first, end, [&](int, auto* list) { found.push_back(list); });
    return found;
}

// Every item stored at [first, end) of an integer list goes (reads as the default again).
void ClearItemsIn(TSList& list, int first, int end)
{
    std::vector<int> indexes;
    list.ForEachIn(first, end, [&](int index, int32_t) { indexes.push_back(index); });
    for (int index : indexes)
        list.Put(index, 0);
}

} // namespace

TXLLayerId LayerOfSlot(int slot)
{
    switch (slot) {
    case sLeft:
    case sRight:
    case sVInside:
        return kLayerVertLines;
    case sTop:
    case sBottom:
    case sHInside:
        return kLayerHorzLines;
    case sBias1:
        return kLayerBias1;
    case sBias2:
        return kLayerBias2;
    case kSlotColor:
        return kLayerColor;
    case kSlotFrame:
        return kLayerFrame;
    case kSlotStyles:
        return kLayerStyles;
    default:
        return kLayerLayout;
    }
}

void TXLLayer::SetDefault(int value)
{
    m_default = value;
    ForEach([value](int, TDefSList* list) { list->SetDefault(value); });
}

TXLSection::TXLSection(TXLSheet& sheet, TXLSector sector)
    : TListSList(&sheet.Memory()), m_sheet(sheet),
      m_sector(sector), m_lines{TListSList<TSList>(Memory()), TListSList<TSList>(Memory())}, m_attrs{TXLLayer(Memory()),
                                                                                                     TXLLayer(Memory()),
                                                                                                     TXLLayer(Memory()),
                                                                                                     TXLLayer(Memory()),
                                                                                                     TXLLayer(Memory()),
                                                                                                     TXLLayer(Memory())}
{
}

TXLSection::~TXLSection()
{
    Clear();
}

Rect TXLSection::Bounds() const
{
    const TXLSheet& s = m_sheet;
    switch (m_sector) {
    case sCols:
        return {0, 0, s.ColCount(), s.TitleRows()};
    case sRows:
        return {0, 0, s.TitleCols(), s.RowCount()};
    case sTitle:
        return {0, 0, s.TitleCols(), s.TitleRows()};
    default:
        return {0, 0, s.ColCount(), s.RowCount()};
    }
}

Point TXLSection::ToSheet(Point p) const
{
    const int dx = (m_sector == sRows || m_sector == sTitle) ? m_sheet.TitleCols() : 0;
    const int dy = (m_sector == sCols || m_sector == sTitle) ? m_sheet.TitleRows() : 0;
    return {p.x - dx, p.y - dy};
}

Rect TXLSection::ToSheet(const Rect& r) const
{
    const Point tl = ToSheet(r.TopLeft());
    return {tl.x, tl.y, tl.x + r.Width(), tl.y + r.Height()};
}

Point TXLSection::ResolvePoint(Point p) const
{
    if (const TXLUnion* range = UnionAt(p, TXLAnchorRule::Exclude))
        return range->GetRect().TopLeft();
    return p;
}

TXLCell* TXLSection::FindCell(Point p) const
{
    p = ResolvePoint(p);
    const TXLRow* row = Get(p.y);
    return row ? row->Get(p.x) : nullptr;
}

TXLCell& TXLSection::GetCell(Point p)
{
    p = ResolvePoint(p);
    if (TXLCell* cell = FindCell(p))
        return *cell;
    return InsertCell(p, m_baseStyle->GetCellClass());
}

std::unique_ptr<TXLCell> TXLSection::CreateCell(const TXLCellClass* cls) const
{
    if (!cls || !cls->Create)
        throw EXLGridError("Cannot create a cell without a cell class");
    return cls->Create(m_sheet.Memory());
}

TXLCell& TXLSection::InsertCell(Point p, const TXLCellClass* cls)
{
    if (!IsStorable(p))
        OutsideTheModel(p);
    std::unique_ptr<TXLCell> created = CreateCell(cls);
    TXLUnion* range = UnionAt(p, TXLAnchorRule::Include);
    if (range && range->GetRect().TopLeft() == p)
        SetAnchor(*range, created.get());
    TXLCell& cell = GetOrCreate(p.y)->PutCell(p.x, std::move(created));
    if (m_baseStyle->GetCellClass() == cell.GetCellClass())
        cell.ShareFormat(*m_baseStyle);
    cell.RequestRepaint();
    return cell;
}

const TXLCellClass* TXLSection::GetCellClass(Point p) const
{
    const TXLCell* cell = FindCell(p);
    return cell ? cell->GetCellClass() : m_baseStyle->GetCellClass();
}

void TXLSection::SetCellClass(Point p, const TXLCellClass* cls)
{
    if (GetCellClass(p) != cls)
        ReplaceCell(p, cls);
}

TXLCell& TXLSection::ReplaceCell(Point p, const TXLCellClass* cls)
{
    p = ResolvePoint(p);
    TXLCell* old = FindCell(p);
    if (!old)
        return InsertCell(p, cls);
    if (old->GetCellClass() == cls)
        return *old;
    const bool ownFont = old->Holds(prFont);
    const TXLFontData font = old->HasFontObject() ? old->Font().Data() : TXLFontData{};
    const TXLProps kept = static_cast<TXLProps>(old->Props() & PropBit(prLayout));
    const Variant value = old->GetValue();
    Get(p.y)->Put(p.x, nullptr);
    TXLCell& cell = InsertCell(p, cls);
    // The layout stays in the layout layer; the new cell only takes over the claim to it.
    cell.SetPropsRaw(static_cast<TXLProps>(cell.Props() | kept));
    if (ownFont)
        cell.SetFont(font);
    try {
        cell.SetValue(value);
    } catch (const EPlatformError&) {
        // A value the new class cannot hold is dropped.
    }
    return cell;
}

void TXLSection::FreeCellsIn(const Rect& rect)
{
    for (TXLRow* row : ListsIn(*this, rect.top, rect.bottom)) {
        std::vector<int> cols;
        row->ForEachIn(rect.left, rect.right, [&](int x, TXLCell*) { cols.push_back(x); });
        for (int x : cols)
            row->Put(x, nullptr);
    }
}

int TXLSection::ForEachPosition(const Rect& rect, const std::function<bool(Point)>& fn) const
{
    int calls = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            const Point p{x, y};
            if (!m_unionIndex.IsEmpty())
                if (const TXLUnion* range = UnionAt(p, TXLAnchorRule::Exclude); range)
                    continue;
            ++calls;
            if (!fn(p))
                return calls;
        }
    }
    return calls;
}

int TXLSection::ForEachCell(const Rect& rect, TXLCellWalk walk, const std::function<bool(TXLCell&)>& fn)
{
    if (walk == TXLCellWalk::Create) {
        return ForEachPosition(rect, [&](Point p) { return fn(GetCell(p)); });
    }
    // Only existing cells: walk the rows and cells that are there. Inside a merged range only its anchor holds a cell.
    std::vector<TXLCell*> cells;
    ForEach([&](int y, TXLRow* row) {
        if (y < rect.top || y >= rect.bottom)
            return;
        row->ForEach([&](int x, TXLCell* cell) {
            if (x >= rect.left && x < rect.right)
                cells.push_back(cell);
        });
    });
    int calls = 0;
    for (TXLCell* cell : cells) {
        ++calls;
        if (!fn(*cell))
            break;
    }
    return calls;
}

int32_t TXLSection::GetLayerValue(TXLLayerId layer, int col, int row) const
{
    if (IsLineLayer(layer)) {
        const int outer = layer == kLayerVertLines ? col : row;
        const int inner = layer == kLayerVertLines ? row : col;
        const TSList* list = LineLayer(layer).Get(outer);
        return list ? list->Get(inner) : 0;
    }
    const TDefSList* list = AttrLayer(layer).Get(row);
    return list ? list->GetValue(col) : AttrLayer(layer).Default();
}

bool TXLSection::IsUniform(TXLLayerId layer, const Rect& rect) const
{
    if (rect.IsEmpty())
        return true;
    const TXLLayer& attrs = AttrLayer(layer);
    const int32_t first = GetLayerValue(layer, rect.left, rect.top);
    // Positions without a stored item hold the default: with any other first value every position must be stored.
    int64_t stored = 0;
    bool same = true;
    for (const TDefSList* list : ListsIn(attrs, rect.top, rect.bottom))
        list->ForEachIn(rect.left, rect.right, [&](int x, int32_t) {
            ++stored;
            same = same && list->GetValue(x) == first;
            return same ? 0 : 1;
        });
    return same && (first == attrs.Default() || stored == int64_t{rect.Width()} * rect.Height());
}

int32_t TXLSection::LayerDefault(TXLLayerId layer) const
{
    return IsLineLayer(layer) ? 0 : AttrLayer(layer).Default();
}

void TXLSection::SetLayerArea(TXLLayerId layer, const Rect& rect, int32_t value)
{
    TXLLayer& attrs = AttrLayer(layer);
    if (value == attrs.Default()) {
        // The default is stored as nothing: only the items stored there go.
        for (TDefSList* list : ListsIn(attrs, rect.top, rect.bottom))
            ClearItemsIn(*list, rect.left, rect.right);
        return;
    }
    for (int y = rect.top; y < rect.bottom; ++y) {
        TDefSList* list = attrs.GetOrCreate(y);
        if (!list)
            continue;
        for (int x = rect.left; x < rect.right; ++x)
            list->SetValue(x, value);
    }
}

void TXLSection::SetAreaAttr(TXLLayerId layer, Rect rect, int32_t value)
{
    rect = ExpandToUnions(rect);
    if (layer == kLayerColor && value == clNone)
        value = m_baseStyle->Color();
    SetLayerArea(layer, rect, value);
    m_sheet.InvalidateCells(m_sector, rect, 0);
    m_sheet.CellsChanged(m_sector, &rect);
}

void TXLSection::SetLines(TXLLayerId layer, int outerFirst, int outerEnd, int innerFirst, int innerEnd, int32_t value)
{
    TListSList<TSList>& lines = LineLayer(layer);
    if (value == 0) {
        for (TSList* list : ListsIn(lines, outerFirst, outerEnd))
            ClearItemsIn(*list, innerFirst, innerEnd);
        return;
    }
    for (int o = outerFirst; o < outerEnd; ++o) {
        TSList* list = lines.GetOrCreate(o);
        if (!list)
            continue;
        for (int i = innerFirst; i < innerEnd; ++i)
            list->Put(i, value);
    }
}

int32_t TXLSection::ReadUniform(TXLLayerId layer, int outerFirst, int outerEnd, int innerFirst, int innerEnd,
                                bool& uniform) const
{
    uniform = true;
    if (outerFirst >= outerEnd || innerFirst >= innerEnd)
        return 0;
    // Absent lines are 0: only the stored ones are visited, and counting them tells whether any position is absent.
    const int64_t positions = int64_t{outerEnd - outerFirst} * (innerEnd - innerFirst);
    int64_t stored = 0;
    int32_t lowest = INT32_MAX;
    int32_t largest = INT32_MIN;
    for (const TSList* list : ListsIn(LineLayer(layer), outerFirst, outerEnd))
        list->ForEachIn(innerFirst, innerEnd, [&](int, int32_t v) {
            ++stored;
            lowest = std::min(lowest, v);
            largest = std::max(largest, v);
        });
    if (stored < positions) {
        lowest = std::min(lowest, 0);
        largest = std::max(largest, 0);
    }
    uniform = lowest == largest;
    return largest;
}

void TXLSection::SetLayerDefault(TXLLayerId layer, int32_t value)
{
    if (IsLineLayer(layer))
        return;
    AttrLayer(layer).SetDefault(value);
    m_sheet.CellsChanged(m_sector, nullptr);
}

const std::vector<std::unique_ptr<TXLUnion>>& TXLSection::Unions() const
{
    if (m_unionHoles > 0)
        CompactUnions();
    return m_unions;
}

void TXLSection::CompactUnions() const
{
    size_t kept = 0;
    for (auto& range : m_unions)
        if (range) {
            range->m_slot = kept;
            m_unions[kept++] = std::move(range);
        }
    m_unions.resize(kept);
    m_unionHoles = 0;
}

TXLUnion* TXLSection::UnionAt(Point p, TXLAnchorRule anchor) const
{
    if (m_unionIndex.IsEmpty())
        return nullptr;
    TXLUnion* range = m_unionIndex.At(p);
    if (range && anchor == TXLAnchorRule::Exclude && range->GetRect().TopLeft() == p)
        return nullptr;
    return range;
}

TXLUnion* TXLSection::UnionOfCell(const TXLCell* cell) const
{
    const auto it = m_anchors.find(cell);
    return it == m_anchors.end() ? nullptr : it->second;
}

TXLUnion* TXLSection::FirstIntersecting(const Rect& rect, const TXLUnion* except) const
{
    TXLUnion* found = nullptr;
    m_unionIndex.ForEachIntersecting(rect, [&](TXLUnion& range) {
        if (&range != except)
            found = &range;
        return found == nullptr;
    });
    return found;
}

std::vector<TXLUnion*> TXLSection::UnionsIntersecting(const Rect& rect) const
{
    std::vector<TXLUnion*> found;
    m_unionIndex.ForEachIntersecting(rect, [&](TXLUnion& range) {
        found.push_back(&range);
        return true;
    });
    return found;
}

Rect TXLSection::ExpandToUnions(Rect rect) const
{
    for (bool grown = !m_unionIndex.IsEmpty(); grown;) {
        grown = false;
        for (const TXLUnion* range : UnionsIntersecting(rect)) {
            const Rect wider = rect.Union(range->GetRect());
            if (wider != rect) {
                rect = wider;
                grown = true;
            }
        }
    }
    return rect;
}

bool TXLSection::IsUnionRect(const Rect& rect) const
{
    const TXLUnion* range = UnionAt(rect.TopLeft(), TXLAnchorRule::Include);
    return range && range->GetRect() == rect;
}

void TXLSection::Merge(Rect rect)
{
    rect = rect.Intersect(Bounds());
    if (rect.Width() * static_cast<long long>(rect.Height()) <= 1)
        return;
    RemoveUnionsIn(rect);
    AddUnion(rect, nullptr);
    m_sheet.UnionsChanged(false);
}

TXLUnion& TXLSection::AddUnion(const Rect& rect, TXLCell* cell)
{
    const Point topLeft = rect.TopLeft();
    if (!cell)
        if (const TXLRow* row = Get(topLeft.y))
            cell = row->Get(topLeft.x);
    auto owned = std::make_unique<TXLUnion>(*this, topLeft, nullptr);
    TXLUnion& range = *owned;
    range.m_slot = m_unions.size();
    m_unions.push_back(std::move(owned));
    SetAnchor(range, cell);
    range.SetRect(rect);
    return range;
}

void TXLSection::SetAnchor(TXLUnion& range, TXLCell* cell)
{
    if (range.m_anchor)
        m_anchors.erase(range.m_anchor);
    range.m_anchor = cell;
    if (cell) {
        cell->SetFlag(kFlagAnchor, true);
        m_anchors[cell] = &range;
    }
}

void TXLSection::ForgetAnchor(const TXLCell* cell)
{
    if (TXLUnion* range = UnionOfCell(cell)) {
        range->m_anchor = nullptr;
        m_anchors.erase(cell);
    }
}

void TXLSection::Place(TXLUnion& range, const Rect& rect)
{
    if (!range.m_rect.IsEmpty())
        m_unionIndex.Erase(range);
    range.m_rect = rect;
    if (rect.IsEmpty())
        return;
    RemoveUnions(UnionsIntersecting(rect));
    m_unionIndex.Insert(range);
    Normalise(range);
}

void TXLSection::RemoveUnion(TXLUnion* range)
{
    if (range && range->m_slot < m_unions.size() && m_unions[range->m_slot].get() == range)
        RemoveUnions({range});
}

void TXLSection::RemoveUnions(const std::vector<TXLUnion*>& ranges)
{
    std::vector<std::unique_ptr<TXLUnion>> removed;
    for (TXLUnion* range : ranges) {
        m_unionIndex.Erase(*range);
        if (range->m_anchor)
            m_anchors.erase(range->m_anchor);
        removed.push_back(std::move(m_unions[range->m_slot]));
        ++m_unionHoles;
    }
    // Holes are closed once they are the larger part of the list, so that removing stays O(1) per range.
    if (m_unionHoles > m_unions.size() / 2)
        CompactUnions();
    for (const auto& owned : removed) {
        m_sheet.InvalidateCells(m_sector, owned->GetRect(), 0);
        if (TXLCell* anchor = owned->Anchor()) {
            anchor->SetFlag(kFlagAnchor, false);
            if (anchor->HasFlag(kFlagEditing))
                m_sheet.CellRemoved(*anchor);
        }
    }
}

void TXLSection::RemoveUnionsIn(const Rect& rect)
{
    RemoveUnions(UnionsIntersecting(rect));
}

std::vector<TXLUnion*> TXLSection::UnionsUnderLayerItems() const
{
    if (m_unionIndex.IsEmpty())
        return {};
    std::unordered_set<const TXLUnion*> under;
    const auto mark = [&](Point p) {
        if (const TXLUnion* range = m_unionIndex.At(p))
            under.insert(range);
    };
    for (TXLLayerId layer : kAttrLayers)
        AttrLayer(layer).ForEach([&](int y, const TDefSList* list) {
            list->ForEach([&](int x, int32_t) { mark({x, y}); });
        });
    // A line belongs to the cells on both its sides: a range's edge is a line of its own or of its neighbour.
    LineLayer(kLayerVertLines).ForEach([&](int x, const TSList* list) {
        list->ForEach([&](int y, int32_t) {
            mark({x, y});
            mark({x - 1, y});
        });
    });
    LineLayer(kLayerHorzLines).ForEach([&](int y, const TSList* list) {
        list->ForEach([&](int x, int32_t) {
            mark({x, y});
            mark({x, y - 1});
        });
    });
    std::vector<TXLUnion*> ranges;
    for (const auto& range : Unions())
        if (under.contains(range.get()))
            ranges.push_back(range.get());
    return ranges;
}

void TXLSection::EvenLoadedLayers()
{
    for (TXLUnion* range : UnionsUnderLayerItems())
        Normalise(*range, TXLEvening::LayerDefault);
}

void TXLSection::NormaliseUnionsIn(const Rect& rect)
{
    for (TXLUnion* range : UnionsIntersecting(rect))
        Normalise(*range);
}

void TXLSection::ClearLineRun(TXLLayerId layer, int outer, int innerFirst, int innerEnd, bool& cleared)
{
    bool uniform = true;
    ReadUniform(layer, outer, outer + 1, innerFirst, innerEnd, uniform);
    if (uniform)
        return;
    SetLines(layer, outer, outer + 1, innerFirst, innerEnd, 0);
    cleared = true;
}

size_t TXLSection::EveningCost(const TXLUnion& range) const
{
    const Rect& r = range.GetRect();
    size_t cost = 0;
    for (TXLLayerId layer : kAttrLayers)
        if (!IsBiasLayer(layer) && GetLayerValue(layer, r.left, r.top) != AttrLayer(layer).Default() &&
            !IsUniform(layer, r))
            cost += size_t(r.Width()) * size_t(r.Height()) * kStoredItemBytes +
                    size_t(r.Height()) * (sizeof(TDefSList) + kStoredItemBytes * kSListBlockItems);
    return cost;
}

void TXLSection::Normalise(TXLUnion& range, TXLEvening evening)
{
    const Rect r = range.GetRect();
    bool edgeCleared = false;
    ClearLineRun(kLayerVertLines, r.left, r.top, r.bottom, edgeCleared);
    ClearLineRun(kLayerVertLines, r.right, r.top, r.bottom, edgeCleared);
    ClearLineRun(kLayerHorzLines, r.top, r.left, r.right, edgeCleared);
    ClearLineRun(kLayerHorzLines, r.bottom, r.left, r.right, edgeCleared);
    SetLines(kLayerVertLines, r.left + 1, r.right, r.top, r.bottom, 0);
    SetLines(kLayerHorzLines, r.top + 1, r.bottom, r.left, r.right, 0);
    for (TXLLayerId layer : kAttrLayers) {
        if (IsUniform(layer, r))
            continue;
        const bool spread = evening == TXLEvening::AnchorValue && !IsBiasLayer(layer);
        SetLayerArea(layer, r, spread ? GetLayerValue(layer, r.left, r.top) : AttrLayer(layer).Default());
    }
    if (edgeCleared)
        m_sheet.InvalidateCells(m_sector, r, kInvalidateBorder);
    // The anchor stays; every other cell the range covers goes.
    TXLCell* anchor = range.Anchor();
    std::unique_ptr<TXLCell> kept;
    if (anchor)
        kept = Get(r.top)->Take(r.left);
    FreeCellsIn(r);
    if (kept)
        Get(r.top)->PutCell(r.left, std::move(kept));
    m_sheet.InvalidateCells(m_sector, r, 0);
}

void TXLSection::Truncate(TXLAxis axis, int count)
{
    if (axis == axRows)
        SetCount(count);
    else
        ForEach([count](int, TXLRow* row) { row->SetCount(count); });
    const Rect beyond = axis == axCols ? Rect{count, 0, kMaxSListIndex + 1, kMaxSListIndex + 1}
                                       : Rect{0, count, kMaxSListIndex + 1, kMaxSListIndex + 1};
    for (TXLUnion* range : UnionsIntersecting(beyond)) {
        Rect r = range->GetRect();
        const int start = axis == axCols ? r.left : r.top;
        int& end = axis == axCols ? r.right : r.bottom;
        if (start >= count) {
            RemoveUnion(range);
        } else if (end > count) {
            end = count;
            if (r.Width() * static_cast<long long>(r.Height()) <= 1)
                RemoveUnion(range);
            else
                range->SetRect(r);
        }
    }
}

void TXLSection::SetHint(const TXLCell* cell, const std::string& text)
{
    m_hints[cell] = text;
}

bool TXLSection::RemoveHint(const TXLCell* cell)
{
    return m_hints.erase(cell) > 0;
}

std::string TXLSection::GetHint(const TXLCell* cell) const
{
    const auto it = m_hints.find(cell);
    return it == m_hints.end() ? std::string() : it->second;
}

std::string TXLSection::GetHintAt(Point p) const
{
    const TXLCell* cell = FindCell(p);
    const bool extHint = (GetLayerValue(kLayerStyles, p.x, p.y) & CellStyleBit(csExtHint)) != 0;
    if ((!cell || !cell->Holds(prHint)) && extHint)
        return m_sheet.FireGetCellHint(p);
    return cell ? GetHint(cell) : std::string();
}

std::vector<TXLCell*> TXLSection::CellsBasedOn(const TXLStyle* style) const
{
    std::vector<TXLCell*> cells;
    ForEach([&](int, TXLRow* row) {
        row->ForEach([&](int, TXLCell* cell) {
            if (!style || cell->GetBasedOn() == style)
                cells.push_back(cell);
        });
    });
    return cells;
}

void TXLSection::InheritAll(TXLStyle* style, TXLProp group, int members)
{
    for (TXLCell* cell : CellsBasedOn(style))
        cell->Inherit(group, members);
}

void TXLSection::ClearStyles(TXLStyle* style)
{
    for (TXLCell* cell : CellsBasedOn(style))
        cell->SetBasedOn(nullptr);
}

void TXLSection::WriteStyleNames(ByteWriter& writer)
{
    ForEach([&](int, TXLRow* row) {
        std::vector<TXLCell*> styled;
        row->ForEach([&](int, TXLCell* cell) {
            if (cell->GetBasedOn())
                styled.push_back(cell);
        });
        writer.WriteInt32(static_cast<int32_t>(styled.size()));
        for (TXLCell* cell : styled) {
            writer.WriteInt32(cell->Col());
            writer.WriteString(Utf8ToGbk(cell->GetBasedOn()->Alias()));
            cell->SetBasedOn(nullptr);
        }
    });
}

void TXLSection::ReadStyleNames(ByteReader& reader)
{
    TXLStyler* styler = m_sheet.Styler();
    ForEach([&](int, TXLRow* row) {
        const int count = reader.ReadCount("styled cell count", kMaxSListIndex + 1);
        for (int i = 0; i < count; ++i) {
            const int col = reader.ReadInt32("styled cell column");
            const std::string alias = GbkToUtf8(reader.ReadString("style alias"));
            TXLCell* cell = row->Get(col);
            TXLStyle* style = styler ? styler->FindStyle(alias) : nullptr;
            if (cell && style)
                cell->SetBasedOn(style);
        }
    });
}

void TXLSection::Clear()
{
    TListSList<TXLRow>::Clear();
    for (auto& lines : m_lines)
        lines.Clear();
    for (auto& attrs : m_attrs)
        attrs.Clear();
    m_hints.clear();
    m_unionIndex.Clear();
    m_anchors.clear();
    m_unions.clear();
    m_unionHoles = 0;
}

void TXLSection::ItemsMoved(int first, int last)
{
    for (int i = first; i <= last; ++i)
        if (TXLRow* row = Get(i))
            row->SetIndex(i);
}

std::string TXLSection::CheckInvariants() const
{
    const auto& unions = Unions();
    for (size_t i = 0; i < unions.size(); ++i) {
        const TXLUnion& range = *unions[i];
        const Rect r = range.GetRect();
        const std::string which = "merged range " + std::to_string(i);
        if (r.IsEmpty())
            continue;
        for (const TXLUnion* other : UnionsIntersecting(r))
            if (other != &range)
                return which + " overlaps another";
        if (m_unionIndex.At(r.TopLeft()) != &range)
            return which + " is missing from the index";
        const TXLRow* anchorRow = Get(r.top);
        if ((anchorRow ? anchorRow->Get(r.left) : nullptr) != range.Anchor() ||
            (range.Anchor() && UnionOfCell(range.Anchor()) != &range))
            return which + " does not anchor at the cell of its top-left";
        for (const TXLRow* row : ListsIn(*this, r.top, r.bottom))
            if (row->ForEachIn(r.left, r.right, [&](int x, TXLCell*) { return x != r.left || row->Index() != r.top; }))
                return "a cell inside " + which + " is not its anchor";
        for (TXLLayerId layer : kAttrLayers)
            if (!IsUniform(layer, r))
                return "layer " + std::to_string(layer) + " is not uniform in " + which;
        const auto anyLine = [](const TListSList<TSList>& lines, int outerFirst, int outerEnd, int first, int end) {
            return lines.ForEachIn(outerFirst, outerEnd, [&](int, TSList* list) {
                return list->ForEachIn(first, end, [](int, int32_t) { return 1; });
            });
        };
        if (anyLine(LineLayer(kLayerVertLines), r.left + 1, r.right, r.top, r.bottom) ||
            anyLine(LineLayer(kLayerHorzLines), r.top + 1, r.bottom, r.left, r.right))
            return "a line inside " + which;
    }
    return {};
}

} // namespace qv
