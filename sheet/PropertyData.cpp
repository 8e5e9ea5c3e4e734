// The property record that starts every style and cell record of the sheet stream.
#include "platform/ByteStream.h"
#include "platform/TextCodec.h"
#include "sheet/Manager.h"
#include "sheet/Persistent.h"

namespace qv {

void TXLPersistent::SavePropertyData(ByteWriter& writer, TXLRecordClass withClass, TXLProps props) const
{
    writer.WriteInt16(static_cast<int16_t>(props));
    if (props & PropBit(prFont)) {
        const TXLFontData font = m_font ? m_font->Data() : TXLFontData{};
        writer.WriteString(Utf8ToGbk(font.Name));
        writer.WriteInt32(font.Charset);
        writer.WriteInt32(static_cast<int32_t>(font.Style));
        writer.WriteInt32(font.Height);
        writer.WriteInt32(font.Color);
    }
    if (!(props & PropBit(prControl)))
        return;
    const TXLCellClass* cls = GetCellClass();
    if (withClass == TXLRecordClass::Included)
        writer.WriteInt32(CellClassID(cls));
    writer.WriteInt32(m_editor);
    TXLManager& manager = XLManager();
    const int index = manager.PresetIndex(cls, m_format);
    writer.WriteInt32(index);
    if (index < 0)
        writer.WriteString(manager.Formats().Gbk(m_format));
}

TXLProps TXLPersistent::LoadPropertyData(ByteReader& reader, TXLRecordClass withClass, TXLReport report)
{
    const TXLProps props =
        static_cast<TXLProps>(static_cast<uint16_t>(reader.ReadInt16("property groups")) & kAllProps);
    if (props & PropBit(prFont)) {
        TXLFontData font;
        font.Name = GbkToUtf8(reader.ReadString("font name"));
        font.Charset = reader.ReadInt32("font charset");
        font.Style = static_cast<TFontStyles>(reader.ReadInt32("font style")) & 0xF;
        font.Height = reader.ReadInt32("font height");
        font.Color = reader.ReadInt32("font colour");
        Font().Assign(font);
    }
    if (!(props & PropBit(prControl)))
        return props;
    if (withClass == TXLRecordClass::Included) {
        const int32_t id = reader.ReadInt32("style cell class");
        if (const TXLCellClass* cls = XLManager().CellClassByID(id))
            SetCellClass(cls);
    }
    const int32_t editor = reader.ReadInt32("editor");
    const size_t at = reader.Offset();
    const int32_t index = reader.ReadInt32("format index");
    TXLManager& manager = XLManager();
    const std::string* format = nullptr;
    if (index < 0) {
        format = manager.Formats().InternGbk(reader.ReadString("format"));
    } else {
        const auto* presets = manager.CellFormats(GetCellClass());
        if (!presets || index >= static_cast<int32_t>(presets->size()))
            throw EReadError("format index " + std::to_string(index) + " beyond the class's presets", at);
        format = manager.Formats().Intern((*presets)[index]);
    }
    if (report == TXLReport::Silent) {
        m_editor = ValidEditor(editor);
        m_format = format;
    } else {
        SetEditor(editor);
        SetInternedFormat(format);
    }
    return props;
}

} // namespace qv
