// Line-preserving INI reading and writing.
#include "platform/IniFile.h"

#include "platform/AsciiText.h"
#include "platform/AtomicFile.h"
#include "platform/Errors.h"
#include "platform/TextCodec.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace qv {

namespace {

std::string Trim(std::string_view s)
{
    return std::string(TrimSpace(s));
}

// The name of a "[name]" line, or nothing.
bool SectionName(const std::string& line, std::string& name)
{
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[')
        return false;
    const size_t close = t.find(']');
    if (close == std::string::npos)
        return false;
    name = Trim(std::string_view(t).substr(1, close - 1));
    return true;
}

bool IsComment(const std::string& t)
{
    return t.empty() || t[0] == ';' || t[0] == '#';
}

// The key and value of a "key=value" line, or nothing.
bool KeyValue(const std::string& line, std::string& key, std::string& value)
{
    const std::string t = Trim(line);
    const size_t eq = t.find('=');
    if (IsComment(t) || eq == std::string::npos)
        return false;
    key = Trim(std::string_view(t).substr(0, eq));
    value = Trim(std::string_view(t).substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return true;
}

bool ParseInteger(const std::string& text, int& out)
{
    std::string t = Trim(text);
    bool negative = false;
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
        negative = t[0] == '-';
        t.erase(0, 1);
    }
    int base = 10;
    if (t.size() > 1 && t[0] == '$')
        base = 16, t.erase(0, 1);
    else if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X'))
        base = 16, t.erase(0, 2);
    if (t.empty())
        return false;
    long long v = 0;
    for (char c : t) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : base == 16 && std::isxdigit(static_cast<unsigned char>(c))
                              ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                              : -1;
        if (digit < 0)
            return false;
        v = v * base + digit;
        if (v > 0x100000000LL)
            return false;
    }
    v = negative ? -v : v;
    if (v < INT32_MIN || v > INT32_MAX)
        return false;
    out = static_cast<int>(v);
    return true;
}

} // namespace

IniFile::IniFile(std::string path) : m_path(std::move(path))
{
    std::ifstream in(m_path, std::ios::binary);
    if (!in) {
        if (errno == ENOENT)
            return;
        throw EFileError("Cannot open file \"" + m_path + "\". " + std::strerror(errno));
    }
    std::ostringstream content;
    content << in.rdbuf();
    const std::string text = content.str();
    if (text.find("\r\n") != std::string::npos)
        m_lineEnd = "\r\n";
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        m_lines.push_back(std::move(line));
        start = end + 1;
    }
}

IniFile::Location IniFile::Find(const std::string& section, const std::string& key) const
{
    Location loc;
    const std::string wantedSection = Utf8ToGbk(section);
    const std::string wantedKey = Utf8ToGbk(key);
    bool inside = false;
    std::string name, k, v;
    for (int i = 0; i < static_cast<int>(m_lines.size()); ++i) {
        if (SectionName(m_lines[i], name)) {
            if (inside)
                break; // a section ends at the next one; the first section of that name counts
            inside = EqualsIgnoreCase(name, wantedSection);
            if (inside)
                loc.sectionLine = loc.insertAt = i;
            continue;
        }
        if (!inside || !KeyValue(m_lines[i], k, v))
            continue;
        loc.insertAt = i;
        if (EqualsIgnoreCase(k, wantedKey) && loc.keyLine < 0)
            loc.keyLine = i;
    }
    return loc;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const
{
    const Location loc = Find(section, key);
    std::string k, v;
    if (loc.keyLine < 0 || !KeyValue(m_lines[loc.keyLine], k, v))
        return def;
    return GbkToUtf8(v);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int def) const
{
    int value = def;
    return ParseInteger(ReadString(section, key, ""), value) ? value : def;
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    const Location loc = Find(section, key);
    const std::string line = Utf8ToGbk(key) + "=" + Utf8ToGbk(value);
    if (loc.keyLine >= 0) {
        // Keep the key as the file spells it.
        std::string k, v;
        KeyValue(m_lines[loc.keyLine], k, v);
        m_lines[loc.keyLine] = k + "=" + Utf8ToGbk(value);
    } else if (loc.sectionLine >= 0) {
        m_lines.insert(m_lines.begin() + loc.insertAt + 1, line);
    } else {
        if (!m_lines.empty() && !Trim(m_lines.back()).empty())
            m_lines.emplace_back();
        m_lines.push_back("[" + Utf8ToGbk(section) + "]");
        m_lines.push_back(line);
    }
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void IniFile::UpdateFile() const
{
    std::string text;
    for (const std::string& line : m_lines)
        text += line + m_lineEnd;
    WriteFileAtomically(m_path, text);
}

} // namespace qv
