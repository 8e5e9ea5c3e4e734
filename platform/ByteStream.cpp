// Byte-level encoding shared by every stream format of the program.
#include "platform/ByteStream.h"

#include <cstring>

namespace qv {

EReadError::EReadError(const std::string& what, size_t offset)
    : EPlatformError("Damaged stream: " + what + " at byte offset " + std::to_string(offset)), m_offset(offset)
{
}

void ByteWriter::WriteDouble(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    WriteLittleEndian(bits, 8);
}

namespace {

int32_t CheckedLength(size_t length, const char* what)
{
    if (length > static_cast<size_t>(INT32_MAX))
        throw EWriteError("Cannot write " + std::string(what) + " of " + std::to_string(length) +
                          " bytes: its length field holds at most " + std::to_string(INT32_MAX));
    return static_cast<int32_t>(length);
}

} // namespace

void ByteWriter::WriteString(std::string_view bytes)
{
    WriteLength(bytes.size(), "a string");
    WriteBytes(bytes);
}

void ByteWriter::WriteLength(size_t length, const char* what)
{
    WriteInt32(CheckedLength(length, what));
}

void ByteWriter::PatchLength(size_t offset, size_t length, const char* what)
{
    PatchInt32(offset, CheckedLength(length, what));
}

// A patch reaching back past the buffer into bytes the sink already has: that part goes to the sink.
void ByteWriter::PatchPassedOn(size_t offset, const char* bytes, size_t count)
{
    const size_t passed = std::min(count, m_flushed - offset);
    m_sink->Overwrite(offset, {bytes, passed});
    std::copy(bytes + passed, bytes + count, m_data.data());
}

void ByteWriter::MakeRoom(size_t count)
{
    if (!m_sink) {
        m_data.resize(std::max(m_data.size() * 2, m_size + count + 256));
        return;
    }
    Flush();
    if (count > m_data.size())
        m_data.resize(count);
}

void ByteWriter::Flush()
{
    if (!m_sink || m_size == 0)
        return;
    m_sink->Append({m_data.data(), m_size});
    m_flushed += m_size;
    m_size = 0;
}

uint8_t ByteReader::ReadByte(const char* what)
{
    return static_cast<uint8_t>(ReadBytes(1, what)[0]);
}

double ByteReader::ReadDouble(const char* what)
{
    const uint64_t bits = ReadLittleEndian(8, what);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string_view ByteReader::ReadBytes(size_t count, const char* what)
{
    if (count > Remaining())
        Fail(std::string("the stream ends inside ") + what);
    const std::string_view bytes = m_data.substr(m_offset, count);
    m_offset += count;
    return bytes;
}

std::string_view ByteReader::ReadString(const char* what)
{
    const int32_t count = ReadInt32(what);
    if (count <= 0)
        return {};
    if (static_cast<size_t>(count) > Remaining())
        Fail(std::string("the length of ") + what + " (" + std::to_string(count) + ") runs past the end");
    return ReadBytes(static_cast<size_t>(count), what);
}

int32_t ByteReader::ReadCount(const char* what, int32_t max)
{
    const size_t at = Offset();
    const int32_t count = ReadInt32(what);
    if (count < 0 || count > max)
        throw EReadError(std::string("impossible ") + what + " " + std::to_string(count), at);
    return count;
}

void ByteReader::Seek(size_t offset, const char* what)
{
    if (offset < m_base || offset - m_base > m_data.size())
        Fail(std::string(what) + " runs past the end");
    m_offset = offset - m_base;
}

ByteReader ByteReader::SubReader(size_t count, const char* what)
{
    const size_t start = Offset();
    const std::string_view bytes = ReadBytes(count, what);
    ByteReader sub(bytes, start, &Budget());
    sub.m_progress = m_progress;
    return sub;
}

void ByteReader::Charge(size_t bytes, const char* what)
{
    size_t& budget = Budget();
    if (bytes > budget)
        Fail(std::string(what) + " needs more memory than the stream can account for");
    budget -= bytes;
}

} // namespace qv
