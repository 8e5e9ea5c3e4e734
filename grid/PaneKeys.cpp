// The current pane's key handling: the key map of the navigation keys, Enter and Escape, typed characters and
// input-method composition.
#include "grid/Pane.h"

#include "sheet/Section.h"

namespace qv {

void TXLPane::ScrollTo(TXLAxis axis, int coordinate)
{
    Point origin = m_origin;
    Along(origin, axis) = coordinate;
    ClampOrigin(origin);
}

void TXLPane::KeyDown(const TXLKeyStroke& stroke)
{
    if (!m_section)
        return;
    IXLEditHost* host = m_owner.EditHost();
    if (stroke.Has(ssShift) && stroke.Key != TXLKey::Tab && m_owner.HasOption(oRangeSelect)) {
        if (host && !m_owner.HasOption(oPermEdit))
            host->SetEditing(false);
        ExtendSelection(stroke.Key);
        return;
    }
    if (stroke.Has(ssAlt))
        return;
    const bool ctrl = stroke.Has(ssCtrl);
    Point cursor = m_cursor;
    TXLDirection direction = dNone; // remembered as the auto direction, and the way to search for a cell
    bool step = false;              // one cell on in that direction, else only when the cursor lands badly
    switch (stroke.Key) {
    case TXLKey::Tab:
        MoveCurrent(dAuto, stroke.Has(ssShift) ? TXLTurn::Back : TXLTurn::Forward);
        return;
    case TXLKey::PageUp:
        if (ctrl) {
            ScrollTo(axRows, 0);
            cursor.y = 0;
        } else {
            int offset = m_rows.GetOffset(cursor.y) - ClientSize(axRows);
            cursor.y = m_rows.FindOffset(offset);
            ScrollTo(axRows, ScrollPosFor(axRows, scPageUp, 0));
        }
        direction = dDown;
        break;
    case TXLKey::PageDown:
        if (ctrl) {
            ScrollTo(axRows, m_extent.y);
            cursor.y = Count(axRows);
        } else {
            int offset = m_rows.GetOffset(cursor.y) + ClientSize(axRows);
            cursor.y = m_rows.FindOffset(offset);
            ScrollTo(axRows, ScrollPosFor(axRows, scPageDown, 0));
        }
        direction = dUp;
        break;
    case TXLKey::End:
        cursor.x = Count(axCols);
        if (ctrl) {
            cursor.y = Count(axRows);
            ClampOrigin(m_extent);
        }
        direction = dLeft;
        break;
    case TXLKey::Home:
        cursor.x = 0;
        if (ctrl) {
            cursor.y = 0;
            ClampOrigin({0, 0});
        }
        direction = dRight;
        break;
    case TXLKey::Left:
    case TXLKey::Right: {
        const bool left = stroke.Key == TXLKey::Left;
        if (ctrl)
            ScrollTo(axCols, ScrollPosFor(axCols, left ? scLineUp : scLineDown, 0));
        direction = left ? dLeft : dRight;
        step = true;
        break;
    }
    case TXLKey::Up:
    case TXLKey::Down: {
        const bool up = stroke.Key == TXLKey::Up;
        if (ctrl)
            ScrollTo(axRows, ScrollPosFor(axRows, up ? scLineUp : scLineDown, 0));
        direction = up ? dUp : dDown;
        step = true;
        break;
    }
    case TXLKey::F2:
        if (stroke.Shift == 0)
            m_owner.SetEditMode(TXLEditMode::ArrowsMoveCaret);
        return;
    case TXLKey::Other:
        return;
    }
    m_owner.SetAutoDirection(direction);
    cursor = ClampCell(cursor);
    // A cursor that lands on a cell it cannot enter searches on in the direction (back toward where it came from
    // for the paging keys); one that finds nothing leaves the current cell and the cursor where they were.
    if (step || !CanEnterCell(AnchorOf(cursor)))
        StepCell(cursor, direction, TXLStepBounds::Section);
    SetCurrent(cursor, TXLCollapse::Collapse, TXLReveal::MakeVisible);
    if (AnchorOf(cursor) == m_current)
        m_cursor = cursor;
}

void TXLPane::KeyPress(char32_t& key, TXLShiftState shift)
{
    if (!m_section)
        return;
    if (key == kCharEnter) {
        MoveCurrent(dAuto, (shift & ssShift) ? TXLTurn::Back : TXLTurn::Forward);
        key = 0;
    } else if (key == kCharEscape) {
        if (IXLEditHost* host = m_owner.EditHost())
            host->CancelEdit();
        key = 0;
    } else {
        m_section->GetCell(m_current).KeyPress(key);
    }
}

char32_t TXLPane::TypeCharacter(char32_t key, TXLShiftState shift)
{
    if (!m_section)
        return key;
    if (key == kCharBackspace || key >= kCharBlank) {
        PrepareEdit(m_current);
        if (IsEditing()) {
            TXLTypedInput input;
            input.Character = key;
            m_owner.EditHost()->StartWithKey(input);
            return 0;
        }
    }
    KeyPress(key, shift);
    return key;
}

void TXLPane::InputMethod(const TXLTypedInput& input)
{
    if (!m_section)
        return;
    IXLEditHost* host = m_owner.EditHost();
    if (input.Kind == TXLInputKind::CompositionStart) {
        PrepareEdit(m_current);
        if (IsEditing())
            host->StartWithKey(input);
    } else if (host && host->Active()) {
        host->ForwardMessage(input);
    }
}

} // namespace qv
