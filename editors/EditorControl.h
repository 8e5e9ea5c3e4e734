// What the edit host and its editor controls say to each other: loading a cell, storing into it, its layout, the
// host's button and clicks on other cells.
#pragma once

#include "grid/Keys.h"
#include "platform/Geometry.h"
#include "sheet/CellTypes.h"

#include <cstdint>

class QWidget;

namespace qv {

class TXLCell;

// The button the host shows at the editor's right: none (width 0), a spinner, a plain button or a drop-down.
enum TXLEditStyle : uint8_t { esNormal, esSpinner, esButton, esDropDown };

// Which half of a spinner the press began in; the other styles report Upper.
enum class TXLButtonHalf : uint8_t { Upper, Lower };

// Whether the control wants clicks on other cells while it edits (a formula pointing at cells).
enum class TXLCellClicks : uint8_t { Ignored, Wanted };

// A control's answer to being handed a cell.
struct TXLLoadAnswer {
    TXLEditStyle Button = esNormal;
    TXLCellClicks Clicks = TXLCellClicks::Ignored;
};

// An editor control: a widget the host owns, lays over the edited cell and talks to only through this interface.
// Values move between cell and control only in LoadCell and SaveCell.
class IXLEditorControl {
public:
    virtual ~IXLEditorControl() = default;

    // The control's own widget, a child of the host.
    virtual QWidget& Widget() = 0;
    // The widget that takes the keyboard: the control, or the child a compound control names.
    virtual QWidget& KeyControl() { return Widget(); }
    // Selects the whole text, so that what is typed next replaces it.
    virtual void SelectAll() = 0;
    // Takes the cell's value and settings; the cell stays its section's.
    virtual TXLLoadAnswer LoadCell(TXLCell& cell) = 0;
    // Stores the edit into the cell. Errors propagate; the host discards them and the cell keeps its value.
    virtual void SaveCell(TXLCell& cell) = 0;
    // The cell's alignment, indent and wrapping.
    virtual void Layout(const TXLLayout& layout) = 0;
    // The host's button was clicked, or repeats while a spinner is held.
    virtual void ButtonClick(TXLEditStyle, TXLButtonHalf) {}
    // Another cell (client coordinates) was clicked while the control wants such clicks; true when it used it.
    virtual bool CellClick(Point, TXLShiftState) { return false; }
};

} // namespace qv
