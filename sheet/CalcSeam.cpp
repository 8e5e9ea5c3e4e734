// The installed expression calculator.
#include "sheet/CalcSeam.h"

namespace qv {

namespace {
constinit TXLExpressionCalculator g_calculator = nullptr;
} // namespace

void InstallExpressionCalculator(TXLExpressionCalculator calculator)
{
    g_calculator = calculator;
}

TXLExpressionCalculator ExpressionCalculator()
{
    return g_calculator;
}

} // namespace qv
