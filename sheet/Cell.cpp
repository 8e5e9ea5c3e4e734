// Stored cells: styles, change reports to section and sheet, merging, hints and measuring.
#include "sheet/Cell.h"

#include "sheet/GridError.h"
#include "sheet/Row.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"
#include "sheet/Style.h"
#include "sheet/Union.h"

#include <cstdint>

namespace qv {

TXLCell::~TXLCell()
{
    if (!m_row || !m_row->Section())
        return;
    TXLSection& section = *m_row->Section();
    if (HasFlag(kFlagEditing))
        section.Sheet().CellRemoved(*this);
    if (m_row->Index() >= 0)
        section.Sheet().InvalidateCells(section.Sector(), GetRect(), 0);
    if (HasFlag(kFlagAnchor))
        section.ForgetAnchor(this);
    section.RemoveHint(this);
}

TXLSection* TXLCell::GetSection() const
{
    return m_row ? m_row->Section() : nullptr;
}

TXLSheet& TXLCell::Sheet() const
{
    return GetSection()->Sheet();
}

void TXLCell::SetBasedOn(TXLStyle* style)
{
    if (style && style->Styler() != Sheet().Styler())
        throw EXLGridError("Cannot use Style from disconnected Styler!");
    if (style == m_style && style && !HasFlag(kFlagForce))
        return;
    m_style = style;
    Changed(prBasedOn, 0);
}

void TXLCell::RequestRepaint()
{
    if (HasFlag(kFlagRepaint))
        return;
    SetFlag(kFlagRepaint, true);
    TXLSection* section = GetSection();
    section->Sheet().InvalidateCells(section->Sector(), GetRect(), 0);
}

void TXLCell::Changed(TXLProp group, int members)
{
    TXLProCell::Changed(group, members);
    if (group == prBasedOn) {
        if (!m_style)
            KeepOnlyProps(PropBit(prValue) | PropBit(prHint));
        for (int g = prControl; g <= prStyles; ++g)
            if (!Holds(static_cast<TXLProp>(g)))
                Inherit(static_cast<TXLProp>(g), 0);
    } else if (group != prColor && group != prBorder && group != prFrame) {
        RequestRepaint();
        const bool rebuildsEditor = group == prControl || group == prLayout || group == prFont;
        if (rebuildsEditor && HasFlag(kFlagEditing) && !HasFlag(kFlagSuppress))
            Sheet().CellRemoved(*this);
        if (group == prValue)
            Sheet().CellValueChanged(*this);
    }
    Sheet().SetModified(true);
}

void TXLCell::AssignGroup(TXLPersistent& source, TXLProp group, int members)
{
    if (group == prHint) {
        if (auto* cell = dynamic_cast<TXLCell*>(&source))
            SetHint(cell->Hint());
        return;
    }
    TXLProCell::AssignGroup(source, group, members);
}

TXLPersistent* TXLCell::GetProvider(TXLProp group)
{
    TXLPersistent* provider = TXLProCell::GetProvider(group);
    return provider ? provider : &GetSection()->BaseStyle();
}

Rect TXLCell::GetRect() const
{
    if (HasFlag(kFlagAnchor))
        if (const TXLUnion* range = GetSection()->UnionOfCell(this))
            return range->GetRect();
    const int row = m_row->Index();
    return {m_col, row, m_col + 1, row + 1};
}

void TXLCell::SetRect(const Rect& rect)
{
    TXLSection& section = *GetSection();
    const int row = m_row->Index();
    // A program may ask for any size: the section's bounds cut it.
    const Rect wanted = Rect{m_col, row, ClampedSum(m_col, int64_t{rect.right} - rect.left),
                             ClampedSum(row, int64_t{rect.bottom} - rect.top)}
                            .Intersect(section.Bounds());
    TXLUnion* range = section.UnionOfCell(this);
    if (int64_t{wanted.Width()} * wanted.Height() > 1) {
        SetFlag(kFlagAnchor, true);
        if (range)
            range->SetRect(wanted);
        else
            section.AddUnion(wanted, this);
    } else {
        if (range)
            section.RemoveUnion(range);
        SetFlag(kFlagAnchor, false);
    }
}

std::string TXLCell::Hint() const
{
    return Holds(prHint) ? GetSection()->GetHint(this) : std::string();
}

void TXLCell::SetHint(std::string text)
{
    TXLSection& section = *GetSection();
    section.Sheet().FireSetCellHint(GetOrigin(), text);
    if (Styles() & CellStyleBit(csExtHint))
        return;
    if (!text.empty()) {
        section.SetHint(this, text);
        Changed(prHint, 0);
        return;
    }
    if (section.RemoveHint(this))
        Changed(prHint, 0);
    KeepOnlyProps(static_cast<TXLProps>(kAllProps & ~PropBit(prHint)));
}

void TXLCell::SaveValue(ByteWriter&) const {}

void TXLCell::LoadValue(ByteReader&) {}

Size TXLCell::Measure(TXLCanvas& canvas)
{
    const std::string text = GetDisplayText();
    if (text.empty())
        return {0, 0};
    TXLCanvasStateSaver saver(canvas);
    if (HasFontObject())
        canvas.SetFont(Font().Data());
    Rect extent{0, 0, 0, 0};
    canvas.DrawText(text, extent, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    return {extent.Width() + 2 * Indent() + 2, extent.Height() + 2};
}

} // namespace qv
