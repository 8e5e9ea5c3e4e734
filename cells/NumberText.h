// Display text of numbers and date-times through a cell's display format, in the manager's locale.
#pragma once

#include "platform/DateTime.h"

#include <string>

namespace qv {

// The number by the format's pattern ("#,##0.00", "0;(0);-"); a format with "%" shows value x 100 followed by
// one "%". An empty format gives the general form (up to 15 significant digits).
std::string FormatNumber(const std::string& format, double value);

// The date-time by the part of the format before the first ";"; 0 takes the part after it instead and shows
// nothing when there is none. An empty pattern gives the short date and, unless midnight, the long time.
std::string FormatDateTimeText(const std::string& format, TDateTime value);

} // namespace qv
