// Default value behaviour: conversions through the variant and text drawing by layout.
#include "sheet/Value.h"

#include "sheet/Manager.h"

namespace qv {

double TXLValue::GetAsFloat()
{
    return GetValue().ToDouble(XLManager().Desktop().GetLocale());
}

TDateTime TXLValue::GetAsDateTime()
{
    return GetValue().ToDateTime(XLManager().Desktop().GetLocale());
}

int32_t TXLValue::GetAsInteger()
{
    return GetValue().ToInteger(XLManager().Desktop().GetLocale());
}

std::string TXLValue::GetAsString()
{
    return GetValue().ToString(XLManager().Desktop().GetLocale());
}

bool TXLValue::GetAsBoolean()
{
    return GetValue().ToBoolean(XLManager().Desktop().GetLocale());
}

Currency TXLValue::GetAsCurrency()
{
    return GetValue().ToCurrency(XLManager().Desktop().GetLocale());
}

std::string TXLValue::GetDisplayText()
{
    XLManager();
    return GetText();
}

void TXLValue::SetValue(const Variant&)
{
    NotifyValue();
}

std::string FitOrFillHashes(const TXLCanvas& canvas, const std::string& text, int width)
{
    if (canvas.TextExtent(text).cx <= width)
        return text;
    const int hashWidth = canvas.TextExtent("#").cx;
    return std::string(hashWidth > 0 && width > 0 ? std::size_t(width / hashWidth) : 0, '#');
}

void TXLValue::DrawValue(const TXLDrawInfo& info, Rect& rect)
{
    std::string text = GetDisplayText();
    if (text.empty() || !info.Canvas)
        return;
    if (Overflow() == ovFillHashes)
        text = FitOrFillHashes(*info.Canvas, text, rect.Width());
    if (text.empty())
        return;
    unsigned flags = DT_NOPREFIX | DT_NOCLIP | DT_EXPANDTABS;
    if (info.Layout.HorzAlign == haRight)
        flags |= DT_RIGHT;
    else if (info.Layout.HorzAlign == haCenter)
        flags |= DT_CENTER;
    if (info.Layout.WrapMode == wmEllipsis)
        flags |= DT_END_ELLIPSIS;
    else if (info.Layout.WrapMode == wmWrapWords)
        flags |= DT_WORDBREAK;
    if (info.Layout.VertAlign != vaTop) {
        Rect measure{rect.left, 0, rect.right, 65535};
        const int height = info.Canvas->DrawText(text, measure, flags | DT_CALCRECT);
        rect.top = info.Layout.VertAlign == vaCenter ? (rect.top + rect.bottom - height) / 2 : rect.bottom - height;
    }
    info.Canvas->DrawText(text, rect, flags);
}

void TXLValue::AssignGroup(TXLPersistent& source, TXLProp group, int members)
{
    auto* value = dynamic_cast<TXLValue*>(&source);
    if (group != prValue || !value) {
        TXLPersistent::AssignGroup(source, group, members);
        return;
    }
    SetValue(value->GetValue());
    if (GetCellClass() == source.GetCellClass())
        SetDataObject(value->GetDataObject());
}

} // namespace qv
