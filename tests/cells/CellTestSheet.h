// A sheet for cell tests: typed cells placed in its client area, and hex dumps of written bytes.
#pragma once

#include "platform/Locale.h"
#include "platform/Variant.h"
#include "sheet/Sheet.h"

#include <ostream>
#include <string>

namespace qv::test {

// A client cell of class T at the point, replacing whatever was there.
template <class T> T& PlaceCell(TXLSheet& sheet, Point p = {0, 0})
{
    return static_cast<T&>(sheet.Section(sClient).ReplaceCell(p, &T::Class()));
}

// A client cell of the class at the point.
inline TXLCell& PlaceCell(TXLSheet& sheet, const TXLCellClass* cls, Point p = {0, 0})
{
    return sheet.Section(sClient).ReplaceCell(p, cls);
}

// "01 0a ff": bytes as lower-case hex pairs separated by blanks.
inline std::string Hex(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) {
        if (!out.empty())
            out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

inline TDateTime Date(int year, int month, int day)
{
    return TryEncodeDate(year, month, day).value();
}

inline TDateTime Time(int hour, int minute, int second = 0, int millisecond = 0)
{
    return TryEncodeTime(hour, minute, second, millisecond).value();
}

} // namespace qv::test

namespace qv {

// Failure messages show a variant as its kind and text.
inline void PrintTo(const Variant& value, std::ostream* os)
{
    *os << VarKindName(value.Kind());
    if (!value.IsNull())
        *os << " " << value.ToString(Locale::ChinaDefault());
}

} // namespace qv
