// The engine's cell value classes in their fixed registry order, with their format presets and editors.
#include "cells/BooleanCell.h"
#include "cells/CurrencyCell.h"
#include "cells/DateTimeCell.h"
#include "cells/DoubleCell.h"
#include "cells/FormulaCell.h"
#include "cells/GroupCell.h"
#include "cells/IntegerCell.h"
#include "cells/PictureCell.h"
#include "cells/StringCell.h"
#include "cells/StringsCell.h"
#include "cells/UrlCell.h"
#include "formula/Manager.h"

namespace qv {

namespace {

// Editor classes are known here by name; the editors module gives them their controls.
const TXLEditorClass kPickEdit{"TXLPickEdit"};
const TXLEditorClass kMemo{"TXLMemo"};
const TXLEditorClass kMaskEdit{"TXLMaskEdit"};
const TXLEditorClass kComboBox{"TXLComboBox"};
const TXLEditorClass kNumEdit{"TXLNumEdit"};
const TXLEditorClass kDateTimeEdit{"TXLDateTimeEdit"};

} // namespace

void RegisterStandardCellClasses(TXLManager& manager)
{
    // The order gives the registry indexes 0..10.
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
    manager.RegisterCellClass(TXLCFormula::Class(), {"0", "0|c", "0.00", "0.00|c", "#,##0", "#,##0|c", "#,##0.00",
                                                     "#,##0.00|c", "0.##%", "0.##%|c", "0.00%", "0.00%|c"});

    manager.RegisterEditors({&TXLCString::Class()}, {&kPickEdit, &kMemo, &kMaskEdit});
    manager.RegisterEditors({&TXLCStrings::Class()}, {&kMemo, &kPickEdit, &kComboBox});
    manager.RegisterEditors(
        {&TXLCInteger::Class(), &TXLCDouble::Class(), &TXLCCurrency::Class(), &TXLCFormula::Class()}, {&kNumEdit});
    manager.RegisterEditors({&TXLCDateTime::Class()}, {&kDateTimeEdit});
}

} // namespace qv
