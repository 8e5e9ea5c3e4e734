// Reading UTF-8 text one character at a time.
#pragma once

#include <cstddef>
#include <string_view>

namespace qv {

// Decodes the character at pos (< text.size()) and moves pos past it; an invalid or cut-off sequence is one U+FFFD
// for its first byte, so every byte is consumed at most once.
inline char32_t DecodeUtf8(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    const int length = lead < 0x80 ? 1 : lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return U'\uFFFD';
    }
    char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return U'\uFFFD';
        }
        code = (code << 6) | (next & 0x3F);
    }
    pos += length;
    return code;
}

} // namespace qv
