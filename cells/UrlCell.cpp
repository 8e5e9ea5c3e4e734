// Link cells.
#include "cells/UrlCell.h"

#include "sheet/Manager.h"

namespace qv {

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
    const auto& shellOpen = XLManager().ShellOpen;
    if (!shellOpen)
        return;
    try {
        shellOpen(Address());
    } catch (const std::exception&) {
        // A failing shell request is not the sheet's concern.
    }
}

} // namespace qv
