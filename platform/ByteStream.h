// Little-endian binary streams: a growing writer and a bounds-checked reader over bytes in memory.
#pragma once

#include "platform/Errors.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// A read past the end or of an impossible value; the message names what was read and the byte offset.
class EReadError : public EPlatformError {
public:
    EReadError(const std::string& what, size_t offset);
    size_t Offset() const { return m_offset; }

private:
    size_t m_offset;
};

class ByteWriter {
public:
    void WriteByte(uint8_t value) { m_data.push_back(static_cast<char>(value)); }
    void WriteInt16(int16_t value) { WriteLittleEndian(static_cast<uint16_t>(value), 2); }
    void WriteInt32(int32_t value) { WriteLittleEndian(static_cast<uint32_t>(value), 4); }
    void WriteInt64(int64_t value) { WriteLittleEndian(static_cast<uint64_t>(value), 8); }
    void WriteDouble(double value);
    void WriteBytes(std::string_view bytes) { m_data.append(bytes); }
    // A 32-bit byte count followed by the bytes, no terminator.
    void WriteString(std::string_view bytes);
    // Overwrites four bytes already written, for length frames filled in afterwards.
    void PatchInt32(size_t offset, int32_t value);

    size_t Size() const { return m_data.size(); }
    const std::string& Data() const { return m_data; }
    std::string Take() { return std::move(m_data); }

private:
    void WriteLittleEndian(uint64_t value, int bytes);
    std::string m_data;
};

// Every read checks the bytes that remain and raises EReadError naming `what` when they do not suffice.
class ByteReader {
public:
    // The reader refers to the bytes; they must outlive it.
    explicit ByteReader(std::string_view data) : m_data(data) {}
    explicit ByteReader(std::string&&) = delete;

    uint8_t ReadByte(const char* what);
    int16_t ReadInt16(const char* what) { return static_cast<int16_t>(ReadLittleEndian(2, what)); }
    int32_t ReadInt32(const char* what) { return static_cast<int32_t>(ReadLittleEndian(4, what)); }
    int64_t ReadInt64(const char* what) { return static_cast<int64_t>(ReadLittleEndian(8, what)); }
    double ReadDouble(const char* what);
    std::string_view ReadBytes(size_t count, const char* what);
    // A 32-bit count and that many bytes; a count of 0 or less is the empty string.
    std::string_view ReadString(const char* what);
    // A 32-bit count that must lie in 0..max; anything else is damage.
    int32_t ReadCount(const char* what, int32_t max);

    size_t Offset() const { return m_offset; }
    size_t Remaining() const { return m_data.size() - m_offset; }
    bool AtEnd() const { return m_offset >= m_data.size(); }
    void Skip(size_t count, const char* what) { ReadBytes(count, what); }
    // Moves to an offset within the data (a record's end, say).
    void Seek(size_t offset, const char* what);
    [[noreturn]] void Fail(const std::string& what) const { throw EReadError(what, m_offset); }

private:
    uint64_t ReadLittleEndian(int bytes, const char* what);
    std::string_view m_data;
    size_t m_offset = 0;
};

} // namespace qv
