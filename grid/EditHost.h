// The in-cell edit host as the grid's panes call it, and the typed input they hand it.
#pragma once

#include "grid/Keys.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <string>

namespace qv {

class TXLCell;
class TXLPane;

// What reaches the grid as text: one character, or a message of an input method composing text.
enum class TXLInputKind : uint8_t { Character, CompositionStart, Composition, CompositionEnd };

struct TXLTypedInput {
    TXLInputKind Kind = TXLInputKind::Character;
    char32_t Character = 0; // for Character only
    std::string Preedit;    // UTF-8: the text being composed, shown but not yet typed
    int PreeditCursor = 0;  // the caret inside Preedit, in characters
    std::string Commit;     // UTF-8: the text the composition typed
};

// The host lays an editor over one cell of the pane it is bound to (the body). A grid without a host edits
// nothing: the panes skip every call.
class IXLEditHost {
public:
    virtual ~IXLEditHost() = default;

    // An editor control is open on a cell.
    virtual bool Active() const = 0;
    // The pane it is bound to; it outlives the host.
    virtual const TXLPane* Pane() const = 0;
    // Opens the editor registered for the cell's class over it (the cell is referenced, it stays its section's),
    // or with cell nullptr stores and closes the edited one. A pane other than the host's changes nothing; pane
    // nullptr with cell nullptr closes from anywhere.
    virtual void EditCell(const TXLPane* pane, TXLCell* cell) = 0;
    // On: opens the editor on the pane's current cell (through the pane's PrepareEdit); off: stores and closes.
    virtual void SetEditing(bool on) = 0;
    // Whether the arrow and paging keys move the grid's current cell instead of the caret.
    virtual void SetArrowMode(bool on) = 0;
    // Closes without storing (Escape).
    virtual void CancelEdit() = 0;
    // Begins editing with what was typed: the editor is emptied and takes it, with the arrows moving the cell.
    virtual void StartWithKey(const TXLTypedInput& input) = 0;
    // An input method's further message, passed to the editor while Active.
    virtual void ForwardMessage(const TXLTypedInput& input) = 0;
    // A press or release of the left button on another cell of the pane while Active (shift: the mouse event's
    // modifiers, buttons and double-click bit); true when the editor took it, so the grid neither moves nor selects.
    virtual bool CellClicked(Point cell, TXLShiftState shift) = 0;
    // The cell being edited, or nullptr.
    virtual const TXLCell* EditedCell() const = 0;
    // Lays the editor over its cell again: sizes, the scale, the origin or the merged ranges changed.
    virtual void UpdateBounds() = 0;
    // Re-reads the edited cell's colour, font and layout.
    virtual void ApplyCellStyle() = 0;
    // The grid's oEdit3D was switched.
    virtual void Edit3DChanged() = 0;
};

} // namespace qv
