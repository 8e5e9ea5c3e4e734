// Range proxies: the properties of a whole rectangle of cells read and set at once.
#pragma once

#include "sheet/ProCell.h"

namespace qv {

// Attributes go straight into the section's layers for the whole rectangle; font, editor and format are the
// proxy's own and reach the cells through Changed. A proxy records nothing in Props and always reports.
class TXLProRange : public TXLProCell {
public:
    TXLProRange();

    // The style and class of the cell at the rectangle's origin; setting them acts on that cell only.
    TXLStyle* GetBasedOn() const override;
    void SetBasedOn(TXLStyle* style) override;
    const TXLCellClass* GetCellClass() const override;
    void SetCellClass(const TXLCellClass* cls) override;
    // Suppressed changes write no attributes.
    void SetAttr(int slot, int32_t value) override;
    // Carries a change of the proxy to every cell of the rectangle.
    void Changed(TXLProp group, int members) override;
    Variant GetValue() override;
    void SetValue(const Variant& value) override;

    // Across: every row of the rectangle becomes a range; otherwise the whole rectangle, unless it already is
    // one cell or one range (then false).
    virtual bool Merge(bool across);
    // what: 1 frees the cells, 2 resets colour and lines, 4 (without 1) clears the hints. False for 0.
    virtual bool ClearRange(int what);

protected:
    // Takes the fields a proxy holds itself (font, editor, format) from source, without reporting anything or
    // touching a cell; later font changes report only what differs from this font.
    void TakeOwnFields(TXLPersistent& source);

private:
    // Calls fn for the cell at every anchor position of the rectangle, creating missing cells.
    void ForEachAnchorCell(const std::function<void(TXLCell&)>& fn);

    TXLFontData m_fontCopy; // the font as it was after the last change
};

// A proxy over a fixed rectangle of one section (programs and tests; the grid's selection is another).
class TXLRange : public TXLProRange {
public:
    TXLRange(TXLSection& section, const Rect& rect) : m_section(section), m_rect(rect) {}

    TXLSection* GetSection() const override { return &m_section; }
    Rect GetRect() const override { return m_rect; }
    void SetRect(const Rect& rect) override { m_rect = rect; }

private:
    TXLSection& m_section;
    Rect m_rect;
};

} // namespace qv
