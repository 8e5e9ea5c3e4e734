// The interned format texts and their GBK forms.
#include "sheet/FormatTable.h"

#include "platform/TextCodec.h"

namespace qv {

const std::string* TXLFormatTable::InternGbk(std::string_view gbk)
{
    if (!m_lastGbkInterned || gbk != m_lastGbkFormat) {
        m_lastGbkInterned = Intern(GbkToUtf8(gbk));
        m_lastGbkFormat = gbk;
    }
    return m_lastGbkInterned;
}

const std::string& TXLFormatTable::Gbk(const std::string* format)
{
    if (format != m_lastFormatForGbk) {
        m_lastFormatGbk = Utf8ToGbk(*format);
        m_lastFormatForGbk = format;
    }
    return m_lastFormatGbk;
}

} // namespace qv
