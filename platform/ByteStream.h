// Little-endian binary streams: a growing writer and a bounds-checked reader over bytes in memory.
#pragma once

#include "platform/Errors.h"

#include <algorithm>
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

// A length too large for its signed 32-bit field: the output cannot be written in its format at all.
class EWriteError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// Where a writer's bytes go once its buffer is full (a file, say); Overwrite changes bytes already appended.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void Append(std::string_view bytes) = 0;
    virtual void Overwrite(size_t offset, std::string_view bytes) = 0;
};

// Collects its output in memory, or, given a sink, passes it on whenever its buffer of bufferSize bytes fills:
// a large output then never lies in memory whole. Offsets count from the start of the whole output.
class ByteWriter {
public:
    ByteWriter() = default;
    ByteWriter(ByteSink& sink, size_t bufferSize) : m_data(bufferSize, '\0'), m_sink(&sink) {}

    void WriteByte(uint8_t value)
    {
        *Room(1) = static_cast<char>(value);
        ++m_size;
    }
    void WriteInt16(int16_t value) { WriteLittleEndian(static_cast<uint16_t>(value), 2); }
    void WriteInt32(int32_t value) { WriteLittleEndian(static_cast<uint32_t>(value), 4); }
    void WriteInt64(int64_t value) { WriteLittleEndian(static_cast<uint64_t>(value), 8); }
    void WriteDouble(double value);
    void WriteBytes(std::string_view bytes)
    {
        std::copy(bytes.begin(), bytes.end(), Room(bytes.size()));
        m_size += bytes.size();
    }
    // A 32-bit byte count followed by the bytes, no terminator; EWriteError beyond 2^31 - 1 bytes.
    void WriteString(std::string_view bytes);
    // A length field of 32 bits; beyond 2^31 - 1 (what a reader accepts) EWriteError naming what.
    void WriteLength(size_t length, const char* what);
    // The same check, for a length field at offset filled in afterwards.
    void PatchLength(size_t offset, size_t length, const char* what);
    // Overwrite bytes already written, for length frames and flags filled in afterwards.
    void PatchInt32(size_t offset, int32_t value)
    {
        const auto bits = static_cast<uint32_t>(value);
        const char bytes[4] = {static_cast<char>(bits), static_cast<char>(bits >> 8), static_cast<char>(bits >> 16),
                               static_cast<char>(bits >> 24)};
        Patch(offset, bytes, 4);
    }
    void PatchInt16(size_t offset, int16_t value)
    {
        const auto bits = static_cast<uint16_t>(value);
        const char bytes[2] = {static_cast<char>(bits), static_cast<char>(bits >> 8)};
        Patch(offset, bytes, 2);
    }
    // Passes the buffered bytes on to the sink.
    void Flush();

    size_t Size() const { return m_flushed + m_size; }
    // The output of a writer without a sink.
    const std::string& Data() const
    {
        m_data.resize(m_size);
        return m_data;
    }
    std::string Take()
    {
        m_data.resize(m_size);
        m_size = 0;
        return std::move(m_data);
    }

private:
    // Hot: every field of a sheet stream passes here, so fields are stored in place and room is made ahead.
    char* Room(size_t count)
    {
        if (m_size + count > m_data.size())
            MakeRoom(count);
        return m_data.data() + m_size;
    }
    void MakeRoom(size_t count);
    void Patch(size_t offset, const char* bytes, size_t count)
    {
        if (offset >= m_flushed)
            std::copy(bytes, bytes + count, m_data.data() + (offset - m_flushed));
        else
            PatchPassedOn(offset, bytes, count);
    }
    void PatchPassedOn(size_t offset, const char* bytes, size_t count);
    void WriteLittleEndian(uint64_t value, int bytes)
    {
        char* p = Room(8);
        for (int i = 0; i < bytes; ++i)
            p[i] = static_cast<char>(value >> (8 * i));
        m_size += static_cast<size_t>(bytes);
    }

    mutable std::string m_data; // holds m_size bytes of output (after the m_flushed passed on) and room beyond
    size_t m_size = 0;
    ByteSink* m_sink = nullptr;
    size_t m_flushed = 0;
};

// Told how far reading has come, by readers that report it: a mapped file gives back the pages behind.
class ReadProgress {
public:
    virtual ~ReadProgress() = default;
    virtual void PassedTo(const char* position) = 0;
};

// Every read checks the bytes that remain and raises EReadError naming `what` when they do not suffice.
class ByteReader {
public:
    // The reader refers to the bytes; they must outlive it.
    explicit ByteReader(std::string_view data) : m_data(data), m_budget(data.size() * kBudgetPerByte + kBudgetBase) {}
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

    // The offset within the whole stream (a sub-reader counts from its parent's start).
    size_t Offset() const { return m_base + m_offset; }
    size_t Remaining() const { return m_data.size() - m_offset; }
    bool AtEnd() const { return m_offset >= m_data.size(); }
    void Skip(size_t count, const char* what) { ReadBytes(count, what); }
    // Moves to an offset of the whole stream within this reader's data (a record's end, say).
    void Seek(size_t offset, const char* what);
    // A reader over the next count bytes, which this reader steps over; it draws on this reader's budget.
    ByteReader SubReader(size_t count, const char* what);
    // Memory a reader may allocate for what it reads is bounded by the stream's size: 64 bytes per stream byte
    // plus 16 MB. Charge takes bytes from the budget shared with sub-readers and copies, and raises EReadError
    // naming what when they are not there.
    void Charge(size_t bytes, const char* what);
    [[noreturn]] void Fail(const std::string& what) const { throw EReadError(what, Offset()); }

    // Where ReportProgress tells the position; sub-readers report to the same place.
    void SetProgress(ReadProgress* progress) { m_progress = progress; }
    ReadProgress* Progress() const { return m_progress; }
    // For a long read, now and then: the bytes before the position will not be needed again.
    void ReportProgress() const
    {
        if (m_progress)
            m_progress->PassedTo(m_data.data() + m_offset);
    }

private:
    uint64_t ReadLittleEndian(int bytes, const char* what)
    {
        if (static_cast<size_t>(bytes) > Remaining())
            Fail(std::string("the stream ends inside ") + what);
        const unsigned char* p = reinterpret_cast<const unsigned char*>(m_data.data() + m_offset);
        uint64_t value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = (value << 8) | p[i];
        m_offset += static_cast<size_t>(bytes);
        return value;
    }
    static constexpr size_t kBudgetPerByte = 64;
    static constexpr size_t kBudgetBase = size_t{16} << 20;
    ByteReader(std::string_view data, size_t baseOffset, size_t* budget)
        : m_data(data), m_base(baseOffset), m_sharedBudget(budget)
    {
    }
    size_t& Budget() { return m_sharedBudget ? *m_sharedBudget : m_budget; }

    std::string_view m_data;
    size_t m_base = 0;
    size_t m_offset = 0;
    size_t m_budget = 0;
    size_t* m_sharedBudget = nullptr; // a sub-reader's parent budget
    ReadProgress* m_progress = nullptr;
};

} // namespace qv
