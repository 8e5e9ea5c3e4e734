// iconv-based GB18030 codec with the repairs iconv does not make on its own.
#include "platform/TextCodec.h"

#include <cerrno>
#include <iconv.h>

namespace qv {

namespace {

constexpr std::string_view kIndentUtf8 = "\xEE\x97\xA5"; // U+E5E5
constexpr std::string_view kIndentGbk = "\xA3\xA0";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80"; // U+3000

bool IsAscii(std::string_view s)
{
    for (unsigned char c : s)
        if (c >= 0x80)
            return false;
    return true;
}

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns the number of input bytes consumed before a stop.
    size_t Convert(std::string_view in, std::string& out)
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            return 0;
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buffer[4096];
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc == static_cast<size_t>(-1) && errno != E2BIG)
                break;
        }
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        return in.size() - srcLeft;
    }

private:
    iconv_t m_cd;
};

// Length of the UTF-8 sequence starting at s[0], 0 when it is not a valid one.
size_t Utf8SequenceLength(std::string_view s)
{
    const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const auto continuation = [&](size_t i) { return i < s.size() && (b(i) & 0xC0) == 0x80; };
    if (s.empty())
        return 0;
    const unsigned char lead = b(0);
    if (lead < 0x80)
        return 1;
    size_t n = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (lead >= 0xF5)
        n = 0;
    for (size_t i = 1; i < n; ++i)
        if (!continuation(i))
            return 0;
    if (n == 3 && ((lead == 0xE0 && b(1) < 0xA0) || (lead == 0xED && b(1) >= 0xA0)))
        return 0; // overlong or surrogate
    if (n == 4 && ((lead == 0xF0 && b(1) < 0x90) || (lead == 0xF4 && b(1) >= 0x90)))
        return 0;
    return n;
}

} // namespace

std::string GbkToUtf8(std::string_view gbk)
{
    if (IsAscii(gbk))
        return std::string(gbk);
    Converter converter("UTF-8", "GB18030");
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    while (!gbk.empty()) {
        gbk.remove_prefix(converter.Convert(gbk, out));
        if (gbk.empty())
            break;
        if (gbk.substr(0, 2) == kIndentGbk) {
            out += kIndentUtf8;
            gbk.remove_prefix(2);
        } else {
            out += kReplacementUtf8;
            gbk.remove_prefix(1);
        }
    }
    return out;
}

std::string Utf8ToGbk(std::string_view utf8)
{
    if (IsAscii(utf8))
        return std::string(utf8);
    Converter converter("GB18030", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        utf8.remove_prefix(converter.Convert(utf8, out));
        if (utf8.empty())
            break;
        if (utf8.substr(0, kIndentUtf8.size()) == kIndentUtf8) {
            out += kIndentGbk;
            utf8.remove_prefix(kIndentUtf8.size());
            continue;
        }
        // A character iconv cannot map, or a byte that starts no character: one '?' for it.
        const size_t n = Utf8SequenceLength(utf8);
        out += '?';
        utf8.remove_prefix(n == 0 ? 1 : n);
    }
    return out;
}

std::string DisplayText(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (true) {
        const size_t hit = utf8.find(kIndentUtf8, pos);
        out.append(utf8.substr(pos, hit == std::string_view::npos ? std::string_view::npos : hit - pos));
        if (hit == std::string_view::npos)
            return out;
        out += kIdeographicSpace;
        pos = hit + kIndentUtf8.size();
    }
}

} // namespace qv
