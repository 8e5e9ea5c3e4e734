// Date-time cells: days since 30 December 1899, the fraction being the time of day.
#pragma once

#include "sheet/Cell.h"

namespace qv {

class TXLCDateTime : public TXLCell {
public:
    static const TXLCellClass& Class();
    const TXLCellClass* GetCellClass() const override { return &Class(); }

    // FormatDateTimeText with the display format: 0 shows only through a zero section.
    std::string GetText() override;
    TXLOverflow Overflow() const override { return ovFillHashes; }
    TDateTime GetAsDateTime() override { return m_value; }
    Variant GetValue() override { return Variant::FromDateTime(m_value); }
    // Stores and notifies only when the value differs (or the cell's styles ask for every write).
    void SetAsDateTime(TDateTime value) override;
    // Text is tried as a date and time, a date, then a time; anything else (and text that is none of them)
    // converts as a number.
    void SetValue(const Variant& value) override;
    void SaveValue(ByteWriter& writer) const override;
    void LoadValue(ByteReader& reader) override;

private:
    TDateTime m_value = 0;
};

} // namespace qv
