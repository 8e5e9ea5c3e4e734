// Link cells hand their address to the shell-open hook on a double click.
#include "cells/UrlCell.h"
#include "CellTestSheet.h"
#include "sheet/GridError.h"
#include "sheet/Manager.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// Installs a recording shell-open hook and removes it again.
class ShellHook {
public:
    ShellHook()
    {
        XLManager().Desktop().ShellOpen = [this](const std::string& address) { Opened.push_back(address); };
    }
    ~ShellHook() { XLManager().Desktop().ShellOpen = nullptr; }
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

TEST(TXLCUrl, OnlyHttpHttpsAndMailtoAddressesReachTheShell)
{
    struct Case {
        std::string format;
        std::string text;
        bool opened;
    };
    const Case cases[] = {
        {"", "HTTPS://example.cn/x", true},
        {"", "Http://example.cn", true},
        {"", "MAILTO:a@b.cn", true},
        {"|https://example.cn", "", true},
        {"", "file:///etc/passwd", false},
        {"|file:///home/u/run.sh", "http://example.cn", false}, // the format's address is the one opened
        {"", "javascript:alert(1)", false},
        {"", "myapp://do?x", false},
        {"", "/usr/bin/xterm", false},
        {"", "run.sh", false},
        {"", "http:example.cn", false},
        {"", "https://", false},
        {"", "mailto:", false},
        {"", " http://a.cn", false},
        {"", "http://a.cn\n--help", false},
    };
    for (const Case& c : cases) {
        ShellHook hook;
        TXLSheet sheet;
        auto& cell = test::PlaceCell<TXLCUrl>(sheet);
        cell.SetAsString(c.text);
        cell.SetFormat(c.format);
        const std::string address = cell.Address();
        if (c.opened) {
            EXPECT_NO_THROW(cell.DblClick()) << address;
            EXPECT_EQ(hook.Opened, std::vector<std::string>{address});
            continue;
        }
        try {
            cell.DblClick();
            ADD_FAILURE() << "opened " << address;
        } catch (const EXLGridError& e) {
            EXPECT_EQ(e.Message(), "Refused to open the address '" + address +
                                       "': only http, https and mailto addresses are opened");
        }
        EXPECT_TRUE(hook.Opened.empty()) << address;
    }
}

TEST(TXLCUrl, RefusalDoesNotDependOnAHookAndAnEmptyLinkDoesNothing)
{
    TXLSheet sheet;
    auto& cell = test::PlaceCell<TXLCUrl>(sheet);
    cell.SetAsString("file:///etc/passwd");
    EXPECT_THROW(cell.DblClick(), EXLGridError);
    ShellHook hook;
    cell.SetAsString("");
    EXPECT_NO_THROW(cell.DblClick());
    EXPECT_TRUE(hook.Opened.empty());
}

TEST(TXLCUrl, WithoutAHookOrWithAFailingOneNothingHappens)
{
    TXLSheet sheet;
    auto& cell = test::PlaceCell<TXLCUrl>(sheet);
    cell.SetAsString("http://a.cn");
    EXPECT_NO_THROW(cell.DblClick());
    XLManager().Desktop().ShellOpen = [](const std::string&) { throw EPlatformError("no browser"); };
    EXPECT_NO_THROW(cell.DblClick());
    XLManager().Desktop().ShellOpen = nullptr;
}

} // namespace
} // namespace qv
