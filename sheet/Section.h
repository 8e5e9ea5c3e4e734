// A section of a sheet: cells in sparse rows, eight property layers, hints and merged ranges.
#pragma once

#include "sheet/ProZeroSList.h"
#include "sheet/Row.h"
#include "sheet/Union.h"
#include "sheet/UnionIndex.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace qv {

class TXLBaseStyle;
class TXLSheet;

// The property layers: 0 holds the left line of each cell (indexed by column, then row), the others are indexed
// by row, then column.
enum TXLLayerId : uint8_t {
    kLayerVertLines,
    kLayerHorzLines,
    kLayerBias1,
    kLayerBias2,
    kLayerColor,
    kLayerFrame,
    kLayerStyles,
    kLayerLayout
};
inline constexpr int kLayerCount = 8;
// Every layer in stream order, and the attribute layers (those indexed by row, then column, after the lines).
inline constexpr TXLLayerId kLayers[kLayerCount] = {kLayerVertLines, kLayerHorzLines, kLayerBias1,  kLayerBias2,
                                                    kLayerColor,     kLayerFrame,     kLayerStyles, kLayerLayout};
inline constexpr TXLLayerId kAttrLayers[] = {kLayerBias1, kLayerBias2,  kLayerColor,
                                             kLayerFrame, kLayerStyles, kLayerLayout};
// The layer that stores an attribute slot.
TXLLayerId LayerOfSlot(int slot);

// How a merged range evens an attribute that differs across it: the top-left value spreads over the range (the
// diagonals are dropped), or every attribute goes back to the layer's default.
enum class TXLEvening : uint8_t { AnchorValue, LayerDefault };

// Flag of an invalidation that concerns only the lines around a rectangle.
inline constexpr int kInvalidateBorder = 1;

// A layer of sub-lists whose new sub-lists take the layer's default.
class TXLLayer : public TListSList<TDefSList> {
public:
    using TListSList::TListSList;

    int Default() const { return m_default; }
    // Every existing sub-list takes the default; explicit values stay.
    void SetDefault(int value);

protected:
    void ItemCreated(TDefSList& item, int) override { item.SetDefault(m_default); }

private:
    int m_default = 0;
};

class TXLSection : public TListSList<TXLRow> {
public:
    // Rows, cells and layers live in the sheet's memory.
    TXLSection(TXLSheet& sheet, TXLSector sector);
    ~TXLSection() override;

    TXLSheet& Sheet() const { return m_sheet; }
    TXLSector Sector() const { return m_sector; }
    TXLBaseStyle& BaseStyle() const { return *m_baseStyle; }
    void SetBaseStyle(TXLBaseStyle* style) { m_baseStyle = style; }
    // The section's area from the sheet's counts: [0, columns) x [0, rows).
    Rect Bounds() const;
    // Section-local to sheet coordinates.
    Point ToSheet(Point p) const;
    Rect ToSheet(const Rect& r) const;

    // Cells. Points are section-local and not negative.
    // A point inside a merged range other than its top-left becomes that top-left.
    Point ResolvePoint(Point p) const;
    // The cell at the resolved point, created (of the base style's class) when missing.
    TXLCell& GetCell(Point p);
    // The cell at the resolved point, or nullptr; creates nothing.
    TXLCell* FindCell(Point p) const;
    const TXLCellClass* GetCellClass(Point p) const;
    void SetCellClass(Point p, const TXLCellClass* cls);
    // A cell of the class at the point, keeping the old cell's layout, font and value (dropped if unconvertible).
    TXLCell& ReplaceCell(Point p, const TXLCellClass* cls);
    void FreeCellsIn(const Rect& rect);

    // Row by row, left to right, each merged range once at its top-left; fn returns false to stop.
    // Both return the number of calls.
    int ForEachPosition(const Rect& rect, const std::function<bool(Point)>& fn) const;
    int ForEachCell(const Rect& rect, TXLCellWalk walk, const std::function<bool(TXLCell&)>& fn);

    // Layers.
    int32_t GetLayerValue(TXLLayerId layer, int col, int row) const;
    // Every position of rect (layers 2..7) gets value: O(area), or for the layer's default O(items stored there).
    void SetLayerArea(TXLLayerId layer, const Rect& rect, int32_t value);
    // SetLayerArea over rect grown to whole merged ranges (clNone meaning the base colour), then repaint.
    void SetAreaAttr(TXLLayerId layer, Rect rect, int32_t value);
    // Lines of layer 0 or 1 at outer indexes [outerFirst, outerEnd) and inner [innerFirst, innerEnd): O(area), or for
    // 0 (no line) O(lines stored there).
    void SetLines(TXLLayerId layer, int outerFirst, int outerEnd, int innerFirst, int innerEnd, int32_t value);
    // The largest value over the ranges; uniform tells whether all positions hold the same. O(lines stored there).
    int32_t ReadUniform(TXLLayerId layer, int outerFirst, int outerEnd, int innerFirst, int innerEnd,
                        bool& uniform) const;
    // Layers 2..7: the default of every existing sub-list; then the users hear of the change.
    void SetLayerDefault(TXLLayerId layer, int32_t value);
    int32_t LayerDefault(TXLLayerId layer) const;

    // Merged ranges, in creation order (the order they are written in). O(ranges) after a removal, else O(1).
    const std::vector<std::unique_ptr<TXLUnion>>& Unions() const;
    // The range containing p (with TXLAnchorRule::Exclude, not starting at p). O(log ranges) per row level in use.
    TXLUnion* UnionAt(Point p, TXLAnchorRule anchor) const;
    // The range the cell anchors, or nullptr. O(1).
    TXLUnion* UnionOfCell(const TXLCell* cell) const;
    // A range intersecting rect other than except, or nullptr.
    TXLUnion* FirstIntersecting(const Rect& rect, const TXLUnion* except) const;
    // Every range intersecting rect, in the index's order: O(log ranges) per row block holding ranges, and per range.
    std::vector<TXLUnion*> UnionsIntersecting(const Rect& rect) const;
    // rect grown by every range it intersects until it grows no more.
    Rect ExpandToUnions(Rect rect) const;
    bool IsUnionRect(const Rect& rect) const;
    // Clips rect to the bounds and, when more than one cell remains, makes it one range replacing those it meets.
    void Merge(Rect rect);
    // Appends a range; with cell nullptr the anchor is the cell found at the top-left.
    TXLUnion& AddUnion(const Rect& rect, TXLCell* cell);
    void RemoveUnion(TXLUnion* range);
    void RemoveUnionsIn(const Rect& rect);
    void NormaliseUnionsIn(const Rect& rect);
    // Evens a range's attributes, clears the lines inside it and frees the cells it covers. O(what is stored in the
    // range), but O(area) for spreading a top-left value that is not the layer's default.
    void Normalise(TXLUnion& range, TXLEvening evening = TXLEvening::AnchorValue);
    // At most the bytes that Normalise with TXLEvening::AnchorValue allocates for the range's attributes.
    size_t EveningCost(const TXLUnion& range) const;
    // After reading: each range that stored layer items reach into is normalised against them, its EveningCost
    // charged first. O(stored layer items x log ranges), plus the normalising.
    void NormaliseLoadedLayers(ByteReader& reader);
    // The same ranges evened to the layers' defaults, which costs nothing to charge (a stream damaged half-way).
    void EvenLoadedLayers();
    // Gives a range a new rectangle: the ranges it meets go, then it is normalised (TXLUnion::SetRect).
    void Place(TXLUnion& range, const Rect& rect);
    // A cell anchoring a range is going: the range keeps no pointer to it.
    void ForgetAnchor(const TXLCell* cell);
    // Drops everything at and beyond count on the axis: cells (and rows), and ranges; layers and hints stay.
    void Truncate(TXLAxis axis, int count);

    // Hints stored for cells.
    void SetHint(const TXLCell* cell, const std::string& text);
    // True when the cell had a hint.
    bool RemoveHint(const TXLCell* cell);
    std::string GetHint(const TXLCell* cell) const;
    // The hint shown at a point: the cell's own, or with csExtHint the sheet's OnGetCellHint.
    std::string GetHintAt(Point p) const;

    // Every cell (style nullptr) or every cell based on style takes the group over again.
    void InheritAll(TXLStyle* style, TXLProp group, int members);
    // Cells based on style (every cell for nullptr) lose their style.
    void ClearStyles(TXLStyle* style);
    // Styler switch: the alias of each styled cell's style, row by row; the cells lose their style.
    void WriteStyleNames(ByteWriter& writer);
    // The same walk, giving each cell the style of that alias from the sheet's styler (none if missing).
    void ReadStyleNames(ByteReader& reader);

    // The section block of the sheet stream: flags, merged ranges, cell rows, layers.
    void WriteBlock(ByteWriter& writer) const;
    // Empties the section, then reads a block; damage raises EReadError.
    void ReadBlock(ByteReader& reader);
    // Binds the style indexes the cells were loaded with (see TXLCell::BindLoadedStyle).
    void AfterLoad();

    // Frees rows and cells, empties the layers, the hints and the ranges.
    void Clear() override;
    // Layers 0 and 1 (lines, raw values) and 2..7 (attributes, with the layer default).
    TListSList<TSList>& LineLayer(TXLLayerId layer) { return m_lines[layer]; }
    const TListSList<TSList>& LineLayer(TXLLayerId layer) const { return m_lines[layer]; }
    TXLLayer& AttrLayer(TXLLayerId layer) { return m_attrs[layer - kLayerBias1]; }
    const TXLLayer& AttrLayer(TXLLayerId layer) const { return m_attrs[layer - kLayerBias1]; }
    // Empty when the invariants hold; otherwise what is wrong. For tests.
    std::string CheckInvariants() const;

protected:
    void ItemsMoved(int first, int last) override;
    void ItemCreated(TXLRow& row, int index) override { row.Attach(this, index); }

private:
    std::unique_ptr<TXLCell> CreateCell(const TXLCellClass* cls) const;
    // Every cell based on style, or every cell for nullptr; collected first, since acting on them may add rows.
    std::vector<TXLCell*> CellsBasedOn(const TXLStyle* style) const;
    TXLCell& InsertCell(Point p, const TXLCellClass* cls);
    void ClearLineRun(TXLLayerId layer, int outer, int innerFirst, int innerEnd, bool& cleared);
    // Whether every position of rect holds the same value of an attribute layer. O(items stored there).
    bool IsUniform(TXLLayerId layer, const Rect& rect) const;
    void WriteRows(ByteWriter& writer) const;
    void ReadRows(ByteReader& reader);
    void ReadUnions(ByteReader& reader);
    void SetAnchor(TXLUnion& range, TXLCell* cell);
    // Takes the ranges out of the index and the list, then tells of each as RemoveUnion does.
    void RemoveUnions(const std::vector<TXLUnion*>& ranges);
    // Closes the holes removed ranges left in the list.
    void CompactUnions() const;
    // In creation order, the ranges holding a stored attribute item, or a line inside them or on their edges.
    std::vector<TXLUnion*> UnionsUnderLayerItems() const;

    TXLSheet& m_sheet;
    TXLSector m_sector;
    TXLBaseStyle* m_baseStyle = nullptr;
    bool m_loadedStyles = false; // a cell was read with a style index that AfterLoad must bind
    // In creation order; a removed range leaves a null hole until the list is compacted.
    mutable std::vector<std::unique_ptr<TXLUnion>> m_unions;
    mutable size_t m_unionHoles = 0;
    TXLUnionIndex m_unionIndex;
    std::unordered_map<const TXLCell*, TXLUnion*> m_anchors;
    std::unordered_map<const TXLCell*, std::string> m_hints;
    TListSList<TSList> m_lines[2];
    TXLLayer m_attrs[kLayerCount - kLayerBias1];
};

} // namespace qv
