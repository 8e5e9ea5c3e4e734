// xlview: a whole-sheet file in a grid window, or rendered off screen to a PNG file.
#include "formula/Engine.h"
#include "grid/Grid.h"
#include "grid/QtCanvas.h"
#include "platform/Errors.h"
#include "sheet/Sheet.h"

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

constexpr const char* kUsage =
    "usage: xlview FILE [--scale N] [--select L,T,R,B] [--current C,R] [--screenshot OUT.png --size WxH]\n"
    "Shows the sheet in a window; with --screenshot renders it off screen (QT_QPA_PLATFORM=offscreen by default)\n"
    "into a PNG of the given size (800x600 without --size) and exits. Cells are client ones, counted from 0;\n"
    "--select takes the right and bottom exclusive.\n"
    "Exit status: 0 done, 1 a wrong command line or an unwritable image, 2 an unreadable sheet file.\n";

struct UsageError {
    std::string Message;
};

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
            throw UsageError{std::string(option) + " takes numbers, not '" + std::string(text) + "'"};
        numbers.push_back(value);
        if (next == end)
            return numbers;
        const std::string_view rest(next, static_cast<size_t>(end - next));
        size_t separator = 0;
        for (std::string_view s : {",", "x", "X", "\xC3\x97"})
            if (rest.substr(0, s.size()) == s)
                separator = s.size();
        if (separator == 0 || separator == rest.size())
            throw UsageError{std::string(option) + " takes numbers, not '" + std::string(text) + "'"};
        at = next + separator;
    }
}

Options ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw UsageError{arg + " needs a value"};
            return argv[++i];
        };
        auto counted = [&](size_t count) {
            const std::vector<int> numbers = Numbers(value(), arg);
            if (numbers.size() != count)
                throw UsageError{arg + " takes " + std::to_string(count) + " numbers"};
            return numbers;
        };
        if (arg == "--scale") {
            options.Scale = counted(1)[0];
        } else if (arg == "--select") {
            const std::vector<int> n = counted(4);
            options.Select = qv::Rect{n[0], n[1], n[2], n[3]};
        } else if (arg == "--current") {
            const std::vector<int> n = counted(2);
            options.Current = qv::Point{n[0], n[1]};
        } else if (arg == "--screenshot") {
            options.Screenshot = value();
        } else if (arg == "--size") {
            const std::vector<int> n = counted(2);
            if (n[0] <= 0 || n[1] <= 0)
                throw UsageError{"--size takes a positive width and height"};
            options.WindowSize = {n[0], n[1]};
        } else if (!arg.empty() && arg[0] == '-') {
            throw UsageError{"unknown option " + arg};
        } else if (options.File.empty()) {
            options.File = arg;
        } else {
            throw UsageError{"one file only"};
        }
    }
    if (options.File.empty())
        throw UsageError{"no sheet file given"};
    return options;
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
    if (options.Select)
        body.Select(*options.Select, body.Current());

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
    qv::InitEngine();
    Options options;
    try {
        options = ParseOptions(argc, argv);
    } catch (const UsageError& e) {
        std::cerr << "xlview: " << e.Message << '\n' << kUsage;
        return 1;
    }
    // Headless unless the caller chose a platform.
    if (options.Screenshot && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    try {
        return Run(options, app);
    } catch (const qv::EPlatformError& e) {
        std::cerr << "xlview: " << e.Message() << '\n';
        return 2;
    }
}
