// Fuzz target: a sheet built through the API from the input (cells of every class, merged ranges, sizes, hidden
// items, styles) saves, and the sheet read back saves the same bytes.
#include "cells/GroupCell.h"
#include "formula/Engine.h"
#include "platform/ByteStream.h"
#include "sheet/Cell.h"
#include "sheet/GridError.h"
#include "sheet/Manager.h"
#include "sheet/Section.h"
#include "sheet/Sheet.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace qv;

// Small sheets: the fuzzer explores content, not size.
constexpr int kMaxItems = 24;

void Build(FuzzedDataProvider& in, TXLSheet& sheet)
{
    sheet.SetColCount(in.ConsumeIntegralInRange(1, kMaxItems));
    sheet.SetRowCount(in.ConsumeIntegralInRange(1, kMaxItems));
    sheet.SetTitleCols(in.ConsumeIntegralInRange(0, 2));
    sheet.SetTitleRows(in.ConsumeIntegralInRange(0, 2));
    TXLManager& manager = XLManager();
    while (in.remaining_bytes() > 0) {
        const Rect all = sheet.GetSheetRect();
        const int col = in.ConsumeIntegralInRange(all.left, all.right - 1);
        const int row = in.ConsumeIntegralInRange(all.top, all.bottom - 1);
        switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0: {
            const int index = in.ConsumeIntegralInRange(0, manager.CellClassCount() - 1);
            Point local;
            const TXLSector sector = sheet.GetSector(col, row, local);
            TXLCell& cell = sheet.Section(sector).ReplaceCell(local, manager.CellClasses(index));
            cell.SetValue(Variant(in.ConsumeRandomLengthString(24)));
            break;
        }
        case 1:
            sheet.GetCell(col, row).SetValue(Variant(in.ConsumeFloatingPoint<double>()));
            break;
        case 2:
            sheet.GetCell(col, row).SetRect({0, 0, in.ConsumeIntegralInRange(1, 4), in.ConsumeIntegralInRange(1, 4)});
            break;
        case 3:
            sheet.SetSize(col, axCols, in.ConsumeIntegralInRange(-1, 300));
            break;
        case 4:
            sheet.SetVisible(row, axRows, in.ConsumeBool());
            break;
        case 5:
            sheet.GetCell(col, row).SetColor(in.ConsumeIntegral<int32_t>() & 0xFFFFFF);
            break;
        case 6:
            sheet.GetCell(col, row).SetFormat(in.ConsumeRandomLengthString(12));
            break;
        case 7:
            sheet.GetCell(col, row).SetHint(in.ConsumeRandomLengthString(12));
            break;
        }
    }
}

// Loading applies every collapsed group's flag again, over the group's rectangle as it is then. A group merged
// wider after it collapsed, or a governed row shown again by hand, therefore reopens with its governed items
// hidden; the built sheet is brought to that state first.
void ApplyCollapsedGroups(TXLSheet& sheet)
{
    for (TXLSector sector : {sCols, sRows, sTitle, sClient}) {
        TXLSection& section = sheet.Section(sector);
        std::vector<TXLCGroup*> groups;
        section.ForEachCell(section.Bounds(), TXLCellWalk::Existing, [&](TXLCell& cell) {
            if (auto* group = dynamic_cast<TXLCGroup*>(&cell); group && group->Collapsed())
                groups.push_back(group);
            return true;
        });
        for (TXLCGroup* group : groups)
            group->Apply();
    }
}

std::string Saved(TXLSheet& sheet)
{
    ByteWriter writer;
    sheet.SaveToStream(writer);
    return writer.Take();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    InitEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    TXLSheet sheet;
    try {
        Build(in, sheet);
    } catch (const EPlatformError&) {
        // A value a cell refuses, or a merge across another: the sheet stays as far as it got.
    }
    ApplyCollapsedGroups(sheet);
    const std::string first = Saved(sheet);
    TXLSheet reread;
    ByteReader reader(first);
    reread.LoadFromStream(reader);
    if (Saved(reread) != first)
        std::abort();
    return 0;
}
