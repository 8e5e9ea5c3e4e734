// Double cells: a floating-point value.
#pragma once

#include "cells/NumberCell.h"

namespace qv {

class TXLCDouble : public TXLCNumber {
public:
    static const TXLCellClass& Class();
    const TXLCellClass* GetCellClass() const override { return &Class(); }

    double GetAsFloat() override { return m_value; }
    Variant GetValue() override { return Variant(m_value); }
    // Stores and notifies only when the value differs (or the cell's styles ask for every write).
    void SetAsFloat(double value) override;
    // Text must read as a number in the locale's notation.
    void SetValue(const Variant& value) override;
    void SaveValue(ByteWriter& writer) const override;
    void LoadValue(ByteReader& reader) override;

private:
    double m_value = 0;
};

} // namespace qv
