// Range proxies: origin-cell properties, layer-wide attributes and changes spread over the rectangle.
#include "sheet/ProRange.h"

#include "sheet/Section.h"
#include "sheet/Sheet.h"

namespace qv {

TXLProRange::TXLProRange()
{
    SetFlag(kFlagForce, true);
}

TXLStyle* TXLProRange::GetBasedOn() const
{
    const TXLCell* cell = GetSection()->FindCell(GetOrigin());
    return cell ? cell->GetBasedOn() : nullptr;
}

void TXLProRange::SetBasedOn(TXLStyle* style)
{
    GetSection()->GetCell(GetOrigin()).SetBasedOn(style);
    Changed(prBasedOn, 0);
}

const TXLCellClass* TXLProRange::GetCellClass() const
{
    return GetSection()->GetCellClass(GetOrigin());
}

void TXLProRange::SetCellClass(const TXLCellClass* cls)
{
    GetSection()->ReplaceCell(GetOrigin(), cls);
    Changed(prControl, kControlClass);
}

void TXLProRange::SetAttr(int slot, int32_t value)
{
    if (!HasFlag(kFlagSuppress))
        TXLProCell::SetAttr(slot, value);
}

Variant TXLProRange::GetValue()
{
    const TXLCell* cell = GetSection()->FindCell(GetOrigin());
    return cell ? const_cast<TXLCell*>(cell)->GetValue() : Variant();
}

void TXLProRange::SetValue(const Variant& value)
{
    GetSection()->GetCell(GetOrigin()).SetValue(value);
    Changed(prValue, 0);
}

void TXLProRange::ForEachAnchorCell(const std::function<void(TXLCell&)>& fn)
{
    GetSection()->ForEachCell(GetRect(), TXLCellWalk::Create, [&](TXLCell& cell) {
        fn(cell);
        return true;
    });
}

void TXLProRange::Changed(TXLProp group, int members)
{
    if (HasFlag(kFlagSuppress))
        return;
    TXLSection& section = *GetSection();
    section.Sheet().InvalidateCells(section.Sector(), GetRect(), 0);
    switch (group) {
    case prControl:
        if (members == 0 || (members & kControlClass)) {
            const TXLCellClass* cls = GetCellClass();
            section.ForEachPosition(GetRect(), [&](Point p) {
                section.SetCellClass(p, cls);
                return true;
            });
        }
        break;
    case prFont:
        members = TXLFont::DifferentMembers(Font().Data(), m_fontCopy);
        break;
    case prHint:
        section.ForEachCell(GetRect(), TXLCellWalk::Existing, [](TXLCell& cell) {
            cell.SetHint("");
            return true;
        });
        return;
    default:
        return; // attributes are in the layers already; style and value act on the origin cell
    }
    ForEachAnchorCell([&](TXLCell& cell) {
        cell.RequestRepaint();
        cell.AssignGroup(*this, group, members);
    });
    if (group == prFont)
        m_fontCopy = Font().Data();
}

void TXLProRange::TakeOwnFields(TXLPersistent& source)
{
    TXLPersistent* fontSource = source.GetProvider(prFont);
    Font().AssignSilently((fontSource ? *fontSource : source).Font().Data());
    m_fontCopy = Font().Data();
    const bool suppressed = HasFlag(kFlagSuppress);
    SetFlag(kFlagSuppress, true);
    ShareFormat(source);
    SetEditor(source.Editor());
    SetFlag(kFlagSuppress, suppressed);
}

bool TXLProRange::Merge(bool across)
{
    TXLSection& section = *GetSection();
    const Rect r = GetRect();
    if (across) {
        for (int row = r.top; row < r.bottom; ++row)
            section.Merge({r.left, row, r.right, row + 1});
        return true;
    }
    if ((r.Width() == 1 && r.Height() == 1) || section.IsUnionRect(r))
        return false;
    section.Merge(r);
    return true;
}

bool TXLProRange::ClearRange(int what)
{
    TXLSection& section = *GetSection();
    if (what & 1)
        section.FreeCellsIn(GetRect());
    if (what & 2) {
        SetColor(clNone);
        for (TXLSide side : {sLeft, sTop, sRight, sBottom, sBias1, sBias2, sHInside, sVInside})
            SetSide(side, {});
    }
    if ((what & 4) && !(what & 1))
        section.ForEachCell(GetRect(), TXLCellWalk::Existing, [](TXLCell& cell) {
            cell.SetHint("");
            return true;
        });
    return what != 0;
}

} // namespace qv
