// The spreadsheet library's exception class.
#pragma once

#include "platform/Errors.h"

namespace qv {

// Errors of the spreadsheet library, with fixed English texts.
class EXLGridError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

} // namespace qv
