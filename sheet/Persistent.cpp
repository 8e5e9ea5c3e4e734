// Property groups: setters, inheritance from providers and group copying.
#include "sheet/Persistent.h"

#include "platform/AsciiText.h"
#include "sheet/Manager.h"
#include "sheet/Style.h"

namespace qv {

namespace {

constexpr TXLSide kAllSides[] = {sLeft, sTop, sRight, sBottom, sBias1, sBias2, sHInside, sVInside};

} // namespace

TXLPersistent::TXLPersistent() : m_format(XLManager().Formats().Empty()) {}

void TXLPersistent::InitFormat(const std::string& format)
{
    m_format = XLManager().Formats().Intern(format);
}

void TXLPersistent::SetProps(TXLProps props)
{
    const TXLProps changed = static_cast<TXLProps>(m_props ^ props);
    m_props = props;
    for (int group = 0; group < kPropCount; ++group)
        if (changed & (1u << group))
            Inherit(static_cast<TXLProp>(group), 0);
}

TXLLayout TXLPersistent::Layout() const
{
    return UnpackLayout(Attr(kSlotLayout));
}

void TXLPersistent::WriteLayoutMember(const TXLLayout& layout, int member)
{
    WriteAttr(kSlotLayout, PackLayout(layout), prLayout, member);
}

void TXLPersistent::SetHorzAlign(TXLHorzAlign value)
{
    TXLLayout l = Layout();
    l.HorzAlign = value;
    WriteLayoutMember(l, kLayoutHorz);
}

void TXLPersistent::SetVertAlign(TXLVertAlign value)
{
    TXLLayout l = Layout();
    l.VertAlign = value;
    WriteLayoutMember(l, kLayoutVert);
}

void TXLPersistent::SetIndent(int value)
{
    TXLLayout l = Layout();
    l.Indent = value;
    WriteLayoutMember(l, kLayoutIndent);
}

void TXLPersistent::SetWrapMode(TXLWrapMode value)
{
    TXLLayout l = Layout();
    l.WrapMode = value;
    WriteLayoutMember(l, kLayoutWrap);
}

void TXLPersistent::WriteAttr(int slot, int32_t value, TXLProp group, int members)
{
    if (Attr(slot) == value && !HasFlag(kFlagForce))
        return;
    SetAttr(slot, value);
    Changed(group, members);
}

TXLSides TXLPersistent::Sides() const
{
    TXLSides sides = 0;
    for (TXLSide side : kAllSides) {
        bool uniform = true;
        if (GetAttr(side, uniform) != 0 && uniform)
            sides |= SideBit(side);
    }
    return sides;
}

void TXLPersistent::SetSides(TXLSides sides)
{
    const TXLSides current = Sides();
    for (TXLSide side : kAllSides) {
        const bool want = (sides & SideBit(side)) != 0;
        if (want && !(current & SideBit(side)))
            SetSide(side, {1, clBlack});
        else if (!want && (current & SideBit(side)))
            SetSide(side, {});
    }
}

void TXLPersistent::SetSide(TXLSide side, TXLLine line)
{
    SetAttr(side, PackLine(line));
    Changed(prBorder, 0);
}

int TXLPersistent::ValidEditor(int editor) const
{
    // 0 is every class's first editor or no editor at all: most cells need no lookup.
    return editor <= 0 || editor >= XLManager().EditorCount(GetCellClass()) ? 0 : editor;
}

void TXLPersistent::SetEditor(int editor)
{
    editor = ValidEditor(editor);
    if (editor == m_editor && !HasFlag(kFlagForce))
        return;
    m_editor = editor;
    Changed(prControl, kControlEditor);
}

void TXLPersistent::SetFormat(const std::string& format)
{
    if (format == Format() && !HasFlag(kFlagForce))
        return;
    SetInternedFormat(XLManager().Formats().Intern(format));
}

void TXLPersistent::SetInternedFormat(const std::string* format)
{
    if (format == m_format && !HasFlag(kFlagForce))
        return;
    m_format = format;
    Changed(prControl, kControlFormat);
}

const std::string& TXLPersistent::Format() const
{
    XLManager(); // raises once the table holding the text is gone
    return *m_format;
}

std::string TXLPersistent::GetFormatMask() const
{
    const std::string& format = Format();
    return format.substr(0, format.find('|'));
}

std::string TXLPersistent::GetFormatKind() const
{
    const std::string& format = Format();
    const size_t bar = format.find('|');
    if (bar == std::string::npos)
        return {};
    return ToLowerAscii(format.substr(bar + 1));
}

TXLFont& TXLPersistent::Font()
{
    if (!m_font) {
        m_font = std::make_unique<TXLFont>([this] { FontChanged(); });
        TXLPersistent* provider = GetProvider(prFont);
        if (provider && provider != this)
            m_font->AssignSilently(provider->Font().Data());
    }
    return *m_font;
}

void TXLPersistent::Assign(TXLPersistent& source)
{
    m_props = 0;
    for (int group = 0; group < kPropCount; ++group)
        AssignGroup(source, static_cast<TXLProp>(group), 0);
}

void TXLPersistent::Inherit(TXLProp group, int members)
{
    TXLPersistent* provider = GetProvider(group);
    if (!provider || provider == this)
        return;
    const bool suppressed = HasFlag(kFlagSuppress);
    SetFlag(kFlagSuppress, true);
    AssignGroup(*provider, group, members);
    SetFlag(kFlagSuppress, suppressed);
}

void TXLPersistent::Changed(TXLProp group, int)
{
    if (!HasFlag(kFlagSuppress))
        m_props |= PropBit(group);
}

TXLPersistent* TXLPersistent::GetProvider(TXLProp group)
{
    if (Holds(group))
        return this;
    for (TXLPersistent* p = GetBasedOn(); p; p = p->GetBasedOn())
        if (p->Holds(group))
            return p;
    return nullptr;
}

void TXLPersistent::AssignGroup(TXLPersistent& source, TXLProp group, int members)
{
    switch (group) {
    case prBasedOn:
        SetBasedOn(source.GetBasedOn());
        break;
    case prControl:
        AssignControl(source, members);
        break;
    case prLayout:
        AssignLayout(source, members);
        break;
    case prColor:
        SetColor(source.Color());
        break;
    case prFont:
        AssignFont(source, members);
        break;
    case prBorder:
        AssignBorder(source);
        break;
    case prFrame:
        SetFrame(source.Frame());
        break;
    case prStyles:
        SetStyles(source.Styles());
        break;
    case prValue:
    case prHint:
        break; // value holders copy these themselves
    }
}

void TXLPersistent::AssignControl(TXLPersistent& source, int members)
{
    if (members == 0 || (members & kControlClass))
        SetCellClass(source.GetCellClass());
    if (GetCellClass() != source.GetCellClass())
        return;
    if (members == 0 || (members & kControlEditor))
        SetEditor(source.Editor());
    if (members == 0 || (members & kControlFormat))
        SetFormat(source.Format());
}

void TXLPersistent::AssignLayout(TXLPersistent& source, int members)
{
    if (members == 0) {
        WriteAttr(kSlotLayout, PackLayout(source.Layout()), prLayout, 0);
        return;
    }
    TXLLayout l = Layout();
    const TXLLayout s = source.Layout();
    if (members & kLayoutHorz)
        l.HorzAlign = s.HorzAlign;
    if (members & kLayoutVert)
        l.VertAlign = s.VertAlign;
    if (members & kLayoutIndent)
        l.Indent = s.Indent;
    if (members & kLayoutWrap)
        l.WrapMode = s.WrapMode;
    WriteLayoutMember(l, members);
}

void TXLPersistent::AssignFont(TXLPersistent& source, int members)
{
    if (members == 0) {
        Font().Assign(source.Font().Data());
        return;
    }
    TXLFontData spec = Font().Data();
    TXLFont::CopyMembers(spec, source.Font().Data(), members);
    Font().Assign(spec);
}

void TXLPersistent::AssignBorder(TXLPersistent& source)
{
    if (!source.IsStyle())
        return;
    const TXLSides sides = source.Sides();
    for (TXLSide side : kAllSides)
        if (sides & SideBit(side))
            SetSide(side, source.Side(side));
}

} // namespace qv
