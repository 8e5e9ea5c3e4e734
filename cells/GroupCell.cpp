// Outline group cells: applying the flag to the sheet, and the bracket and button drawing.
#include "cells/GroupCell.h"

#include "cells/WriteNotify.h"
#include "platform/ByteStream.h"
#include "sheet/Manager.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"

#include <vector>

namespace qv {

const TXLCellClass& TXLCGroup::Class()
{
    static const TXLCellClass cls{"TXLCGroup", MakeCell<TXLCGroup>};
    return cls;
}

bool TXLCGroup::IsHorizontal() const
{
    const Rect r = GetRect();
    return r.Width() >= r.Height();
}

void TXLCGroup::Apply()
{
    TXLSection& section = *GetSection();
    TXLSheet& sheet = section.Sheet();
    const Rect r = GetRect();
    const bool visible = !m_collapsed;
    Rect strip;
    if (IsHorizontal()) {
        // The range below the left end holds the header of the columns; only those after it are governed.
        const Rect head = section.ExpandToUnions({r.left, r.bottom, r.left + 1, r.bottom + 1});
        for (int col = head.right; col < r.right; ++col)
            sheet.SetVisible(section.ToSheet(Point{col, 0}).x, axCols, visible);
        strip = {head.right, r.bottom, r.right, r.bottom + 1};
    } else {
        const Rect head = section.ExpandToUnions({r.right, r.top, r.right + 1, r.top + 1});
        for (int row = head.bottom; row < r.bottom; ++row)
            sheet.SetVisible(section.ToSheet(Point{0, row}).y, axRows, visible);
        strip = {r.right, head.bottom, r.right + 1, r.bottom};
    }
    if (!visible || strip.IsEmpty())
        return;
    // Nested groups lie strictly further right or down, so this recursion ends.
    std::vector<TXLCGroup*> nested;
    section.ForEachPosition(strip, [&](Point p) {
        if (auto* group = dynamic_cast<TXLCGroup*>(section.FindCell(p)))
            nested.push_back(group);
        return true;
    });
    for (TXLCGroup* group : nested)
        group->Apply();
}

void TXLCGroup::SetAsBoolean(bool collapsed)
{
    if (collapsed == m_collapsed) {
        if (WriteNotifies(*this))
            NotifyValue();
        return;
    }
    m_collapsed = collapsed;
    Apply();
    NotifyValue();
}

void TXLCGroup::SetValue(const Variant& value)
{
    SetAsBoolean(value.ToBoolean(XLManager().Desktop().GetLocale()));
}

void TXLCGroup::DblClick()
{
    SetAsBoolean(!m_collapsed);
}

void TXLCGroup::KeyPress(char32_t& key)
{
    if (key == U' ')
        DblClick();
}

void TXLCGroup::SaveValue(ByteWriter& writer) const
{
    writer.WriteInt32(m_collapsed ? 1 : 0);
}

void TXLCGroup::LoadValue(ByteReader& reader)
{
    SetAsBoolean(reader.ReadInt32("group flag") != 0);
}

Size TXLCGroup::Measure(TXLCanvas&)
{
    const int side = Sheet().RowDefHeight();
    return {side, side};
}

void TXLCGroup::DrawValue(const TXLDrawInfo& info, Rect& rect)
{
    const Rect cellRect = rect;
    TXLCell::DrawValue(info, rect);
    if (!info.Canvas || (Width() < 2 && Height() < 2))
        return;
    TXLCanvas& canvas = *info.Canvas;
    TXLCanvasStateSaver saver(canvas);
    canvas.SetBrush({clBlack, bsSolid});
    const bool horizontal = IsHorizontal();
    if (!m_collapsed && Format().empty()) {
        // A bar along the group and a stroke at its far end down (or across) to the edge.
        const Rect r = cellRect.Inflate(-3, -3);
        if (horizontal) {
            const int middle = (r.top + r.bottom) / 2;
            canvas.FillRect({r.left, middle - 1, r.right, middle + 1});
            canvas.FillRect({r.right - 2, middle - 1, r.right, r.bottom});
        } else {
            const int middle = (r.left + r.right) / 2;
            canvas.FillRect({middle - 1, r.top, middle + 1, r.bottom});
            canvas.FillRect({middle - 1, r.bottom - 2, r.right, r.bottom});
        }
    }
    Rect button = cellRect.Inflate(-1, -1);
    if (horizontal)
        button.right = button.left + button.Height();
    else
        button.bottom = button.top + button.Width();
    canvas.DrawEdge(button, m_collapsed ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE | BF_ADJUST);
    canvas.SetBrush({clBlack, bsClear});
    Rect label = button.Offset(1, -1);
    canvas.DrawText(m_collapsed ? "+" : "-", label, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace qv
