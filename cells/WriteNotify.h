// The rule every typed setter of a value class follows before storing a value.
#pragma once

#include "sheet/Persistent.h"

namespace qv {

// True when the cell's styles ask that every write notify, even of the value it already holds.
inline bool WriteNotifies(const TXLPersistent& cell)
{
    return (cell.Styles() & CellStyleBit(csWriteNotify)) != 0;
}

} // namespace qv
