// xlsheet: prints a whole-sheet file as JSON or as text, or loads and saves it again.
#include "SheetJson.h"
#include "formula/Engine.h"
#include "platform/CommandMain.h"
#include "sheet/Sheet.h"

#include <iostream>
#include <string>

namespace {

constexpr const char* kUsage = "usage: xlsheet dump FILE | xlsheet text FILE | xlsheet resave IN OUT\n";

// The client area's display texts, one tab-separated line per row; positions inside a merged range but its
// top-left are empty.
void PrintText(qv::TXLSheet& sheet)
{
    qv::TXLSection& client = sheet.Section(qv::sClient);
    for (int row = 0; row < sheet.RowCount(); ++row) {
        std::string line;
        for (int col = 0; col < sheet.ColCount(); ++col) {
            if (col > 0)
                line += '\t';
            const qv::TXLRow* cells = client.Get(row);
            if (qv::TXLCell* cell = cells ? cells->Get(col) : nullptr)
                line += cell->GetDisplayText();
        }
        std::cout << line << '\n';
    }
}

int Run(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (!((command == "dump" || command == "text") && argc == 3) && !(command == "resave" && argc == 4)) {
        std::cerr << kUsage;
        return 1;
    }
    qv::TXLSheet sheet;
    sheet.LoadFromFile(argv[2]);
    if (command == "dump")
        qv::WriteSheetJson(sheet, std::cout);
    else if (command == "text")
        PrintText(sheet);
    else
        sheet.SaveToFile(argv[3]);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qv::InitEngine();
    return qv::RunCommand("xlsheet", 2, Run, argc, argv);
}
