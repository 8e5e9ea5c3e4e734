// The windows' fonts: the classic face names mapped to families installed on Debian.
#pragma once

#include <QFont>

namespace qv {

// The main window's "宋体" at 12 pixels: the installed CJK serif, as the grid maps it.
QFont MainWindowFont();
// The workbook window's "MS Sans Serif" at 11 pixels: the installed sans, with the CJK sans behind it.
QFont WorkbookFont();

} // namespace qv
