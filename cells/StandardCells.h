// The engine's cell value classes in their registry order, and the editor classes they name.
#pragma once

#include "sheet/CellClass.h"

namespace qv {

class TXLManager;

// Editor classes are known here by name; the editors module gives them their controls.
namespace StandardEditors {
extern const TXLEditorClass PickEdit;
extern const TXLEditorClass Memo;
extern const TXLEditorClass MaskEdit;
extern const TXLEditorClass ComboBox;
extern const TXLEditorClass NumEdit;
extern const TXLEditorClass DateTimeEdit;
} // namespace StandardEditors

// Registers the ten value classes of this layer with their format presets and editors, at the registry indexes
// 0..9; the formula cell registers after them.
void RegisterStandardCellClasses(TXLManager& manager);

} // namespace qv
