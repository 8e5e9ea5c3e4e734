// Qt's keys and modifiers translated for the key map.
#include "grid/QtKeys.h"

#include <QKeyEvent>

namespace qv {

TXLShiftState ToShiftState(Qt::KeyboardModifiers modifiers)
{
    TXLShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (modifiers & Qt::AltModifier)
        shift |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    return shift;
}

TXLKeyStroke ToKeyStroke(const QKeyEvent& event)
{
    TXLKeyStroke stroke{TXLKey::Other, ToShiftState(event.modifiers())};
    switch (event.key()) {
    case Qt::Key_Backtab:
        stroke.Shift |= ssShift;
        stroke.Key = TXLKey::Tab;
        break;
    case Qt::Key_Tab:
        stroke.Key = TXLKey::Tab;
        break;
    case Qt::Key_PageUp:
        stroke.Key = TXLKey::PageUp;
        break;
    case Qt::Key_PageDown:
        stroke.Key = TXLKey::PageDown;
        break;
    case Qt::Key_End:
        stroke.Key = TXLKey::End;
        break;
    case Qt::Key_Home:
        stroke.Key = TXLKey::Home;
        break;
    case Qt::Key_Left:
        stroke.Key = TXLKey::Left;
        break;
    case Qt::Key_Up:
        stroke.Key = TXLKey::Up;
        break;
    case Qt::Key_Right:
        stroke.Key = TXLKey::Right;
        break;
    case Qt::Key_Down:
        stroke.Key = TXLKey::Down;
        break;
    case Qt::Key_F2:
        stroke.Key = TXLKey::F2;
        break;
    default:
        break;
    }
    return stroke;
}

} // namespace qv
