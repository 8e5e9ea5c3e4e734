// The engine's one start-up call: fills the registries of cell classes and formula functions.
#pragma once

namespace qv {

// Registers the cell value classes (in their fixed order, the formula cell last) and the formula functions, and
// installs the formula seams the sheet calls. Idempotent; every program and test calls it before reading a sheet.
void InitEngine();

} // namespace qv
