// The value rules of the formula operators: class of each operand decides the kind of the result.
#pragma once

#include "formula/Token.h"
#include "platform/Variant.h"

#include <string_view>

namespace qv {

struct Locale;

// Applies an infix operator ([tkMul, tkAnd] except nothing, [tkPlus, tkXor], [tkEQ, tkNE]) to left and right
// and leaves the result in left. Empty operands count as the integer 0. Raises the value library's errors:
// EConvertError for text that is no number, EZeroDivide and EInvalidOp for division, EDivByZero for DIV and
// MOD by zero, EInvalidOp for results beyond the range of their kind.
void ApplyInfix(TXLToken op, Variant& left, const Variant& right, const Locale& locale);
// Applies a prefix operator (tkMinus, tkNot, tkPlus) to value; Empty and Null stay as they are.
void ApplyPrefix(TXLToken op, Variant& value, const Locale& locale);
// The order of two formula strings: GBK byte order, ties broken by the UTF-8 bytes so that only equal texts
// compare equal. Negative, 0 or positive.
int CompareFormulaStrings(std::string_view a, std::string_view b);

} // namespace qv
