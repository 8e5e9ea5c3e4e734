// Rows: cells stored by column, renumbered when they move.
#include "sheet/Row.h"

namespace qv {

TXLCell& TXLRow::PutCell(int col, std::unique_ptr<TXLCell> cell)
{
    TXLCell& stored = *cell;
    stored.AttachTo(this, col);
    Put(col, std::move(cell));
    return stored;
}

void TXLRow::Clear()
{
    const int index = m_index;
    m_index = -1;
    TObjectSList<TXLCell>::Clear();
    m_index = index;
}

void TXLRow::ItemsMoved(int first, int last)
{
    for (int col = first; col <= last; ++col)
        if (TXLCell* cell = Get(col))
            cell->AttachTo(this, col);
}

} // namespace qv
