// Link cells hand their address to the shell-open hook on a double click.
#include "cells/UrlCell.h"
#include "CellTestSheet.h"
#include "sheet/Manager.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// Installs a recording shell-open hook and removes it again.
class ShellHook {
public:
    ShellHook()
    {
        XLManager().ShellOpen = [this](const std::string& address) { Opened.push_back(address); };
    }
    ~ShellHook() { XLManager().ShellOpen = nullptr; }
    ShellHook(const ShellHook&) = delete;
    ShellHook& operator=(const ShellHook&) = delete;

    std::vector<std::string> Opened;
};

TEST(TXLCUrl, DoubleClickOpensTheOptionPartOrElseTheText)
{
    struct Case {
        std::string format;
        std::string text;
        std::string address;
    };
    const Case cases[] = {
        {"", "http://example.cn/a", "http://example.cn/a"},
        {"|HTTP://Example.CN", "show this", "http://example.cn"}, // the option part is read in lower case
        {"|", "mailto:x@y.cn", "mailto:x@y.cn"},
    };
    for (const Case& c : cases) {
        ShellHook hook;
        TXLSheet sheet;
        auto& cell = test::PlaceCell<TXLCUrl>(sheet);
        cell.SetAsString(c.text);
        cell.SetFormat(c.format);
        cell.DblClick();
        EXPECT_EQ(hook.Opened, std::vector<std::string>{c.address}) << c.format;
        EXPECT_EQ(cell.GetDisplayText(), c.text);
    }
}

TEST(TXLCUrl, WithoutAHookOrWithAFailingOneNothingHappens)
{
    TXLSheet sheet;
    auto& cell = test::PlaceCell<TXLCUrl>(sheet);
    cell.SetAsString("http://a.cn");
    EXPECT_NO_THROW(cell.DblClick());
    XLManager().ShellOpen = [](const std::string&) { throw EPlatformError("no browser"); };
    EXPECT_NO_THROW(cell.DblClick());
    XLManager().ShellOpen = nullptr;
}

} // namespace
} // namespace qv
