// The five sheets of the financial analysis and the templates they start from.
#pragma once

#include "sheet/Sheet.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace qv {

// The sheets in the order of the document window's pages (and of clearing).
enum TFinSheet : uint8_t { fsBalanceSheet, fsIncomeStatement, fsCashFlow, fsRatios, fsDuPont };
inline constexpr int kFinSheetCount = 5;
// The sheets saved in files: all but the DuPont table.
inline constexpr TFinSheet kSavedSheets[] = {fsBalanceSheet, fsIncomeStatement, fsCashFlow, fsRatios};
// The sheets the user fills in.
inline constexpr TFinSheet kStatementSheets[] = {fsBalanceSheet, fsIncomeStatement, fsCashFlow};

// "XLSheet1" ... "XLSheet4", "Sheet_DuPont".
std::string_view SheetComponentName(TFinSheet sheet);
// "zcfz.dat", "sy.dat", "xjll.dat", "cwfx.dat"; empty for the DuPont table.
std::string_view SheetFileName(TFinSheet sheet);
// The rows the template defines (its RowCount): the statement lines the program knows.
int TemplateRowCount(TFinSheet sheet);
// The embedded sheet stream of the template (WriteData bytes), valid for the program's life.
std::string_view TemplateStream(TFinSheet sheet);
// A new sheet holding the template: its component name and counts set, then its stream read by ReadData, the
// reader of every sheet stream.
std::unique_ptr<TXLSheet> CreateTemplateSheet(TFinSheet sheet);

} // namespace qv
