// Writing and reading the typed values of component streams.
#include "platform/ComponentStream.h"

namespace qv {

void ComponentWriter::WriteShortString(ByteWriter& writer, std::string_view bytes)
{
    bytes = bytes.substr(0, 255);
    writer.WriteByte(static_cast<uint8_t>(bytes.size()));
    writer.WriteBytes(bytes);
}

void ComponentWriter::BeginObject(std::string_view className, std::string_view objectName)
{
    m_writer.WriteBytes("TPF0");
    WriteShortString(m_writer, className);
    WriteShortString(m_writer, objectName);
}

void ComponentWriter::EndObject()
{
    m_writer.WriteByte(0); // end of properties
    m_writer.WriteByte(0); // no children
}

void ComponentWriter::WriteInteger(std::string_view name, int32_t value)
{
    Name(name);
    if (value >= INT8_MIN && value <= INT8_MAX) {
        Type(ValueType::Int8);
        m_writer.WriteByte(static_cast<uint8_t>(static_cast<int8_t>(value)));
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
        Type(ValueType::Int16);
        m_writer.WriteInt16(static_cast<int16_t>(value));
    } else {
        Type(ValueType::Int32);
        m_writer.WriteInt32(value);
    }
}

void ComponentWriter::WriteString(std::string_view name, std::string_view bytes)
{
    Name(name);
    if (bytes.size() <= 255) {
        Type(ValueType::String);
        WriteShortString(m_writer, bytes);
    } else {
        Type(ValueType::LongString);
        m_writer.WriteString(bytes);
    }
}

void ComponentWriter::WriteIdent(std::string_view name, std::string_view ident)
{
    Name(name);
    Type(ValueType::Ident);
    WriteShortString(m_writer, ident);
}

void ComponentWriter::WriteBoolean(std::string_view name, bool value)
{
    Name(name);
    Type(value ? ValueType::True : ValueType::False);
}

void ComponentWriter::WriteSet(std::string_view name, const std::vector<std::string>& members)
{
    Name(name);
    Type(ValueType::Set);
    for (const std::string& member : members)
        WriteShortString(m_writer, member);
    m_writer.WriteByte(0);
}

void ComponentWriter::WriteBinary(std::string_view name, std::string_view bytes)
{
    Name(name);
    Type(ValueType::Binary);
    m_writer.WriteString(bytes);
}

size_t ComponentWriter::BeginBinary(std::string_view name)
{
    Name(name);
    Type(ValueType::Binary);
    const size_t at = m_writer.Size();
    m_writer.WriteInt32(0);
    return at;
}

void ComponentWriter::EndBinary(size_t lengthAt)
{
    m_writer.PatchLength(lengthAt, m_writer.Size() - lengthAt - 4, "a binary property");
}

std::string_view ComponentReader::ReadShortString(ByteReader& reader, const char* what)
{
    const uint8_t length = reader.ReadByte(what);
    return reader.ReadBytes(length, what);
}

std::string ComponentReader::BeginObject(std::string& className)
{
    const size_t at = m_reader.Offset();
    if (m_reader.Remaining() < 4 || m_reader.ReadBytes(4, "signature") != "TPF0")
        throw EReadError("no component stream signature", at);
    className = std::string(ReadShortString(m_reader, "class name"));
    return std::string(ReadShortString(m_reader, "object name"));
}

bool ComponentReader::NextProperty(std::string& name)
{
    const uint8_t length = m_reader.ReadByte("property name");
    if (length == 0)
        return false;
    name = std::string(m_reader.ReadBytes(length, "property name"));
    return true;
}

ComponentValue ComponentReader::ReadValue()
{
    const size_t at = m_reader.Offset();
    ComponentValue v;
    v.Type = static_cast<ValueType>(m_reader.ReadByte("value type"));
    switch (v.Type) {
    case ValueType::Int8:
        v.Integer = static_cast<int8_t>(m_reader.ReadByte("integer"));
        break;
    case ValueType::Int16:
        v.Integer = m_reader.ReadInt16("integer");
        break;
    case ValueType::Int32:
        v.Integer = m_reader.ReadInt32("integer");
        break;
    case ValueType::String:
    case ValueType::Ident:
        v.Text = ReadShortString(m_reader, "string");
        break;
    case ValueType::LongString:
    case ValueType::Binary: {
        const int32_t count = m_reader.ReadInt32("length");
        if (count < 0 || static_cast<size_t>(count) > m_reader.Remaining())
            throw EReadError("a value length of " + std::to_string(count) + " beyond the end", at + 1);
        v.Text = m_reader.ReadBytes(static_cast<size_t>(count), "value");
        break;
    }
    case ValueType::False:
    case ValueType::True:
        v.Boolean = v.Type == ValueType::True;
        break;
    case ValueType::Set:
        for (std::string_view member; !(member = ReadShortString(m_reader, "set member")).empty();)
            v.Members.emplace_back(member);
        break;
    default:
        throw EReadError("unknown value type " + std::to_string(static_cast<int>(v.Type)), at);
    }
    return v;
}

void ComponentReader::EndObject()
{
    const size_t at = m_reader.Offset();
    if (m_reader.ReadByte("children") != 0)
        throw EReadError("a sheet holds no child components", at);
}

} // namespace qv
