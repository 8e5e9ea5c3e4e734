// Merged ranges: a changed rectangle is placed and normalised by the section at once.
#include "sheet/Union.h"

#include "sheet/Section.h"
#include "sheet/Sheet.h"

namespace qv {

void TXLUnion::SetRect(const Rect& rect)
{
    if (rect == m_rect)
        return;
    m_section.Sheet().InvalidateCells(m_section.Sector(), m_rect, 0);
    m_section.Place(*this, rect);
}

} // namespace qv
