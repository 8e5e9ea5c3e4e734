// xlsheet: prints a whole-sheet file as JSON or as text, or loads and saves it again.
#include "SheetJson.h"
#include "sheet/Sheet.h"
#include "tools/common/OutputStream.h"
#include "tools/common/ToolMain.h"

#include <iostream>
#include <string>

namespace {

// The client area's display texts, one tab-separated line per row, each ending with its last cell; positions
// inside a merged range but its top-left are empty. Only the cells there are visited, whatever the counts claim.
void PrintText(qv::TXLSheet& sheet, qv::OutputStream& out)
{
    const qv::TXLSection& client = sheet.Section(qv::sClient);
    int printedRows = 0;
    client.ForEachIn(0, sheet.RowCount(), [&](int row, qv::TXLRow* cells) {
        for (; printedRows < row; ++printedRows)
            out.Put('\n');
        int col = 0;
        cells->ForEachIn(0, sheet.ColCount(), [&](int cellCol, qv::TXLCell* cell) {
            for (; col < cellCol; ++col)
                out.Put('\t');
            out.Write(cell->GetDisplayText());
        });
    });
    for (; printedRows < sheet.RowCount(); ++printedRows)
        out.Put('\n');
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app("Prints a whole-sheet file as JSON or as text, or loads and saves it again.", "xlsheet");
    app.footer("Exit status: 0 done, 1 a wrong command line, 2 an unreadable or damaged file, a file that cannot be "
               "saved or an output that cannot be written.");
    app.require_subcommand(1);
    std::string file;
    std::string target;
    CLI::App* dump = app.add_subcommand("dump", "Print the sheet as JSON.");
    dump->add_option("FILE", file, "A whole-sheet file.")->required();
    CLI::App* text = app.add_subcommand("text", "Print the client area's display texts, tab-separated.");
    text->add_option("FILE", file, "A whole-sheet file.")->required();
    CLI::App* resave = app.add_subcommand("resave", "Load IN and save it as OUT.");
    resave->add_option("IN", file, "A whole-sheet file.")->required();
    resave->add_option("OUT", target, "The file to write.")->required();

    return qv::RunTool(app, {.WrongCommandLine = 1, .Error = 2, .UnwritableOutput = 2}, argc, argv, [&] {
        qv::TXLSheet sheet;
        sheet.LoadFromFile(file);
        if (app.got_subcommand(resave)) {
            sheet.SaveToFile(target);
            return 0;
        }
        qv::OutputStream out(std::cout);
        if (app.got_subcommand(dump))
            qv::WriteSheetJson(sheet, out);
        else
            PrintText(sheet, out);
        out.Flush();
        return 0;
    });
}
