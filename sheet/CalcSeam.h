// The formula engine as the sheet reaches it: installed at start-up, so that the sheet model builds without it.
#pragma once

#include "platform/Variant.h"

#include <string_view>

namespace qv {

class TXLCell;
class TXLSheet;
enum TXLCalcMode : int;

// Evaluates formula text against a sheet for TXLSheet::CalcExpression (see there).
using TXLExpressionCalculator = Variant (*)(TXLSheet& sheet, std::string_view text, const TXLCell* cell,
                                            TXLCalcMode mode);

// Installs the calculator every sheet uses; InitEngine installs the formula engine's.
void InstallExpressionCalculator(TXLExpressionCalculator calculator);
// The installed calculator; nullptr before InitEngine.
TXLExpressionCalculator ExpressionCalculator();

} // namespace qv
