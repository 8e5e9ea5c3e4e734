// The base class of every stored cell: style, position in its row, hint, measuring and reactions.
#pragma once

#include "sheet/ProCell.h"
#include "sheet/SheetMemory.h"

namespace qv {

class ByteReader;
class ByteWriter;
class TXLRow;
class TXLSheet;
class TXLStyler;

class TXLCell : public TXLProCell {
public:
    ~TXLCell() override;

    // Cells live in their sheet's memory: new (memory) Class is the only way to create one on the heap.
    static void* operator new(size_t size, SheetMemory& memory) { return memory.Allocate(size); }
    static void operator delete(void* block, SheetMemory&) { SheetMemory::Abandon(block); }
    static void operator delete(void* block, size_t size) { SheetMemory::Free(block, size); }

    TXLStyle* GetBasedOn() const override { return m_style; }
    // EXLGridError "Cannot use Style from disconnected Styler!" for a style of another styler.
    void SetBasedOn(TXLStyle* style) override;
    // A cell cannot change its class itself; its section replaces it.
    void SetCellClass(const TXLCellClass*) override {}
    void Changed(TXLProp group, int members) override;
    void AssignGroup(TXLPersistent& source, TXLProp group, int members) override;
    // Falls back to the section's base style.
    TXLPersistent* GetProvider(TXLProp group) override;

    TXLSection* GetSection() const override;
    Rect GetRect() const override;
    // Merges the cell with the rectangle (moved to start at the cell), or unmerges it.
    void SetRect(const Rect& rect) override;

    std::string Hint() const;
    void SetHint(std::string text);

    // The display text's extent plus indent and a pixel of margin; 0 x 0 for empty text.
    virtual Size Measure(TXLCanvas& canvas);
    virtual void Click() {}
    virtual void DblClick() {}
    // A character typed while the cell is current; setting key to 0 consumes it.
    virtual void KeyPress(char32_t& key) { (void)key; }

    // The cell's stream record: property data, hint, style index, value part. A loaded style index waits for
    // BindLoadedStyle.
    void SaveProps(ByteWriter& writer) const;
    void LoadProps(ByteReader& reader);
    // After loading: the style at the loaded index of the styler, or no style (and no based-on group) without one.
    void BindLoadedStyle(TXLStyler* styler);
    // The value part of the cell's stream record. Loading stores the value without reporting a change.
    virtual void SaveValue(ByteWriter& writer) const;
    virtual void LoadValue(ByteReader& reader);

    int Col() const { return m_col; }
    TXLRow* Row() const { return m_row; }
    TXLSheet& Sheet() const;

    // Called by the owning row when the cell is stored at or moved to a column.
    void AttachTo(TXLRow* row, int col)
    {
        m_row = row;
        m_col = col;
    }
    // Requests a repaint once until the grid has painted the cell.
    void RequestRepaint();

private:
    TXLStyle* m_style = nullptr;
    TXLRow* m_row = nullptr;
    int32_t m_col = 0;
    int32_t m_loadedStyle = -1; // the style index read from a stream until the sheet binds it
};

} // namespace qv
