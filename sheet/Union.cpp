// Merged ranges: a changed rectangle is normalised at once.
#include "sheet/Union.h"

#include "sheet/Section.h"
#include "sheet/Sheet.h"

namespace qv {

void TXLUnion::SetRect(const Rect& rect)
{
    if (rect == m_rect)
        return;
    m_section.Sheet().InvalidateCells(m_section.Sector(), m_rect, 0);
    m_rect = rect;
    m_section.Normalise(*this);
}

} // namespace qv
