// The engine's cell value classes in their fixed registry order, with their format presets and editors.
#include "cells/StringCell.h"
#include "formula/Manager.h"

namespace qv {

namespace {

// Editor classes are known here by name; the editors module gives them their controls.
const TXLEditorClass kPickEdit{"TXLPickEdit"};
const TXLEditorClass kMemo{"TXLMemo"};
const TXLEditorClass kMaskEdit{"TXLMaskEdit"};

} // namespace

void RegisterStandardCellClasses(TXLManager& manager)
{
    manager.RegisterCellClass(TXLCString::Class(), {""});
    manager.RegisterEditors({&TXLCString::Class()}, {&kPickEdit, &kMemo, &kMaskEdit});
}

} // namespace qv
