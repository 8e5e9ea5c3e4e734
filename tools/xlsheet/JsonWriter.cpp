// JSON output with two-space indentation.
#include "JsonWriter.h"

#include <cmath>
#include <cstdio>

namespace qv {

void JsonWriter::Indent()
{
    m_out << '\n' << std::string(m_hasMembers.size() * 2, ' ');
}

void JsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_hasMembers.empty())
        return;
    if (m_hasMembers.back())
        m_out << ',';
    m_hasMembers.back() = true;
    Indent();
}

JsonWriter& JsonWriter::BeginObject()
{
    BeforeValue();
    m_out << '{';
    m_hasMembers.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::EndObject()
{
    const bool had = m_hasMembers.back();
    m_hasMembers.pop_back();
    if (had)
        Indent();
    m_out << '}';
    if (m_hasMembers.empty())
        m_out << '\n';
    return *this;
}

JsonWriter& JsonWriter::BeginArray()
{
    BeforeValue();
    m_out << '[';
    m_hasMembers.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::EndArray()
{
    const bool had = m_hasMembers.back();
    m_hasMembers.pop_back();
    if (had)
        Indent();
    m_out << ']';
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key)
{
    BeforeValue();
    Quoted(key);
    m_out << ": ";
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view text)
{
    BeforeValue();
    Quoted(text);
    return *this;
}

void JsonWriter::Quoted(std::string_view text)
{
    m_out << '"';
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            m_out << "\\\"";
            break;
        case '\\':
            m_out << "\\\\";
            break;
        case '\n':
            m_out << "\\n";
            break;
        case '\r':
            m_out << "\\r";
            break;
        case '\t':
            m_out << "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                m_out << buf;
            } else {
                m_out << static_cast<char>(c);
            }
        }
    }
    m_out << '"';
}

JsonWriter& JsonWriter::Number(long long value)
{
    BeforeValue();
    m_out << value;
    return *this;
}

JsonWriter& JsonWriter::Number(double value)
{
    BeforeValue();
    if (!std::isfinite(value)) {
        m_out << "null";
        return *this;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", value);
    m_out << buf;
    return *this;
}

JsonWriter& JsonWriter::Boolean(bool value)
{
    BeforeValue();
    m_out << (value ? "true" : "false");
    return *this;
}

JsonWriter& JsonWriter::Null()
{
    BeforeValue();
    m_out << "null";
    return *this;
}

} // namespace qv
