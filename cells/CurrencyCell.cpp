// Currency cells.
#include "cells/CurrencyCell.h"

#include "cells/WriteNotify.h"
#include "platform/ByteStream.h"
#include "sheet/Manager.h"

namespace qv {

const TXLCellClass& TXLCCurrency::Class()
{
    static const TXLCellClass cls{"TXLCCurrency", MakeCell<TXLCCurrency>};
    return cls;
}

void TXLCCurrency::SetAsCurrency(Currency value)
{
    if (value == m_value && !WriteNotifies(*this))
        return;
    m_value = value;
    NotifyValue();
}

void TXLCCurrency::SetValue(const Variant& value)
{
    SetAsCurrency(value.ToCurrency(XLManager().Desktop().GetLocale()));
}

void TXLCCurrency::SaveValue(ByteWriter& writer) const
{
    writer.WriteInt64(m_value.Raw());
}

void TXLCCurrency::LoadValue(ByteReader& reader)
{
    m_value = Currency::FromRaw(reader.ReadInt64("currency value"));
}

} // namespace qv
