// Picture cells.
#include "cells/PictureCell.h"

#include "cells/PlaceBox.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace qv {

namespace {

// Huge natural sizes at high zoom must not overflow.
int Scaled(int pixels, int scale)
{
    return static_cast<int>(std::min<int64_t>(INT_MAX, static_cast<int64_t>(pixels) * scale / 100));
}

bool IsIcon(const TXLGraphicData& graphic)
{
    return graphic.ClassName == "TIcon";
}

} // namespace

TXLCPicture::TXLCPicture() : m_picture(std::make_unique<TXLPicture>())
{
    m_picture->OnChange = [this] { NotifyValue(); };
}

const TXLCellClass& TXLCPicture::Class()
{
    static const TXLCellClass cls{"TXLCPicture", MakeCell<TXLCPicture>};
    return cls;
}

void TXLCPicture::SetDataObject(TXLDataObject* object)
{
    if (!object) {
        m_picture->Clear();
        return;
    }
    if (const auto* picture = dynamic_cast<const TXLPicture*>(object))
        m_picture->Assign(*picture);
}

void TXLCPicture::DrawValue(const TXLDrawInfo& info, Rect& rect)
{
    const TXLGraphicData* graphic = m_picture->Graphic();
    if (!graphic || graphic->IsEmpty() || !info.Canvas)
        return;
    const Size size{Scaled(graphic->Width, info.Scale), Scaled(graphic->Height, info.Scale)};
    const TXLBoxMode mode = IsIcon(*graphic) ? bmNatural : BoxModeOf(info.Layout.WrapMode);
    info.Canvas->StretchDraw(PlaceBox(rect, size, info.Layout, mode), *graphic);
}

Size TXLCPicture::Measure(TXLCanvas&)
{
    const TXLGraphicData* graphic = m_picture->Graphic();
    if (!graphic || WrapMode() != wmClip)
        return {0, 0};
    return {ClampedSum(graphic->Width, Indent()), graphic->Height};
}

void TXLCPicture::SaveValue(ByteWriter& writer) const
{
    m_picture->WriteBlock(writer);
}

void TXLCPicture::LoadValue(ByteReader& reader)
{
    m_picture->ReadBlock(reader);
}

} // namespace qv
