// Date-time cells.
#include "cells/DateTimeCell.h"

#include "cells/NumberText.h"
#include "cells/WriteNotify.h"
#include "platform/ByteStream.h"
#include "platform/DateParse.h"
#include "sheet/Manager.h"

namespace qv {

const TXLCellClass& TXLCDateTime::Class()
{
    static const TXLCellClass cls{"TXLCDateTime", MakeCell<TXLCDateTime>};
    return cls;
}

std::string TXLCDateTime::GetText()
{
    return FormatDateTimeText(GetFormatMask(), m_value);
}

void TXLCDateTime::SetAsDateTime(TDateTime value)
{
    if (value == m_value && !WriteNotifies(*this))
        return;
    m_value = value;
    NotifyValue();
}

void TXLCDateTime::SetValue(const Variant& value)
{
    const Locale& locale = XLManager().Desktop().GetLocale();
    if (value.Kind() == VarKind::String) {
        using Reader = std::optional<TDateTime> (*)(std::string_view, const Locale&);
        for (Reader read : {&TryStrToDateTime, &TryStrToDate, &TryStrToTime})
            if (const auto parsed = read(value.AsString(), locale)) {
                SetAsDateTime(*parsed);
                return;
            }
    }
    // Raises the number conversion's error for text that is no date either.
    SetAsDateTime(value.ToDouble(locale));
}

void TXLCDateTime::SaveValue(ByteWriter& writer) const
{
    writer.WriteDouble(m_value);
}

void TXLCDateTime::LoadValue(ByteReader& reader)
{
    m_value = reader.ReadDouble("date-time value");
}

} // namespace qv
