// Fuzz target: arbitrary bytes as a whole-sheet file and as a sheet stream must end in a sheet or one error; a sheet
// read must write again, give every cell's display text and paint.
#include "SheetPaint.h"
#include "formula/Engine.h"
#include "platform/ByteStream.h"
#include "sheet/GridError.h"
#include "sheet/Sheet.h"

#include <cstdint>
#include <string_view>

namespace {

void Load(std::string_view bytes, bool wholeFile)
{
    qv::TXLSheet sheet;
    qv::ByteReader reader(bytes);
    try {
        if (wholeFile)
            sheet.LoadFromStream(reader);
        else
            sheet.ReadData(reader);
    } catch (const qv::EXLGridError&) {
        return;
    }
    // What was read must write again.
    qv::ByteWriter writer;
    sheet.WriteData(writer);
    sheet.IterateCells(sheet.GetSheetRect(), qv::TXLCellWalk::Existing, [](qv::TXLCell& cell) {
        try {
            cell.GetDisplayText();
        } catch (const qv::EPlatformError&) {
            // A value that cannot show raises its conversion error.
        }
        return true;
    });
    qv::fuzz::SheetPaint(sheet).PaintAll();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qv::InitEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Load(bytes, true);
    Load(bytes, false);
    return 0;
}
