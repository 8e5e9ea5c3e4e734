// Quoted literals of the number and date-time pattern languages.
#pragma once

#include <string_view>

namespace qv {

inline bool IsQuote(char c)
{
    return c == '\'' || c == '"';
}

// The quoted literal opening at `i`: its text, and the index just past it (an unclosed quote runs to the end).
inline std::string_view QuotedText(std::string_view s, size_t i, size_t& next)
{
    const size_t close = s.find(s[i], i + 1);
    next = close == std::string_view::npos ? s.size() : close + 1;
    return s.substr(i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1);
}

} // namespace qv
