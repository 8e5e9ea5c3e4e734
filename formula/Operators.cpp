// Operator value rules: integers with overflow into doubles, currency, date-times, strings, Booleans and Null.
#include "formula/Operators.h"

#include "platform/Errors.h"
#include "platform/TextCodec.h"

#include <climits>
#include <cmath>
#include <cstdint>

namespace qv {

namespace {

// The operand classes of the value rules; Empty counts as an integer.
enum class OpClass : uint8_t { Integer, Double, Currency, DateTime, Boolean, String, Null };

OpClass ClassOf(const Variant& v)
{
    switch (v.Kind()) {
    case VarKind::Unassigned:
    case VarKind::Integer:
        return OpClass::Integer;
    case VarKind::Double:
        return OpClass::Double;
    case VarKind::Currency:
        return OpClass::Currency;
    case VarKind::DateTime:
        return OpClass::DateTime;
    case VarKind::Boolean:
        return OpClass::Boolean;
    case VarKind::String:
        return OpClass::String;
    case VarKind::Null:
        break;
    }
    return OpClass::Null;
}

bool Either(OpClass a, OpClass b, OpClass c)
{
    return a == c || b == c;
}

// Boolean with Boolean, or Boolean with string: the string is read as a Boolean.
bool IsBooleanPair(OpClass a, OpClass b)
{
    return (a == OpClass::Boolean && (b == OpClass::Boolean || b == OpClass::String)) ||
           (b == OpClass::Boolean && a == OpClass::String);
}

// The runtime has no overflow error; a result beyond the doubles is an invalid operation.
double Finite(double r)
{
    if (!std::isfinite(r))
        throw EInvalidOp();
    return r;
}

double DivideDoubles(double x, double y)
{
    if (y == 0) {
        if (x == 0 || std::isnan(x))
            throw EInvalidOp();
        throw EZeroDivide();
    }
    return Finite(x / y);
}

double DoubleArithmetic(TXLToken op, double x, double y)
{
    switch (op) {
    case tkPlus:
        return Finite(x + y);
    case tkMinus:
        return Finite(x - y);
    case tkMul:
        return Finite(x * y);
    default:
        return DivideDoubles(x, y);
    }
}

// 32-bit results where they fit; otherwise the operation is redone in double.
Variant IntegerArithmetic(TXLToken op, int64_t x, int64_t y)
{
    int64_t r = 0;
    switch (op) {
    case tkPlus:
        r = x + y;
        break;
    case tkMinus:
        r = x - y;
        break;
    case tkMul:
        r = x * y;
        break;
    default:
        return DivideDoubles(static_cast<double>(x), static_cast<double>(y));
    }
    if (r < INT32_MIN || r > INT32_MAX)
        return DoubleArithmetic(op, static_cast<double>(x), static_cast<double>(y));
    return static_cast<int32_t>(r);
}

Currency CurrencyArithmetic(TXLToken op, Currency x, Currency y)
{
    switch (op) {
    case tkPlus:
        return x + y;
    case tkMinus:
        return x - y;
    case tkMul:
        return x * y;
    default:
        return x / y;
    }
}

double BooleanNumber(const Variant& v, const Locale& locale)
{
    return v.ToBoolean(locale) ? -1 : 0;
}

// + - * /
void Arithmetic(TXLToken op, Variant& left, const Variant& right, const Locale& locale)
{
    const OpClass a = ClassOf(left);
    const OpClass b = ClassOf(right);
    if (a == OpClass::Double && b == OpClass::Double) {
        left = DoubleArithmetic(op, left.AsDouble(), right.AsDouble());
        return;
    }
    if (Either(a, b, OpClass::Null)) {
        left = Variant::Null();
        return;
    }
    if (Either(a, b, OpClass::DateTime)) {
        const double x = left.ToDouble(locale);
        const double y = right.ToDouble(locale);
        const bool bothDates = a == b;
        switch (op) {
        case tkPlus:
            left = Variant::FromDateTime(Finite(x + y));
            break;
        case tkMinus:
            left = bothDates ? Variant(Finite(x - y)) : Variant::FromDateTime(Finite(x - y));
            break;
        default:
            left = DoubleArithmetic(op, x, y);
            break;
        }
        return;
    }
    if (Either(a, b, OpClass::Currency)) {
        if (op == tkDivide && b == OpClass::Currency && a != OpClass::Currency)
            left = DivideDoubles(left.ToDouble(locale), right.ToDouble(locale));
        else
            left = CurrencyArithmetic(op, left.ToCurrency(locale), right.ToCurrency(locale));
        return;
    }
    if (a == OpClass::String && b == OpClass::String && op == tkPlus) {
        left = left.AsString() + right.AsString();
        return;
    }
    if (IsBooleanPair(a, b)) {
        left = DoubleArithmetic(op, BooleanNumber(left, locale), BooleanNumber(right, locale));
        return;
    }
    if (Either(a, b, OpClass::Double) || Either(a, b, OpClass::String)) {
        left = DoubleArithmetic(op, left.ToDouble(locale), right.ToDouble(locale));
        return;
    }
    // Integers, and Booleans with integers, as integers.
    left = IntegerArithmetic(op, left.ToInteger(locale), right.ToInteger(locale));
}

// DIV MOD SHL SHR OR AND XOR
void IntegerOperation(TXLToken op, Variant& left, const Variant& right, const Locale& locale)
{
    const OpClass a = ClassOf(left);
    const OpClass b = ClassOf(right);
    if (Either(a, b, OpClass::Null)) {
        // Null is unknown: OR with True is True and AND with False is False whatever it stands for.
        const Variant& other = a == OpClass::Null ? right : left;
        const bool known = other.Kind() == VarKind::Boolean &&
                           ((op == tkOr && other.AsBoolean()) || (op == tkAnd && !other.AsBoolean()));
        left = known ? other : Variant::Null();
        return;
    }
    if ((op == tkOr || op == tkAnd || op == tkXor) && IsBooleanPair(a, b)) {
        const bool x = left.ToBoolean(locale);
        const bool y = right.ToBoolean(locale);
        left = op == tkOr ? (x || y) : op == tkAnd ? (x && y) : (x != y);
        return;
    }
    const int32_t x = left.ToInteger(locale);
    const int32_t y = right.ToInteger(locale);
    const uint32_t ux = static_cast<uint32_t>(x);
    switch (op) {
    case tkDiv:
        if (y == 0)
            throw EDivByZero();
        // The one quotient beyond 32 bits is redone in double, like the other integer overflows.
        left = x == INT32_MIN && y == -1 ? Variant(2147483648.0) : Variant(x / y);
        break;
    case tkMod:
        if (y == 0)
            throw EDivByZero();
        left = y == -1 ? 0 : x % y;
        break;
    case tkShl:
        left = static_cast<int32_t>(ux << (y & 31));
        break;
    case tkShr:
        left = static_cast<int32_t>(ux >> (y & 31));
        break;
    case tkOr:
        left = x | y;
        break;
    case tkAnd:
        left = x & y;
        break;
    default:
        left = x ^ y;
        break;
    }
}

int Sign(double x, double y)
{
    return x < y ? -1 : x > y ? 1 : 0;
}

// The order of two non-Empty operands; Null equals Null and is below everything else.
int Order(const Variant& left, const Variant& right, const Locale& locale)
{
    const OpClass a = ClassOf(left);
    const OpClass b = ClassOf(right);
    if (a == OpClass::Null || b == OpClass::Null)
        return (a == OpClass::Null ? 0 : 1) - (b == OpClass::Null ? 0 : 1);
    if (a == OpClass::Integer && b == OpClass::Integer)
        return Sign(left.ToInteger(locale), right.ToInteger(locale));
    if (a == OpClass::String && b == OpClass::String)
        return CompareFormulaStrings(left.AsString(), right.AsString());
    if (IsBooleanPair(a, b))
        return static_cast<int>(left.ToBoolean(locale)) - static_cast<int>(right.ToBoolean(locale));
    if (a == OpClass::Currency && b == OpClass::Currency) {
        const Currency x = left.AsCurrency();
        const Currency y = right.AsCurrency();
        return x < y ? -1 : x > y ? 1 : 0;
    }
    return Sign(left.ToDouble(locale), right.ToDouble(locale));
}

void Comparison(TXLToken op, Variant& left, const Variant& right, const Locale& locale)
{
    const int order = Order(left, right, locale);
    switch (op) {
    case tkEQ:
        left = order == 0;
        break;
    case tkLT:
        left = order < 0;
        break;
    case tkGT:
        left = order > 0;
        break;
    case tkLE:
        left = order <= 0;
        break;
    case tkGE:
        left = order >= 0;
        break;
    default:
        left = order != 0;
        break;
    }
}

bool IsAscii(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

void ApplyInfix(TXLToken op, Variant& left, const Variant& right, const Locale& locale)
{
    static const Variant zero(int32_t(0));
    const Variant& r = right.IsUnassigned() ? zero : right;
    if (left.IsUnassigned())
        left = int32_t(0);
    switch (op) {
    case tkPlus:
    case tkMinus:
    case tkMul:
    case tkDivide:
        Arithmetic(op, left, r, locale);
        break;
    case tkDiv:
    case tkMod:
    case tkShl:
    case tkShr:
    case tkAnd:
    case tkOr:
    case tkXor:
        IntegerOperation(op, left, r, locale);
        break;
    default:
        Comparison(op, left, r, locale);
        break;
    }
}

void ApplyPrefix(TXLToken op, Variant& value, const Locale& locale)
{
    if (op == tkPlus || value.IsUnassigned() || value.IsNull())
        return;
    if (op == tkNot) {
        if (value.Kind() == VarKind::Boolean)
            value = !value.AsBoolean();
        else
            value = ~value.ToInteger(locale);
        return;
    }
    switch (value.Kind()) {
    case VarKind::Integer:
        value = value.AsInteger() == INT32_MIN ? Variant(2147483648.0) : Variant(-value.AsInteger());
        break;
    case VarKind::Currency:
        value = -value.AsCurrency();
        break;
    case VarKind::DateTime:
        value = Variant::FromDateTime(-value.AsDateTime());
        break;
    case VarKind::Boolean:
        value = value.AsBoolean() ? 1 : 0;
        break;
    default:
        value = -value.ToDouble(locale);
        break;
    }
}

int CompareFormulaStrings(std::string_view a, std::string_view b)
{
    // ASCII is the same in GBK and UTF-8, so most texts need no conversion.
    if (!IsAscii(a) || !IsAscii(b)) {
        const int gbk = Utf8ToGbk(a).compare(Utf8ToGbk(b));
        if (gbk != 0)
            return gbk;
    }
    return a.compare(b);
}

} // namespace qv
