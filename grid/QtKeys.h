// Qt's key events as the grid's key handling sees them.
#pragma once

#include "grid/Keys.h"

#include <Qt>

class QKeyEvent;

namespace qv {

TXLShiftState ToShiftState(Qt::KeyboardModifiers modifiers);
// The key and modifiers of a key event; Backtab is Tab with Shift.
TXLKeyStroke ToKeyStroke(const QKeyEvent& event);

} // namespace qv
