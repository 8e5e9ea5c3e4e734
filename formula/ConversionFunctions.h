// The conversion functions every formula can call.
#pragma once

namespace qv {

class TXLManager;

// Registers STRING, INTEGER, BOOLEAN, CURRENCY, DATETIME and DOUBLE; each converts its first argument and ignores
// the others.
void RegisterConversionFunctions(TXLManager& manager);

} // namespace qv
