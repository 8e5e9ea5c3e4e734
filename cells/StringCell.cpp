// Text cells: the text, shown as it is or through the display format used as an edit mask.
#include "cells/StringCell.h"

#include "cells/WriteNotify.h"
#include "platform/ByteStream.h"
#include "platform/MaskFormat.h"
#include "platform/TextCodec.h"
#include "sheet/Manager.h"

namespace qv {

const TXLCellClass& TXLCString::Class()
{
    static const TXLCellClass cls{"TXLCString", MakeCell<TXLCString>};
    return cls;
}

std::string TXLCString::GetText()
{
    const std::string mask = GetFormatMask();
    return mask.empty() ? m_text : FormatMaskText(mask, m_text);
}

void TXLCString::SetAsString(const std::string& text)
{
    if (text == m_text && !WriteNotifies(*this))
        return;
    m_text = text;
    NotifyValue();
}

void TXLCString::SetValue(const Variant& value)
{
    SetAsString(value.ToString(XLManager().Desktop().GetLocale()));
}

void TXLCString::SaveValue(ByteWriter& writer) const
{
    writer.WriteString(Utf8ToGbk(m_text));
}

void TXLCString::LoadValue(ByteReader& reader)
{
    m_text = GbkToUtf8(reader.ReadString("text"));
}

} // namespace qv
