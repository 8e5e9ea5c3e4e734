// Cell names to coordinates and back.
#include "sheet/CellName.h"

#include "sheet/GridError.h"

#include <climits>
#include <cstdint>

namespace qv {

namespace {

bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

std::string ColumnName(int col)
{
    std::string letters;
    // Bijective base 26: each digit runs 1..26, so step down by one before each division.
    for (int64_t n = static_cast<int64_t>(col) + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

std::string PointToCellName(int col, int row)
{
    return ColumnName(col) + std::to_string(static_cast<int64_t>(row) + 1);
}

bool TryCellNameToPoint(std::string_view name, Point& point)
{
    size_t i = 0;
    int64_t col = 0;
    for (; i < name.size() && IsAsciiLetter(name[i]); ++i) {
        col = col * 26 + ((name[i] & ~0x20) - 'A' + 1);
        if (col - 1 > INT_MAX)
            return false;
    }
    if (i == 0 || i == name.size())
        return false;
    int64_t row = 0;
    for (; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9')
            return false;
        row = row * 10 + (name[i] - '0');
        if (row - 1 > INT_MAX)
            return false;
    }
    if (row < 1)
        return false;
    point = {static_cast<int>(col - 1), static_cast<int>(row - 1)};
    return true;
}

Point CellNameToPoint(std::string_view name)
{
    Point point;
    if (!TryCellNameToPoint(name, point))
        throw EXLGridError("Unknown identifier!");
    return point;
}

} // namespace qv
