// A whole sheet as JSON, for inspecting files.
#pragma once

#include <ostream>

namespace qv {

class TXLSheet;

void WriteSheetJson(TXLSheet& sheet, std::ostream& out);

} // namespace qv
