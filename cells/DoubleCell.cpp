// Double cells.
#include "cells/DoubleCell.h"

#include "cells/WriteNotify.h"
#include "platform/ByteStream.h"
#include "sheet/Manager.h"

namespace qv {

const TXLCellClass& TXLCDouble::Class()
{
    static const TXLCellClass cls{"TXLCDouble", MakeCell<TXLCDouble>};
    return cls;
}

void TXLCDouble::SetAsFloat(double value)
{
    if (value == m_value && !WriteNotifies(*this))
        return;
    m_value = value;
    NotifyValue();
}

void TXLCDouble::SetValue(const Variant& value)
{
    SetAsFloat(value.ToDouble(XLManager().Desktop().GetLocale()));
}

void TXLCDouble::SaveValue(ByteWriter& writer) const
{
    writer.WriteDouble(m_value);
}

void TXLCDouble::LoadValue(ByteReader& reader)
{
    m_value = reader.ReadDouble("double value");
}

} // namespace qv
