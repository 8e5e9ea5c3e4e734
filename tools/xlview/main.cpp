// xlview: a whole-sheet file in a grid window, or rendered off screen to a PNG file.
#include "grid/Grid.h"
#include "grid/QtCanvas.h"
#include "sheet/Sheet.h"
#include "tools/common/ToolMain.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <charconv>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Options {
    std::string File;
    int Scale = 100;
    std::optional<qv::Rect> Select;
    std::optional<qv::Point> Current;
    std::optional<std::string> Screenshot;
    qv::Size WindowSize{800, 600};
};

// Integers separated by any of the separators ("," or, for sizes, "x" and "×").
std::vector<int> Numbers(std::string_view text, std::string_view option)
{
    std::vector<int> numbers;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    while (true) {
        int value = 0;
        const auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc())
            throw CLI::ValidationError(std::string(option), "takes numbers, not '" + std::string(text) + "'");
        numbers.push_back(value);
        if (next == end)
            return numbers;
        const std::string_view rest(next, static_cast<size_t>(end - next));
        size_t separator = 0;
        for (std::string_view s : {",", "x", "X", "\xC3\x97"})
            if (rest.substr(0, s.size()) == s)
                separator = s.size();
        if (separator == 0 || separator == rest.size())
            throw CLI::ValidationError(std::string(option), "takes numbers, not '" + std::string(text) + "'");
        at = next + separator;
    }
}

// Exactly count numbers.
std::vector<int> Counted(const std::string& text, std::string_view option, size_t count)
{
    std::vector<int> numbers = Numbers(text, option);
    if (numbers.size() != count)
        throw CLI::ValidationError(std::string(option), "takes " + std::to_string(count) + " numbers");
    return numbers;
}

void DeclareOptions(CLI::App& app, Options& options)
{
    app.add_option("FILE", options.File, "A whole-sheet file.")->required();
    app.add_option_function<std::string>(
           "--scale", [&options](const std::string& text) { options.Scale = Counted(text, "--scale", 1)[0]; },
           "The grid's scale in percent (default: 100).")
        ->type_name("N");
    app.add_option_function<std::string>(
           "--select",
           [&options](const std::string& text) {
               const std::vector<int> n = Counted(text, "--select", 4);
               options.Select = qv::Rect{n[0], n[1], n[2], n[3]};
           },
           "The selection, right and bottom exclusive.")
        ->type_name("L,T,R,B");
    app.add_option_function<std::string>(
           "--current",
           [&options](const std::string& text) {
               const std::vector<int> n = Counted(text, "--current", 2);
               options.Current = qv::Point{n[0], n[1]};
           },
           "The current cell.")
        ->type_name("C,R");
    app.add_option_function<std::string>(
           "--screenshot", [&options](const std::string& text) { options.Screenshot = text; },
           "Render off screen into this PNG file and exit.")
        ->type_name("OUT.png");
    app.add_option_function<std::string>(
           "--size",
           [&options](const std::string& text) {
               const std::vector<int> n = Counted(text, "--size", 2);
               if (n[0] <= 0 || n[1] <= 0)
                   throw CLI::ValidationError("--size", "takes a positive width and height");
               options.WindowSize = {n[0], n[1]};
           },
           "The window's or the image's size (default: 800x600).")
        ->type_name("WxH");
}

int Run(const Options& options, QApplication& app)
{
    qv::InstallQtMeasureCanvas();
    qv::TXLSheet sheet;
    sheet.LoadFromFile(options.File);

    // As the application's statement pages have it.
    qv::TXLGrid grid;
    grid.SetOptions(qv::kDefaultOptions | qv::OptionBit(qv::oColSizing));
    grid.SetColor(qv::clBtnFace);
    grid.SetScale(options.Scale);
    grid.SetSheet(&sheet);
    grid.resize(options.WindowSize.cx, options.WindowSize.cy);
    grid.setWindowTitle(QString::fromStdString(options.File));
    grid.show();

    qv::TXLView& body = grid.View(qv::sClient);
    if (options.Current)
        body.SetCurrent(*options.Current, qv::TXLCollapse::Collapse, qv::TXLReveal::MakeVisible);
    if (options.Select) {
        body.Select(*options.Select, body.Current());
    } else if (options.Current) {
        // A cell that is current already (0,0 after loading) is not selected yet and would not show.
        const qv::Point cell = body.Current();
        body.Select({cell.x, cell.y, cell.x + 1, cell.y + 1}, cell);
    }

    if (!options.Screenshot)
        return app.exec();
    QApplication::processEvents();
    const QImage image = grid.grab().toImage();
    if (!image.save(QString::fromStdString(*options.Screenshot), "PNG")) {
        std::cerr << "xlview: cannot write " << *options.Screenshot << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app("Shows a whole-sheet file in the grid, as the application's statement pages do; with --screenshot "
                 "renders it off screen (QT_QPA_PLATFORM=offscreen unless a platform is chosen) and exits. Cells "
                 "are client cells counted from 0.",
                 "xlview");
    app.footer("Exit status: 0 done, 1 a wrong command line, an unwritable image or output, 2 an unreadable sheet "
               "file.");
    Options options;
    DeclareOptions(app, options);
    return qv::RunTool(app, {.WrongCommandLine = 1, .Error = 2, .UnwritableOutput = 1}, argc, argv, [&] {
        // Headless unless the caller chose a platform.
        if (options.Screenshot && !std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        QApplication application(argc, argv);
        return Run(options, application);
    });
}
