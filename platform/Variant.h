// The value every cell and formula passes around: one of eight kinds, with the conversions between them.
#pragma once

#include "platform/Currency.h"
#include "platform/DateTime.h"

#include <cstdint>
#include <string>
#include <variant>

namespace qv {

struct Locale;

enum class VarKind { Unassigned, Null, Integer, Double, Currency, DateTime, Boolean, String };

class Variant {
public:
    Variant() = default; // Unassigned
    Variant(int32_t value) : m_value(value) {}
    Variant(double value) : m_value(value) {}
    Variant(Currency value) : m_value(value) {}
    Variant(bool value) : m_value(value) {}
    Variant(std::string value) : m_value(std::move(value)) {}
    Variant(const char* value) : m_value(std::string(value)) {}
    static Variant Null() { return Variant(NullTag{}); }
    static Variant FromDateTime(TDateTime value) { return Variant(DateTag{value}); }

    VarKind Kind() const { return static_cast<VarKind>(m_value.index()); }
    bool IsUnassigned() const { return Kind() == VarKind::Unassigned; }
    bool IsNull() const { return Kind() == VarKind::Null; }
    bool IsNumeric() const; // integer, double, currency or date-time

    // Conversions. Unassigned reads as 0, "" and False; Null converts to nothing (EVariantError).
    // Numbers to integers and currency round halves to even; out of range raises EInvalidOp.
    // Strings read in the locale's notation or raise EConvertError; Booleans are -1 and 0 as numbers.
    int32_t ToInteger(const Locale& locale) const;
    double ToDouble(const Locale& locale) const;
    Currency ToCurrency(const Locale& locale) const;
    TDateTime ToDateTime(const Locale& locale) const;
    bool ToBoolean(const Locale& locale) const;
    std::string ToString(const Locale& locale) const;

    // The held value of the given kind; the caller checks Kind() first.
    int32_t AsInteger() const { return std::get<int32_t>(m_value); }
    double AsDouble() const { return std::get<double>(m_value); }
    Currency AsCurrency() const { return std::get<Currency>(m_value); }
    TDateTime AsDateTime() const { return std::get<DateTag>(m_value).Value; }
    bool AsBoolean() const { return std::get<bool>(m_value); }
    const std::string& AsString() const { return std::get<std::string>(m_value); }

    // Same kind and same value (strings byte for byte).
    friend bool operator==(const Variant& a, const Variant& b) = default;

private:
    struct NullTag {
        friend bool operator==(NullTag, NullTag) = default;
    };
    struct DateTag {
        TDateTime Value;
        friend bool operator==(DateTag, DateTag) = default;
    };
    explicit Variant(NullTag tag) : m_value(tag) {}
    explicit Variant(DateTag tag) : m_value(tag) {}

    // Order matches VarKind.
    std::variant<std::monostate, NullTag, int32_t, double, Currency, DateTag, bool, std::string> m_value;
};

const char* VarKindName(VarKind kind); // "empty", "null", "integer", "double", ...

// "True" / "False"; reading accepts any letter case.
std::string BoolToStr(bool value);
// EConvertError "'<text>' is not a valid boolean value" when the text is neither a Boolean name nor a number.
bool StrToBool(std::string_view text, const Locale& locale);

} // namespace qv
