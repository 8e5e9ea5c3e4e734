// Currency cells: an exact amount in 1/10 000.
#pragma once

#include "cells/NumberCell.h"

namespace qv {

class TXLCCurrency : public TXLCNumber {
public:
    static const TXLCellClass& Class();
    const TXLCellClass* GetCellClass() const override { return &Class(); }

    Currency GetAsCurrency() override { return m_value; }
    Variant GetValue() override { return Variant(m_value); }
    // Stores and notifies only when the amount differs (or the cell's styles ask for every write).
    void SetAsCurrency(Currency value) override;
    // Rounded to 1/10 000, halves to even; text is read as an exact decimal.
    void SetValue(const Variant& value) override;
    // The amount x 10 000 as a 64-bit integer.
    void SaveValue(ByteWriter& writer) const override;
    void LoadValue(ByteReader& reader) override;

private:
    Currency m_value;
};

} // namespace qv
