// Names of client cells: column letters in bijective base 26 followed by the 1-based row number (B12).
#pragma once

#include "platform/Geometry.h"

#include <string>
#include <string_view>

namespace qv {

// A is column 0, Z 25, AA 26, AZ 51, BA 52; "" for a negative column.
std::string ColumnName(int col);
// ColumnName(col) followed by row + 1 in decimal: (1, 11) is "B12".
std::string PointToCellName(int col, int row);
// (column, row) of a name: a run of letters in any case, then decimal digits giving a row of at least 1.
// EXLGridError "Unknown identifier!" for anything else, also when a part is beyond the 32-bit range.
Point CellNameToPoint(std::string_view name);
// The same reading without the exception, for resolvers that try names often: false for a non-name.
bool TryCellNameToPoint(std::string_view name, Point& point);

} // namespace qv
