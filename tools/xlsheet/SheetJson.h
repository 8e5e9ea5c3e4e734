// A whole sheet as JSON, for inspecting files.
#pragma once

namespace qv {

class OutputStream;
class TXLSheet;

// The JSON the README's xlsheet paragraph describes, streamed into out as it is produced.
void WriteSheetJson(TXLSheet& sheet, OutputStream& out);

} // namespace qv
