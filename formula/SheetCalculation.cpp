// Formula text evaluated against a sheet.
#include "formula/SheetCalculation.h"

#include "formula/Calculator.h"
#include "formula/FormulaError.h"

#include <algorithm>

namespace qv {

Variant CalculateOnSheet(TXLSheet& sheet, std::string_view text, const TXLCell* cell, TXLCalcMode mode)
{
    std::vector<const TXLCell*>& stack = sheet.EvaluationStack();
    if (cell) {
        if (std::find(stack.begin(), stack.end(), cell) != stack.end())
            throw EXLCircular();
        stack.push_back(cell);
    }
    // Removes the entry pushed here, by its index: nested evaluations have removed theirs by then.
    struct StackEntry {
        std::vector<const TXLCell*>* stack;
        size_t index;
        ~StackEntry()
        {
            if (stack)
                stack->erase(stack->begin() + static_cast<std::ptrdiff_t>(index));
        }
    } const entry{cell ? &stack : nullptr, cell ? stack.size() - 1 : 0};
    TXLCalculator calculator(&sheet);
    calculator.CheckOnly = mode == cmCheckOnly;
    Variant result;
    calculator.Calculate(text, result);
    return result;
}

} // namespace qv
