// TXLSelection: the range proxy over a pane's selection, through which programs format the selected cells.
#pragma once

#include "sheet/ProRange.h"

namespace qv {

class TXLPane;

// Its section and rectangle are the pane's; setting the rectangle selects it in the pane. Without a sheet the
// proxy has no section and every change is ignored.
class TXLSelection final : public TXLProRange {
public:
    explicit TXLSelection(TXLPane& pane) : m_pane(pane) {}

    TXLSection* GetSection() const override;
    Rect GetRect() const override;
    // The pane's Select, which widens the rectangle to merged ranges and clips it to the sheet.
    void SetRect(const Rect& rect) override;
    // Without a section: no style, no class, 0, an empty value, and writes are dropped.
    TXLStyle* GetBasedOn() const override;
    void SetBasedOn(TXLStyle* style) override;
    const TXLCellClass* GetCellClass() const override;
    void SetCellClass(const TXLCellClass* cls) override;
    int32_t GetAttr(int slot, bool& uniform) const override;
    void SetAttr(int slot, int32_t value) override;
    Variant GetValue() override;
    void SetValue(const Variant& value) override;
    // Carries the change to the cells, then tells the grid (OnChange) unless changes are suppressed.
    void Changed(TXLProp group, int members) override;
    // As for any range; afterwards the pane repaints its selection and the grid hears OnSelChanged.
    bool Merge(bool across) override;
    bool ClearRange(int what) override;

    // The pane's Select: the font, editor and format of the new selection's first cell (or base style), taken
    // without writing anything.
    void TakeOver(TXLPersistent& source);
    // Something is being written through the proxy (or it is taking over): a selection made meanwhile keeps
    // what the proxy holds.
    bool IsBusy() const { return m_busy > 0; }

private:
    TXLPane& m_pane;
    int m_busy = 0;
};

} // namespace qv
