// Link cells.
#include "cells/UrlCell.h"

#include "platform/AsciiText.h"
#include "sheet/GridError.h"
#include "sheet/Manager.h"

#include <algorithm>

namespace qv {

namespace {

// A sheet file comes from anywhere: only addresses the desktop gives to a browser or a mail program are opened,
// since other schemes (file:, custom handlers) and bare paths can start programs. Control characters never
// belong to an address and could split it on its way to the desktop.
bool IsOpenableAddress(std::string_view address)
{
    if (std::any_of(address.begin(), address.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        return false;
    const size_t colon = address.find(':');
    if (colon == std::string_view::npos)
        return false;
    const std::string scheme = ToLowerAscii(std::string(address.substr(0, colon)));
    const std::string_view rest = address.substr(colon + 1);
    if (scheme == "mailto")
        return !rest.empty();
    return (scheme == "http" || scheme == "https") && rest.size() > 2 && rest.starts_with("//");
}

} // namespace

const TXLCellClass& TXLCUrl::Class()
{
    static const TXLCellClass cls{"TXLCUrl", MakeCell<TXLCUrl>};
    return cls;
}

std::string TXLCUrl::Address()
{
    std::string address = GetFormatKind();
    return address.empty() ? GetAsString() : address;
}

void TXLCUrl::DblClick()
{
    const std::string address = Address();
    if (address.empty())
        return; // an empty link has nothing to open or to refuse
    if (!IsOpenableAddress(address))
        throw EXLGridError("Refused to open the address '" + address +
                           "': only http, https and mailto addresses are opened");
    const auto& shellOpen = XLManager().Desktop().ShellOpen;
    if (!shellOpen)
        return;
    try {
        shellOpen(address);
    } catch (const std::exception&) {
        // A failing shell request is not the sheet's concern.
    }
}

} // namespace qv
