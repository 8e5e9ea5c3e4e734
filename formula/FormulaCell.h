// Formula cells: a number computed once from a formula text when the text is assigned.
#pragma once

#include "cells/DoubleCell.h"

namespace qv {

class TXLCFormula : public TXLCDouble {
public:
    // 0 after a successful evaluation; otherwise why the last one failed.
    enum TXLFormulaError : uint8_t { feNone, feValue, feName, feDivByZero, feCircular };

    static const TXLCellClass& Class();
    const TXLCellClass* GetCellClass() const override { return &Class(); }

    // The error text while the formula is in error, else the number's text.
    std::string GetText() override;
    // "=" and the formula, or the number's text for a plain number.
    std::string GetAsString() override;
    // A number makes the cell a plain number: the formula is cleared.
    void SetAsFloat(double value) override;
    // Stores the text (without leading "=") as the formula and evaluates it; the same text again does nothing.
    void SetAsString(const std::string& text) override;
    // Text goes to SetAsString, any other value to the number.
    void SetValue(const Variant& value) override;
    // The number cell's value part, then the formula.
    void SaveValue(ByteWriter& writer) const override;
    void LoadValue(ByteReader& reader) override;

    // Evaluates the formula into the number; failures of any type become the error code and never leave, except
    // std::bad_alloc: running out of memory is no formula's error; it leaves as it is, the number kept, no error set.
    virtual void Recalculate();

    const std::string& Formula() const { return m_formula; }
    TXLFormulaError Error() const { return m_error; }

private:
    TXLFormulaError m_error = feNone;
    std::string m_formula;
};

} // namespace qv
