// Pictures held by cells: the graphic, its changes and its stream block.
#include "cells/Picture.h"

#include "platform/ByteStream.h"
#include "sheet/GridError.h"

namespace qv {

void TXLPicture::SetGraphic(std::string className, std::vector<uint8_t> bytes)
{
    if (className.empty() || className.size() > 255)
        throw EXLGridError("Invalid graphic class name \"" + className + "\"");
    TXLGraphicData graphic;
    graphic.ClassName = std::move(className);
    graphic.Bytes = std::move(bytes);
    const Size size = ImageNaturalSize(graphic.Bytes);
    graphic.Width = size.cx;
    graphic.Height = size.cy;
    m_graphic = std::move(graphic);
    Changed();
}

void TXLPicture::Clear()
{
    m_graphic.reset();
    Changed();
}

void TXLPicture::Assign(const TXLPicture& source)
{
    if (&source == this)
        return;
    m_graphic = source.m_graphic;
    Changed();
}

void TXLPicture::WriteBlock(ByteWriter& writer) const
{
    writer.WriteByte(m_graphic ? 1 : 0);
    if (m_graphic)
        WriteGraphic(writer, *m_graphic);
}

void TXLPicture::ReadBlock(ByteReader& reader)
{
    if (reader.ReadByte("picture flag") == 0) {
        m_graphic.reset();
        return;
    }
    m_graphic = ReadGraphic(reader);
}

void TXLPicture::Changed()
{
    if (OnChange)
        OnChange();
}

} // namespace qv
