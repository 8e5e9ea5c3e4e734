// The stream record of a cell: property data, hint, style index and value part.
#include "platform/ByteStream.h"
#include "platform/TextCodec.h"
#include "sheet/Cell.h"
#include "sheet/Style.h"

namespace qv {

void TXLCell::SaveProps(ByteWriter& writer) const
{
    // A cell without a style writes no based-on group, so the style index follows exactly when the bit is set.
    const TXLProps props = m_style ? Props() : static_cast<TXLProps>(Props() & ~PropBit(prBasedOn));
    SavePropertyData(writer, TXLRecordClass::Omitted, props);
    if (props & PropBit(prHint))
        writer.WriteString(Utf8ToGbk(Hint()));
    if (props & PropBit(prBasedOn))
        writer.WriteInt32(m_style->Index());
    SaveValue(writer);
}

void TXLCell::LoadProps(ByteReader& reader)
{
    const TXLProps props = LoadPropertyData(reader, TXLRecordClass::Omitted, TXLReport::Silent);
    SetPropsRaw(props);
    if (props & PropBit(prHint))
        SetHint(GbkToUtf8(reader.ReadString("hint")));
    if (props & PropBit(prBasedOn))
        m_loadedStyle = reader.ReadInt32("style index");
    LoadValue(reader);
    SetPropsRaw(props);
}

void TXLCell::BindLoadedStyle(TXLStyler* styler)
{
    if (!Holds(prBasedOn))
        return;
    TXLStyle* style = styler ? styler->Styles(m_loadedStyle) : nullptr;
    m_loadedStyle = -1;
    if (style) {
        SetBasedOn(style);
        return;
    }
    m_style = nullptr;
    SetPropsRaw(static_cast<TXLProps>(Props() & ~PropBit(prBasedOn)));
}

} // namespace qv
