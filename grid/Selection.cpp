// The selection proxy: a pane's section and selected rectangle, and the grid told of changes made through it.
#include "grid/Selection.h"

#include "grid/Pane.h"

namespace qv {

TXLSection* TXLSelection::GetSection() const
{
    return m_pane.Section();
}

Rect TXLSelection::GetRect() const
{
    return m_pane.Selection();
}

void TXLSelection::SetRect(const Rect& rect)
{
    m_pane.Select(rect, m_pane.Current());
}

TXLStyle* TXLSelection::GetBasedOn() const
{
    return GetSection() ? TXLProRange::GetBasedOn() : nullptr;
}

void TXLSelection::SetBasedOn(TXLStyle* style)
{
    if (GetSection())
        TXLProRange::SetBasedOn(style);
}

const TXLCellClass* TXLSelection::GetCellClass() const
{
    return GetSection() ? TXLProRange::GetCellClass() : nullptr;
}

void TXLSelection::SetCellClass(const TXLCellClass* cls)
{
    if (GetSection())
        TXLProRange::SetCellClass(cls);
}

Variant TXLSelection::GetValue()
{
    return GetSection() ? TXLProRange::GetValue() : Variant();
}

void TXLSelection::SetValue(const Variant& value)
{
    if (GetSection())
        TXLProRange::SetValue(value);
}

int32_t TXLSelection::GetAttr(int slot, bool& uniform) const
{
    uniform = true;
    return GetSection() ? TXLProRange::GetAttr(slot, uniform) : 0;
}

void TXLSelection::SetAttr(int slot, int32_t value)
{
    if (GetSection())
        TXLProRange::SetAttr(slot, value);
}

namespace {

// Holds the proxy busy for a scope.
class BusyScope {
public:
    explicit BusyScope(int& depth) : m_depth(depth) { ++m_depth; }
    ~BusyScope() { --m_depth; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    int& m_depth;
};

} // namespace

void TXLSelection::Changed(TXLProp group, int members)
{
    if (!GetSection() || HasFlag(kFlagSuppress))
        return;
    {
        const BusyScope busy(m_busy);
        TXLProRange::Changed(group, members);
    }
    if (m_pane.IsCurrentView())
        m_pane.Owner().SelectedCellsChanged();
}

bool TXLSelection::Merge(bool across)
{
    if (!GetSection())
        return false;
    bool merged = false;
    {
        const BusyScope busy(m_busy);
        merged = TXLProRange::Merge(across);
    }
    m_pane.SelectedCellsRewritten();
    return merged;
}

bool TXLSelection::ClearRange(int what)
{
    if (!GetSection())
        return false;
    bool cleared = false;
    {
        const BusyScope busy(m_busy);
        cleared = TXLProRange::ClearRange(what);
    }
    m_pane.SelectedCellsRewritten();
    return cleared;
}

void TXLSelection::TakeOver(TXLPersistent& source)
{
    const BusyScope busy(m_busy);
    TakeOwnFields(source);
}

} // namespace qv
