// Editor classes to controls, and the grids' edit host.
#include "editors/EditorClasses.h"

#include "cells/StandardCells.h"
#include "editors/DateTimeEdit.h"
#include "editors/Edit.h"
#include "editors/Memo.h"
#include "editors/NumEdit.h"
#include "editors/PickEdit.h"
#include "grid/Grid.h"

namespace qv {

IXLEditorControl* CreateEditorControl(const TXLEditorClass& cls, TXLEdit& host)
{
    using namespace StandardEditors;
    if (&cls == &MaskEdit)
        return new TXLMaskEdit(&host);
    if (&cls == &NumEdit)
        return new TXLNumEdit(&host);
    if (&cls == &Memo)
        return new TXLMemo(&host);
    if (&cls == &PickEdit)
        return new TXLPickEdit(&host);
    if (&cls == &ComboBox)
        return new TXLComboBox(&host);
    if (&cls == &DateTimeEdit)
        return new TXLDateTimeEdit(&host);
    return nullptr;
}

void InitEditors()
{
    TXLGrid::SetEditHostFactory(
        [](TXLGrid& grid) -> std::unique_ptr<IXLEditHost> { return std::make_unique<TXLEdit>(&grid); });
}

} // namespace qv
