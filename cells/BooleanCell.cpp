// Boolean cells and the flat check box they draw.
#include "cells/BooleanCell.h"

#include "cells/PlaceBox.h"
#include "cells/WriteNotify.h"
#include "platform/ByteStream.h"
#include "sheet/Manager.h"

#include <iterator>

namespace qv {

namespace {

constexpr int kCheckBoxSide = 13; // pixels at scale 100

// The check mark of the 13-pixel box: columns 3 to 9, each 3 pixels tall from these rows.
constexpr int kMarkFirstColumn = 3;
constexpr int kMarkTops[] = {5, 6, 7, 6, 5, 4, 3};
constexpr int kMarkHeight = 3;

void Fill(TXLCanvas& canvas, const Rect& rect, TColor color)
{
    canvas.SetBrush({color, bsSolid});
    canvas.FillRect(rect);
}

} // namespace

void DrawFlatCheckBox(TXLCanvas& canvas, const Rect& box, bool checked)
{
    if (box.IsEmpty())
        return;
    TXLCanvasStateSaver saver(canvas);
    Fill(canvas, box, clBtnShadow);
    Fill(canvas, box.Inflate(-1, -1), clWindow);
    if (!checked)
        return;
    // Design coordinates scale with the box, so the mark keeps its shape at every zoom.
    const auto at = [&](int design, int origin, int side) { return origin + design * side / kCheckBoxSide; };
    for (int i = 0; i < static_cast<int>(std::size(kMarkTops)); ++i) {
        const int x = kMarkFirstColumn + i;
        const Rect segment{at(x, box.left, box.Width()), at(kMarkTops[i], box.top, box.Height()),
                           at(x + 1, box.left, box.Width()), at(kMarkTops[i] + kMarkHeight, box.top, box.Height())};
        Fill(canvas, segment, clWindowText);
    }
}

const TXLCellClass& TXLCBoolean::Class()
{
    static const TXLCellClass cls{"TXLCBoolean", MakeCell<TXLCBoolean>};
    return cls;
}

std::string TXLCBoolean::GetText()
{
    const std::string mask = GetFormatMask();
    const size_t semicolon = mask.find(';');
    if (m_value)
        return mask.substr(0, semicolon);
    return semicolon == std::string::npos ? std::string() : mask.substr(semicolon + 1);
}

void TXLCBoolean::DrawValue(const TXLDrawInfo& info, Rect& rect)
{
    if (!Format().empty()) {
        TXLCell::DrawValue(info, rect);
        return;
    }
    if (!info.Canvas)
        return;
    const int side = info.Scale * kCheckBoxSide / 100;
    DrawFlatCheckBox(*info.Canvas, PlaceBox(rect, {side, side}, info.Layout, bmNatural), m_value);
}

void TXLCBoolean::SetAsBoolean(bool value)
{
    if (value == m_value && !WriteNotifies(*this))
        return;
    m_value = value;
    NotifyValue();
}

void TXLCBoolean::SetValue(const Variant& value)
{
    SetAsBoolean(value.ToBoolean(XLManager().Desktop().GetLocale()));
}

void TXLCBoolean::DblClick()
{
    SetAsBoolean(!m_value);
}

void TXLCBoolean::KeyPress(char32_t& key)
{
    if (key != U' ')
        return;
    DblClick();
    key = 0;
}

void TXLCBoolean::SaveValue(ByteWriter& writer) const
{
    writer.WriteInt32(m_value ? 1 : 0);
}

void TXLCBoolean::LoadValue(ByteReader& reader)
{
    m_value = reader.ReadInt32("Boolean value") != 0;
}

} // namespace qv
