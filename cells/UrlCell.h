// Link cells: text whose double click opens an address through the shell.
#pragma once

#include "cells/StringCell.h"

namespace qv {

class TXLCUrl : public TXLCString {
public:
    static const TXLCellClass& Class();
    const TXLCellClass* GetCellClass() const override { return &Class(); }

    // The address: Format's option part (after "|", lower-cased), or the text when that is empty.
    std::string Address();
    // Hands the address to the manager's ShellOpen when the application installed one; the outcome is not checked.
    // Only an http or https address ("scheme://...") or a mailto address, the scheme in any letter case, is handed
    // on; any other (file:, javascript:, a custom scheme, a bare path, control characters) raises EXLGridError
    // "Refused to open the address '<address>': only http, https and mailto addresses are opened", also without a
    // hook. An empty address does nothing.
    void DblClick() override;
};

} // namespace qv
