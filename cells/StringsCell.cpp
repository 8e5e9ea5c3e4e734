// List cells.
#include "cells/StringsCell.h"

#include "cells/WriteNotify.h"
#include "platform/ByteStream.h"
#include "platform/MaskFormat.h"
#include "platform/TextCodec.h"

namespace qv {

std::string TXLStringList::Text() const
{
    std::string text;
    for (size_t i = 0; i < Lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += Lines[i];
    }
    // A final empty line needs its own line break, since reading drops the final one: without it the line would
    // be lost at every save and load.
    if (!Lines.empty() && Lines.back().empty())
        text += "\r\n";
    return text;
}

void TXLStringList::SetText(std::string_view text)
{
    Lines.clear();
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            Lines.emplace_back(text.substr(start));
            break;
        }
        Lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

const TXLCellClass& TXLCStrings::Class()
{
    static const TXLCellClass cls{"TXLCStrings", MakeCell<TXLCStrings>};
    return cls;
}

std::string TXLCStrings::GetText()
{
    std::string line;
    if (m_itemIndex >= 0 && static_cast<size_t>(m_itemIndex) < m_list.Lines.size())
        line = m_list.Lines[static_cast<size_t>(m_itemIndex)];
    const std::string mask = GetFormatMask();
    return mask.empty() ? line : FormatMaskText(mask, line);
}

void TXLCStrings::SetAsInteger(int32_t value)
{
    if (value == m_itemIndex && !WriteNotifies(*this))
        return;
    m_itemIndex = value;
    NotifyValue();
}

void TXLCStrings::SetAsString(const std::string& text)
{
    if (text == m_list.Text() && !WriteNotifies(*this))
        return;
    m_list.SetText(text);
    NotifyValue();
}

void TXLCStrings::SetDataObject(TXLDataObject* object)
{
    const auto* list = dynamic_cast<const TXLStringList*>(object);
    if (!list)
        return;
    if (list != &m_list)
        m_list.Lines = list->Lines;
    NotifyValue();
}

void TXLCStrings::SaveValue(ByteWriter& writer) const
{
    TXLCString::SaveValue(writer);
    writer.WriteInt32(m_itemIndex);
    writer.WriteString(Utf8ToGbk(m_list.Text()));
}

void TXLCStrings::LoadValue(ByteReader& reader)
{
    TXLCString::LoadValue(reader);
    const int32_t itemIndex = reader.ReadInt32("list item index");
    const std::string lines = GbkToUtf8(reader.ReadString("list lines"));
    m_itemIndex = itemIndex;
    m_list.SetText(lines);
}

} // namespace qv
