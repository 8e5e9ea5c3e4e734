// Variant conversions, kept in one place so that every caller converts alike.
#include "platform/Variant.h"

#include "platform/AsciiText.h"
#include "platform/DateParse.h"
#include "platform/DateTimeFormat.h"
#include "platform/DecimalDigits.h"
#include "platform/Errors.h"
#include "platform/Locale.h"
#include "platform/NumberParse.h"

#include <cctype>

namespace qv {

namespace {

int32_t CurrencyToInt32(Currency c)
{
    // Dividing the raw count by the scale leaves the whole units, rounded half to even.
    const int64_t units = (c / Currency::kScale).Raw();
    if (units < INT32_MIN || units > INT32_MAX)
        throw EInvalidOp();
    return static_cast<int32_t>(units);
}

} // namespace

bool Variant::IsNumeric() const
{
    const VarKind k = Kind();
    return k == VarKind::Integer || k == VarKind::Double || k == VarKind::Currency || k == VarKind::DateTime;
}

int32_t Variant::ToInteger(const Locale& locale) const
{
    switch (Kind()) {
    case VarKind::Unassigned:
        return 0;
    case VarKind::Integer:
        return AsInteger();
    case VarKind::Double:
        return RoundToInt32(AsDouble());
    case VarKind::DateTime:
        return RoundToInt32(AsDateTime());
    case VarKind::Currency:
        return CurrencyToInt32(AsCurrency());
    case VarKind::Boolean:
        return AsBoolean() ? -1 : 0;
    case VarKind::String:
        return RoundToInt32(StrToFloat(AsString(), locale));
    case VarKind::Null:
        break;
    }
    throw EVariantError();
}

double Variant::ToDouble(const Locale& locale) const
{
    switch (Kind()) {
    case VarKind::Unassigned:
        return 0;
    case VarKind::Integer:
        return AsInteger();
    case VarKind::Double:
        return AsDouble();
    case VarKind::DateTime:
        return AsDateTime();
    case VarKind::Currency:
        return AsCurrency().ToDouble();
    case VarKind::Boolean:
        return AsBoolean() ? -1 : 0;
    case VarKind::String:
        return StrToFloat(AsString(), locale);
    case VarKind::Null:
        break;
    }
    throw EVariantError();
}

Currency Variant::ToCurrency(const Locale& locale) const
{
    switch (Kind()) {
    case VarKind::Unassigned:
        return Currency();
    case VarKind::Integer:
        return Currency::FromInteger(AsInteger());
    case VarKind::Double:
        return Currency::FromDouble(AsDouble());
    case VarKind::DateTime:
        return Currency::FromDouble(AsDateTime());
    case VarKind::Currency:
        return AsCurrency();
    case VarKind::Boolean:
        return Currency::FromInteger(AsBoolean() ? -1 : 0);
    case VarKind::String:
        if (const auto c = TryStrToCurr(AsString(), locale))
            return *c;
        // Text that reads as a number but not as an amount is out of range.
        if (TryStrToFloat(AsString(), locale))
            throw EInvalidOp();
        ThrowNotAFloat(AsString());
    case VarKind::Null:
        break;
    }
    throw EVariantError();
}

TDateTime Variant::ToDateTime(const Locale& locale) const
{
    if (Kind() == VarKind::String)
        return StrToDateTime(AsString(), locale);
    return ToDouble(locale);
}

bool Variant::ToBoolean(const Locale& locale) const
{
    switch (Kind()) {
    case VarKind::Unassigned:
        return false;
    case VarKind::Integer:
        return AsInteger() != 0;
    case VarKind::Double:
        return AsDouble() != 0;
    case VarKind::DateTime:
        return AsDateTime() != 0;
    case VarKind::Currency:
        return AsCurrency().Raw() != 0;
    case VarKind::Boolean:
        return AsBoolean();
    case VarKind::String:
        return StrToBool(AsString(), locale);
    case VarKind::Null:
        break;
    }
    throw EVariantError();
}

std::string Variant::ToString(const Locale& locale) const
{
    switch (Kind()) {
    case VarKind::Unassigned:
        return "";
    case VarKind::Integer:
        return std::to_string(AsInteger());
    case VarKind::Double:
        return FloatToStrGeneral(AsDouble(), locale);
    case VarKind::DateTime:
        return FormatDateTime("", AsDateTime(), locale);
    case VarKind::Currency:
        return CurrToStr(AsCurrency(), locale);
    case VarKind::Boolean:
        return BoolToStr(AsBoolean());
    case VarKind::String:
        return AsString();
    case VarKind::Null:
        break;
    }
    throw EVariantError();
}

const char* VarKindName(VarKind kind)
{
    static constexpr const char* names[] = {"empty",    "null", "integer", "double",
                                            "currency", "date", "boolean", "string"};
    return names[static_cast<int>(kind)];
}

std::string BoolToStr(bool value)
{
    return value ? "True" : "False";
}

bool StrToBool(std::string_view text, const Locale& locale)
{
    const std::string_view t = TrimBlanks(text);
    if (EqualsIgnoreCase(t, "true"))
        return true;
    if (EqualsIgnoreCase(t, "false"))
        return false;
    if (const auto number = TryStrToFloat(t, locale))
        return *number != 0;
    throw EConvertError("'" + std::string(text) + "' is not a valid boolean value");
}

} // namespace qv
