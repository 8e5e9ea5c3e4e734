// The formula errors: syntax, unknown names and circular evaluation, each with the position it was found at.
#pragma once

#include "sheet/GridError.h"

#include <string>
#include <string_view>

namespace qv {

// Base of the formula errors. Position counts the bytes of the formula text consumed when the error was found
// (the offending token already read); 0 for a circular evaluation.
class EXLFormula : public EXLGridError {
public:
    EXLFormula(const std::string& message, int position) : EXLGridError(message), m_position(position) {}
    int Position() const { return m_position; }

private:
    int m_position;
};

// Malformed text: "Syntax Error", or "Syntax Error: <detail>".
class EXLSyntax : public EXLFormula {
public:
    explicit EXLSyntax(int position) : EXLFormula("Syntax Error", position) {}
    EXLSyntax(std::string_view detail, int position) : EXLFormula("Syntax Error: " + std::string(detail), position) {}
};

// A name no resolver knows: "Unknown Identifier: <name as written>" ("<name>()" for a function).
class EXLUnknown : public EXLFormula {
public:
    EXLUnknown(std::string_view name, int position) : EXLFormula("Unknown Identifier: " + std::string(name), position)
    {
    }
};

// A formula cell evaluated while its own evaluation is still running.
class EXLCircular : public EXLFormula {
public:
    EXLCircular() : EXLFormula("Circular Reference", 0) {}
};

} // namespace qv
