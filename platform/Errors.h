// The runtime layer's exceptions: one base carrying a message, and the kinds the engine and the application rely on.
#pragma once

#include <stdexcept>
#include <string>

namespace qv {

// Base of every error the program reports to the user; Message() is the text shown.
class EPlatformError : public std::runtime_error {
public:
    explicit EPlatformError(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// Text that does not read as the requested kind, e.g. "'abc' is not a valid floating point value".
class EConvertError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// Floating-point (and currency) division of a non-zero value by zero.
class EZeroDivide : public EPlatformError {
public:
    EZeroDivide() : EPlatformError("Floating point division by zero") {}
};

// 0 / 0, overflow of a currency amount or an integer, NaN where a number is required.
class EInvalidOp : public EPlatformError {
public:
    EInvalidOp() : EPlatformError("Invalid floating point operation") {}
};

// Integer division or modulo by zero.
class EDivByZero : public EPlatformError {
public:
    EDivByZero() : EPlatformError("Division by zero") {}
};

// A value kind that cannot become the requested kind at all (Null to a number, for example).
class EVariantError : public EPlatformError {
public:
    EVariantError() : EPlatformError("Invalid variant type conversion") {}
};

// A file that cannot be read, created or replaced; the message names the file and the reason.
class EFileError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

} // namespace qv
