// Number display shared by the number cells.
#include "cells/NumberCell.h"

#include "cells/NumberText.h"
#include "sheet/Manager.h"

namespace qv {

std::string TXLCNumber::GetText()
{
    return FormatNumber(GetFormatMask(), GetValue().ToDouble(XLManager().Desktop().GetLocale()));
}

} // namespace qv
