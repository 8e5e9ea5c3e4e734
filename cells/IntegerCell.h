// Integer cells: a 32-bit signed value.
#pragma once

#include "cells/NumberCell.h"

namespace qv {

class TXLCInteger : public TXLCNumber {
public:
    static const TXLCellClass& Class();
    const TXLCellClass* GetCellClass() const override { return &Class(); }

    int32_t GetAsInteger() override { return m_value; }
    Variant GetValue() override { return Variant(m_value); }
    // Stores and notifies only when the value differs (or the cell's styles ask for every write).
    void SetAsInteger(int32_t value) override;
    // Numbers round to the nearest integer, halves to even; text must read as a number.
    void SetValue(const Variant& value) override;
    void SaveValue(ByteWriter& writer) const override;
    void LoadValue(ByteReader& reader) override;

private:
    int32_t m_value = 0;
};

} // namespace qv
