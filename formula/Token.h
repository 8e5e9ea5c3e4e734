// The token kinds of the formula scanner, in the order whose ranges form the parser's precedence levels.
#pragma once

#include <cstdint>

namespace qv {

// Each precedence level tests a contiguous range: [tkMul, tkAnd] multiplicative, [tkPlus, tkXor] additive,
// [tkEQ, tkNE] comparison. Do not reorder.
enum TXLToken : uint8_t {
    tkEnd,     // end of text, or a character nothing accepts
    tkError,   // a token that began but is not valid
    tkOpen,    // (
    tkClose,   // )
    tkListSep, // , (";" where the decimal separator is ",")
    tkNumber,
    tkRange, // a name starting with $ or holding a colon
    tkString,
    tkName,
    tkMul,    // *
    tkDivide, // /
    tkDiv,
    tkMod,
    tkShl,
    tkShr,
    tkAnd,
    tkNot,
    tkPlus,  // +
    tkMinus, // -
    tkOr,
    tkXor,
    tkEQ, // =
    tkLT, // <
    tkGT, // >
    tkLE, // <=
    tkGE, // >=
    tkNE, // <>
};

} // namespace qv
