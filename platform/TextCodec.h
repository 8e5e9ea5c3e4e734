// Conversion between UTF-8 in memory and the GBK (code page 936) text of files, through GB18030.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Every GBK text decodes; bytes that form no character decode as U+FFFD each. A3 A0 decodes as U+E5E5.
std::string GbkToUtf8(std::string_view gbk);
// GBK characters encode as their GBK bytes, others as GB18030 four-byte sequences, U+E5E5 as A3 A0;
// bytes that are not valid UTF-8 encode as '?' each.
std::string Utf8ToGbk(std::string_view utf8);

// U+E5E5 as the blank it stands for (U+3000), for drawing and measuring.
std::string DisplayText(std::string_view utf8);

} // namespace qv
