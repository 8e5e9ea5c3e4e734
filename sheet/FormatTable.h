// The interned format texts of cells and styles, with their GBK forms for the stream.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace qv {

// Every cell holds a pointer to one stored copy of its format text, so that equal formats cost one string and
// compare by address. Cells are made, loaded and saved in runs of one format: each lookup remembers its last
// answer, so a run costs one comparison per cell.
class TXLFormatTable {
public:
    TXLFormatTable() = default;
    TXLFormatTable(const TXLFormatTable&) = delete;
    TXLFormatTable& operator=(const TXLFormatTable&) = delete;

    // The one stored copy of a format text; stable for the table's life.
    const std::string* Intern(const std::string& format)
    {
        if (!m_lastFormat || *m_lastFormat != format)
            m_lastFormat = &*m_formats.insert(format).first;
        return m_lastFormat;
    }
    // The empty format every new cell starts with.
    const std::string* Empty() const { return m_empty; }
    // The interned format of a stream's GBK bytes.
    const std::string* InternGbk(std::string_view gbk);
    // The GBK bytes of an interned format, for writing; valid until the next call.
    const std::string& Gbk(const std::string* format);

private:
    std::unordered_set<std::string> m_formats;
    const std::string* m_lastFormat = nullptr;
    const std::string* m_empty = &*m_formats.insert(std::string()).first;
    std::string m_lastGbkFormat;
    const std::string* m_lastGbkInterned = nullptr;
    const std::string* m_lastFormatForGbk = nullptr;
    std::string m_lastFormatGbk;
};

} // namespace qv
