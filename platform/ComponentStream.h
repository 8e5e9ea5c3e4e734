// The component stream of whole-sheet files: a signature, class and object names, then typed named properties.
#pragma once

#include "platform/ByteStream.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The value types of component-stream properties.
enum class ValueType : uint8_t {
    Null = 0,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    String = 6, // short string
    Ident = 7,
    False = 8,
    True = 9,
    Binary = 10,
    Set = 11,
    LongString = 12,
};

class ComponentWriter {
public:
    explicit ComponentWriter(ByteWriter& writer) : m_writer(writer) {}

    // "TPF0", the class name and the object name.
    void BeginObject(std::string_view className, std::string_view objectName);
    // The end of the properties and of the (absent) children.
    void EndObject();

    // In the smallest of int8, int16 and int32 that holds the value.
    void WriteInteger(std::string_view name, int32_t value);
    // A short string up to 255 bytes, a long string beyond.
    void WriteString(std::string_view name, std::string_view bytes);
    void WriteIdent(std::string_view name, std::string_view ident);
    void WriteBoolean(std::string_view name, bool value);
    void WriteSet(std::string_view name, const std::vector<std::string>& members);
    void WriteBinary(std::string_view name, std::string_view bytes);
    // A binary value written in place: BeginBinary returns the length field's offset for EndBinary, which raises
    // EWriteError when the value outgrew its 32-bit length.
    size_t BeginBinary(std::string_view name);
    void EndBinary(size_t lengthAt);

    // One length byte, then at most 255 bytes.
    static void WriteShortString(ByteWriter& writer, std::string_view bytes);

private:
    void Name(std::string_view name) { WriteShortString(m_writer, name); }
    void Type(ValueType type) { m_writer.WriteByte(static_cast<uint8_t>(type)); }

    ByteWriter& m_writer;
};

// A property value as read; Text holds strings, identifiers and binary data, Members the set.
struct ComponentValue {
    ValueType Type = ValueType::Null;
    int32_t Integer = 0;
    bool Boolean = false;
    std::string_view Text;
    std::vector<std::string> Members;

    bool IsInteger() const { return Type == ValueType::Int8 || Type == ValueType::Int16 || Type == ValueType::Int32; }
    bool IsString() const { return Type == ValueType::String || Type == ValueType::LongString; }
    bool IsBoolean() const { return Type == ValueType::False || Type == ValueType::True; }
};

// Every read is checked; damage raises EReadError naming what was read and the byte offset.
class ComponentReader {
public:
    explicit ComponentReader(ByteReader& reader) : m_reader(reader) {}

    // Reads "TPF0" and the two names; returns the object name.
    std::string BeginObject(std::string& className);
    // The next property's name, or false at the end of the properties.
    bool NextProperty(std::string& name);
    ComponentValue ReadValue();
    // The children list (which must be empty) after the properties.
    void EndObject();

    size_t Offset() const { return m_reader.Offset(); }
    static std::string_view ReadShortString(ByteReader& reader, const char* what);

private:
    ByteReader& m_reader;
};

} // namespace qv
