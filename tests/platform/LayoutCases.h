// Word-wrap cases shared by the canvases' suites: every canvas must break these texts at the same places.
#pragma once

#include <string>
#include <vector>

namespace qv::test {

// The text is wrapped in a rectangle as wide as Ruler measures on the canvas under test; Lines are what it shows.
struct WrapCase {
    std::string Name;
    std::string Text;
    std::string Ruler;
    std::vector<std::string> Lines;
};

inline const std::vector<WrapCase>& WrapCases()
{
    static const std::vector<WrapCase> cases = {
        {"an amount moves to a line of its own", "合计 12,384,000.00", "12,384,000.00", {"合计", "12,384,000.00"}},
        {"an amount wider than the line stays whole", "12,384,000.00", "12,384", {"12,384,000.00"}},
        {"a negative amount in brackets stays whole", "(1,000.50)", "(1,0", {"(1,000.50)"}},
        {"Latin words break at blanks", "cash flow statement", "cash flow", {"cash flow", "statement"}},
        {"a word wider than the line stays whole", "ab abcdefgh ab", "abc", {"ab", "abcdefgh", "ab"}},
        // No line starts with "，" or "）。", none ends with "（".
        {"CJK breaks between characters by the punctuation rules",
         "流动资产，合计（年末）。",
         "流动资产",
         {"流动资", "产，合计", "（年", "末）。"}},
        {"a year stays with its digits, the ideograph after it may go", "2024年度", "2024年", {"2024年", "度"}},
    };
    return cases;
}

} // namespace qv::test
