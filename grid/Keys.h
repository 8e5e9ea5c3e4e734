// Keys as the grid's key handling sees them, without a toolkit: the keys it acts on and the modifiers held (also
// for the mouse).
#pragma once

#include <cstdint>

namespace qv {

// The keys the key map acts on; every other key is Other.
enum class TXLKey : uint8_t { Other, Tab, PageUp, PageDown, End, Home, Left, Up, Right, Down, F2 };

// The modifiers of a key or mouse event; a mouse event also carries its buttons and whether it is a double click.
enum TXLShiftBit : uint8_t {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TXLShiftState = uint8_t; // a set of TXLShiftBit

struct TXLKeyStroke {
    TXLKey Key = TXLKey::Other;
    TXLShiftState Shift = 0;

    bool Has(TXLShiftBit bit) const { return (Shift & bit) != 0; }
};

// Character codes the key press handling tells apart.
inline constexpr char32_t kCharBackspace = 8;
inline constexpr char32_t kCharEnter = 13;
inline constexpr char32_t kCharEscape = 27;
inline constexpr char32_t kCharBlank = 32;

} // namespace qv
