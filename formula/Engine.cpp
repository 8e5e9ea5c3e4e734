// The engine's start-up: the registries filled in their fixed order and the formula engine installed.
#include "formula/Engine.h"

#include "cells/StandardCells.h"
#include "formula/ConversionFunctions.h"
#include "formula/FormulaCell.h"
#include "formula/SheetCalculation.h"
#include "sheet/CalcSeam.h"
#include "sheet/Manager.h"

namespace qv {

void InitEngine()
{
    TXLManager& manager = XLManager();
    if (manager.CellClassCount() > 0)
        return;
    RegisterStandardCellClasses(manager);
    // After the ten other classes, so that the formula cell keeps registry index 10.
    manager.RegisterCellClass(TXLCFormula::Class(), {"0", "0|c", "0.00", "0.00|c", "#,##0", "#,##0|c", "#,##0.00",
                                                     "#,##0.00|c", "0.##%", "0.##%|c", "0.00%", "0.00%|c"});
    manager.RegisterEditors({&TXLCFormula::Class()}, {&StandardEditors::NumEdit});
    RegisterConversionFunctions(manager);
    InstallExpressionCalculator(&CalculateOnSheet);
}

} // namespace qv
