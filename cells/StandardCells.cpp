// The engine's cell value classes in their fixed registry order, with their format presets and editors.
#include "cells/StandardCells.h"

#include "cells/BooleanCell.h"
#include "cells/CurrencyCell.h"
#include "cells/DateTimeCell.h"
#include "cells/DoubleCell.h"
#include "cells/GroupCell.h"
#include "cells/IntegerCell.h"
#include "cells/PictureCell.h"
#include "cells/StringCell.h"
#include "cells/StringsCell.h"
#include "cells/UrlCell.h"
#include "sheet/Manager.h"

namespace qv {

namespace StandardEditors {
const TXLEditorClass PickEdit{"TXLPickEdit"};
const TXLEditorClass Memo{"TXLMemo"};
const TXLEditorClass MaskEdit{"TXLMaskEdit"};
const TXLEditorClass ComboBox{"TXLComboBox"};
const TXLEditorClass NumEdit{"TXLNumEdit"};
const TXLEditorClass DateTimeEdit{"TXLDateTimeEdit"};
} // namespace StandardEditors

void RegisterStandardCellClasses(TXLManager& manager)
{
    // The order gives the registry indexes 0..9.
    manager.RegisterCellClass(TXLCString::Class(), {""});
    manager.RegisterCellClass(TXLCStrings::Class());
    manager.RegisterCellClass(TXLCInteger::Class(), {"0", "0|s"});
    manager.RegisterCellClass(TXLCDouble::Class(), {"0", "0|s", "0.00", "0.00|s", "#,##0", "#,##0|s", "#,##0.00",
                                                    "#,##0.00|s", "0.##%", "0.##%|s", "0.00%", "0.00%|s"});
    manager.RegisterCellClass(TXLCCurrency::Class(), {"$# ##0", "$# ##0|s", "$# ##0.00", "$# ##0.00|s"});
    manager.RegisterCellClass(TXLCDateTime::Class(),
                              {"DD/MM/YYYY|c", "DD/MM/YY|c", "DD/MM|c", "MM/YYYY|c", "HH:MM:SS", "h:nn am/pm",
                               "h:nn:ss am/pm", "h:nn", "h:nn:ss", "DD/MM/YYYY h:nn"});
    manager.RegisterCellClass(TXLCBoolean::Class(), {"True;False", "Yes;No"});
    manager.RegisterCellClass(TXLCPicture::Class());
    manager.RegisterCellClass(TXLCUrl::Class(), {""});
    manager.RegisterCellClass(TXLCGroup::Class(), {"0"});
    using namespace StandardEditors;
    manager.RegisterEditors({&TXLCString::Class()}, {&PickEdit, &Memo, &MaskEdit});
    manager.RegisterEditors({&TXLCStrings::Class()}, {&Memo, &PickEdit, &ComboBox});
    manager.RegisterEditors({&TXLCInteger::Class(), &TXLCDouble::Class(), &TXLCCurrency::Class()}, {&NumEdit});
    manager.RegisterEditors({&TXLCDateTime::Class()}, {&DateTimeEdit});
}

} // namespace qv
