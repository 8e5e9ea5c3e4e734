// Integer cells.
#include "cells/IntegerCell.h"

#include "cells/WriteNotify.h"
#include "platform/ByteStream.h"
#include "sheet/Manager.h"

namespace qv {

const TXLCellClass& TXLCInteger::Class()
{
    static const TXLCellClass cls{"TXLCInteger", MakeCell<TXLCInteger>};
    return cls;
}

void TXLCInteger::SetAsInteger(int32_t value)
{
    if (value == m_value && !WriteNotifies(*this))
        return;
    m_value = value;
    NotifyValue();
}

void TXLCInteger::SetValue(const Variant& value)
{
    SetAsInteger(value.ToInteger(XLManager().Desktop().GetLocale()));
}

void TXLCInteger::SaveValue(ByteWriter& writer) const
{
    writer.WriteInt32(m_value);
}

void TXLCInteger::LoadValue(ByteReader& reader)
{
    m_value = reader.ReadInt32("integer value");
}

} // namespace qv
