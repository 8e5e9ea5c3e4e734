// Formula text evaluated against a sheet, with the sheet's evaluation stack guarding against circles.
#pragma once

#include "platform/Variant.h"
#include "sheet/Sheet.h"

#include <string_view>

namespace qv {

// What TXLSheet::CalcExpression does once the formula engine is installed: cell (or null) is pushed on the
// sheet's evaluation stack while the text is evaluated; a cell already on it raises EXLCircular.
Variant CalculateOnSheet(TXLSheet& sheet, std::string_view text, const TXLCell* cell, TXLCalcMode mode);

} // namespace qv
