// Base styles, named styles and stylers: holding formatting and pushing its changes to the cells.
#include "sheet/Style.h"

#include "platform/ByteStream.h"
#include "platform/TextCodec.h"
#include "sheet/GridError.h"
#include "sheet/Manager.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"

#include <algorithm>

namespace qv {

namespace {

std::vector<TXLSector> SectorsOf(bool client)
{
    if (client)
        return {sClient};
    return {sCols, sRows, sTitle};
}

} // namespace

TXLProStyle::TXLProStyle()
{
    SetFlag(kFlagForce, true);
    TXLManager& manager = XLManager();
    m_cellClass = manager.CellClasses(0);
    if (const auto* formats = manager.CellFormats(m_cellClass); formats && !formats->empty())
        InitFormat(formats->front());
}

void TXLProStyle::SetCellClass(const TXLCellClass* cls)
{
    m_cellClass = cls;
    SetEditor(0);
    Changed(prControl, 0);
}

int32_t TXLProStyle::GetAttr(int slot, bool& uniform) const
{
    uniform = true;
    return slot >= 0 && slot < kSlotCount ? m_slots[slot] : 0;
}

void TXLProStyle::SetAttr(int slot, int32_t value)
{
    if (slot >= 0 && slot < kSlotCount)
        m_slots[slot] = value;
}

void TXLProStyle::SaveProps(ByteWriter& writer) const
{
    SavePropertyData(writer, TXLRecordClass::Included, Props());
    for (int32_t slot : m_slots)
        writer.WriteInt32(slot);
}

void TXLProStyle::LoadProps(ByteReader& reader)
{
    const TXLProps props = LoadPropertyData(reader, TXLRecordClass::Included, TXLReport::Notify);
    for (int slot = 0; slot < kSlotCount; ++slot)
        SetAttr(slot, reader.ReadInt32("style attribute"));
    SetPropsRaw(props);
}

TXLBaseStyle::TXLBaseStyle(TXLSheet& sheet, bool client) : m_sheet(sheet), m_client(client)
{
    SetProps(kAllProps);
    SetCellClass(XLManager().CellClasses(0));
    SetFlag(kFlagSuppress, true);
    if (client) {
        SetWrapMode(wmWrapWords);
        SetVertAlign(vaBottom);
        SetColor(clWindow);
        m_linesColor = clBtnFace;
    } else {
        SetVertAlign(vaCenter);
        SetHorzAlign(haCenter);
        SetFrame(frFlatUp);
        SetColor(clBtnFace);
        m_linesColor = clBlack;
    }
    Font();
}

void TXLBaseStyle::SetErrorColor(TColor color)
{
    if (color == m_errorColor)
        return;
    m_errorColor = color;
    InvalidateSectors();
}

void TXLBaseStyle::SetLinesColor(TColor color)
{
    if (color == m_linesColor)
        return;
    m_linesColor = color;
    InvalidateSectors();
}

std::string TXLBaseStyle::GetNamePath() const
{
    return m_sheet.Name + (m_client ? ".BaseClientStyle" : ".BaseTitleStyle");
}

void TXLBaseStyle::InvalidateSectors() const
{
    for (TXLSector sector : SectorsOf(m_client))
        m_sheet.InvalidateSector(sector);
}

void TXLBaseStyle::SetAttr(int slot, int32_t value)
{
    TXLProStyle::SetAttr(slot, value);
    const TXLLayerId layer = LayerOfSlot(slot);
    for (TXLSector sector : SectorsOf(m_client)) {
        if (layer >= kLayerBias1)
            m_sheet.Section(sector).SetLayerDefault(layer, value);
        m_sheet.InvalidateSector(sector);
    }
}

void TXLBaseStyle::Changed(TXLProp group, int members)
{
    m_sheet.SetModified(true);
    if (group == prColor || group == prBorder || group == prFrame)
        return;
    for (TXLSector sector : SectorsOf(m_client))
        m_sheet.Section(sector).InheritAll(nullptr, group, members);
}

void TXLBaseStyle::SaveProps(ByteWriter& writer) const
{
    TXLProStyle::SaveProps(writer);
    writer.WriteInt32(m_errorColor);
    writer.WriteInt32(m_linesColor);
}

void TXLBaseStyle::LoadProps(ByteReader& reader)
{
    TXLProStyle::LoadProps(reader);
    SetPropsRaw(kAllProps); // a base style holds every group whatever the record says
    SetErrorColor(reader.ReadInt32("error colour"));
    SetLinesColor(reader.ReadInt32("lines colour"));
}

int TXLStyle::Index() const
{
    return m_styler.IndexOf(this);
}

void TXLStyle::SetAlias(const std::string& alias)
{
    if (alias == m_alias)
        return;
    if (m_styler.FindStyle(alias))
        throw EXLGridError("Style named \"" + alias + "\" already exists!");
    m_alias = alias;
    m_styler.Changed();
}

std::string TXLStyle::GetNamePath() const
{
    return m_styler.Name + ".Styles[" + std::to_string(Index()) + "]";
}

void TXLStyle::Changed(TXLProp group, int members)
{
    TXLProStyle::Changed(group, members);
    for (int i = 0; i < m_styler.SheetCount(); ++i)
        for (TXLSector sector : {sCols, sRows, sTitle, sClient})
            m_styler.Sheets(i)->Section(sector).InheritAll(this, group, members);
    m_styler.Changed();
}

void TXLStyle::SaveProps(ByteWriter& writer) const
{
    TXLProStyle::SaveProps(writer);
    writer.WriteString(Utf8ToGbk(m_alias));
}

void TXLStyle::LoadProps(ByteReader& reader)
{
    TXLProStyle::LoadProps(reader);
    SetAlias(GbkToUtf8(reader.ReadString("style alias")));
}

TXLStyler::~TXLStyler()
{
    while (!m_sheets.empty())
        m_sheets.back()->SetStyler(nullptr);
    while (!m_styles.empty())
        DestroyStyle(m_styles.back().get());
}

TXLStyle& TXLStyler::AddStyle()
{
    m_styles.push_back(std::make_unique<TXLStyle>(*this));
    return *m_styles.back();
}

void TXLStyler::DestroyStyle(TXLStyle* style)
{
    const int index = IndexOf(style);
    if (index < 0)
        return;
    std::unique_ptr<TXLStyle> owned = std::move(m_styles[index]);
    m_styles.erase(m_styles.begin() + index);
    for (TXLSheet* sheet : m_sheets)
        for (TXLSector sector : {sCols, sRows, sTitle, sClient})
            sheet->Section(sector).ClearStyles(style);
    Changed();
}

TXLStyle* TXLStyler::Styles(int index) const
{
    return index >= 0 && index < StyleCount() ? m_styles[index].get() : nullptr;
}

int TXLStyler::IndexOf(const TXLStyle* style) const
{
    for (int i = 0; i < StyleCount(); ++i)
        if (m_styles[i].get() == style)
            return i;
    return -1;
}

TXLStyle* TXLStyler::FindStyle(const std::string& alias) const
{
    for (const auto& style : m_styles)
        if (style->Alias() == alias)
            return style.get();
    return nullptr;
}

void TXLStyler::Changed()
{
    if (OnChange)
        OnChange(*this);
    SetModified(true);
}

void TXLStyler::SetModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    if (OnModified)
        OnModified(*this);
}

void TXLStyler::WriteStyles(ByteWriter& writer)
{
    writer.WriteInt32(StyleCount());
    for (const auto& style : m_styles)
        style->SaveProps(writer);
    SetModified(false);
}

void TXLStyler::ReadStyles(ByteReader& reader)
{
    // Each style takes at least its props and twelve slots; a larger count is damage.
    const int count = reader.ReadCount("style count", static_cast<int32_t>(reader.Remaining() / 54));
    for (int i = 0; i < count; ++i)
        AddStyle().LoadProps(reader);
    SetModified(false);
}

void TXLStyler::DetachSheet(TXLSheet* sheet)
{
    m_sheets.erase(std::remove(m_sheets.begin(), m_sheets.end(), sheet), m_sheets.end());
}

} // namespace qv
