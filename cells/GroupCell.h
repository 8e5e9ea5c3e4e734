// Outline group cells: a switch that hides or shows the columns or rows its merged range governs.
#pragma once

#include "sheet/Cell.h"

namespace qv {

// A group is horizontal when its rectangle is at least as wide as tall. A horizontal group governs the columns
// to its right end past the merged range just below its left end; a vertical one the rows to its bottom end past
// the range just right of its top end.
class TXLCGroup : public TXLCell {
public:
    static const TXLCellClass& Class();
    const TXLCellClass* GetCellClass() const override { return &Class(); }

    // The display text, then for a group of more than one cell its button and, open and without a format,
    // its bracket.
    void DrawValue(const TXLDrawInfo& info, Rect& rect) override;
    // The sheet's default row height both ways.
    Size Measure(TXLCanvas& canvas) override;
    bool Collapsed() const { return m_collapsed; }
    bool GetAsBoolean() override { return m_collapsed; }
    Variant GetValue() override { return Variant(m_collapsed); }
    // A changed flag hides (collapsed) or shows (open) the governed columns or rows, then notifies; opening
    // applies the groups found along the governed strip again, so nested collapsed groups stay collapsed.
    void SetAsBoolean(bool collapsed) override;
    void SetValue(const Variant& value) override;
    // Toggles the flag.
    void DblClick() override;
    // A blank toggles the flag; the key still goes on.
    void KeyPress(char32_t& key) override;
    // int32 1 collapsed, 0 open; loading applies the flag through SetAsBoolean.
    void SaveValue(ByteWriter& writer) const override;
    void LoadValue(ByteReader& reader) override;

    bool IsHorizontal() const;
    // Hides or shows the governed columns or rows by the flag; open groups apply their nested groups too.
    void Apply();

private:
    bool m_collapsed = false;
};

} // namespace qv
