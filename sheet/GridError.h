// The spreadsheet library's exception class.
#pragma once

#include "platform/Errors.h"

namespace qv {

// Errors of the spreadsheet library, with fixed English texts.
class EXLGridError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// A sheet stream or whole-sheet file that ends early or holds impossible values; the message names what was
// damaged and the byte offset.
class EXLStreamError : public EXLGridError {
public:
    using EXLGridError::EXLGridError;
};

} // namespace qv
