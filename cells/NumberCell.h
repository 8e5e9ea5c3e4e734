// The common display of the number cells: the value through the display format.
#pragma once

#include "sheet/Cell.h"

namespace qv {

// Never instantiated itself; integer, double and currency cells share its text.
class TXLCNumber : public TXLCell {
public:
    // GetValue as a double through FormatNumber with the display format.
    std::string GetText() override;
    TXLOverflow Overflow() const override { return ovFillHashes; }
};

} // namespace qv
