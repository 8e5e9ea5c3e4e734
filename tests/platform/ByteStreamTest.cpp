// Binary streams: little-endian encoding, and reads that refuse to run past the end.
#include "platform/ByteStream.h"

#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mman.h>

namespace qv {
namespace {

TEST(ByteStream, WritesLittleEndianAndReadsItBack)
{
    ByteWriter w;
    w.WriteByte(0xAB);
    w.WriteInt16(-2);
    w.WriteInt32(1158);
    w.WriteInt64(-5);
    w.WriteDouble(2.5);
    w.WriteString("#,##0.00|");
    w.WriteInt32(0);
    w.PatchInt32(w.Size() - 4, 35);
    EXPECT_EQ(w.Data().substr(0, 7), std::string("\xAB\xFE\xFF\x86\x04\x00\x00", 7));
    ByteReader r(w.Data());
    EXPECT_EQ(r.ReadByte("tag"), 0xAB);
    EXPECT_EQ(r.ReadInt16("short"), -2);
    EXPECT_EQ(r.ReadInt32("class"), 1158);
    EXPECT_EQ(r.ReadInt64("amount"), -5);
    EXPECT_EQ(r.ReadDouble("double"), 2.5);
    EXPECT_EQ(r.ReadString("format"), "#,##0.00|");
    EXPECT_EQ(r.ReadInt32("length"), 35);
    EXPECT_TRUE(r.AtEnd());
}

// A sink that keeps everything, as a file would.
struct StringSink : ByteSink {
    std::string bytes;
    int appends = 0;
    void Append(std::string_view more) override
    {
        bytes += more;
        ++appends;
    }
    void Overwrite(size_t offset, std::string_view patch) override { bytes.replace(offset, patch.size(), patch); }
};

// Length frames patched after their contents, as records and binary properties are.
void WriteFramedOutput(ByteWriter& w)
{
    const size_t outer = w.Size();
    w.WriteInt32(0);
    for (int i = 0; i < 20; ++i) {
        const size_t frame = w.Size();
        w.WriteInt32(0);
        w.WriteInt16(static_cast<int16_t>(i));
        w.WriteString(std::string(static_cast<size_t>(i % 7), 'x'));
        w.WriteDouble(i / 4.0);
        w.PatchInt32(frame, static_cast<int32_t>(w.Size() - frame));
        w.PatchInt16(frame + 4, static_cast<int16_t>(-i));
    }
    w.PatchInt32(outer, static_cast<int32_t>(w.Size()));
}

TEST(ByteStream, AWriterWithASinkProducesTheSameBytesWhateverItsBufferSize)
{
    ByteWriter memory;
    WriteFramedOutput(memory);
    for (size_t buffer : {1, 3, 4, 5, 7, 16, 64, 4096}) {
        SCOPED_TRACE(buffer);
        StringSink sink;
        ByteWriter w(sink, buffer);
        WriteFramedOutput(w);
        EXPECT_EQ(w.Size(), memory.Size());
        w.Flush();
        EXPECT_EQ(sink.bytes, memory.Data());
        if (buffer < 64) {
            EXPECT_GT(sink.appends, 1) << "the output was passed on in pieces";
        }
    }
}

TEST(ByteStream, DamageIsReportedWithWhatAndWhere)
{
    struct Case {
        std::string bytes;
        std::function<void(ByteReader&)> read;
        std::string message;
    } cases[] = {
        {std::string("\x01\x00", 2), [](ByteReader& r) { r.ReadInt32("block count"); },
         "Damaged stream: the stream ends inside block count at byte offset 0"},
        {std::string("\x09\x00\x00\x00"
                     "abc",
                     7),
         [](ByteReader& r) { r.ReadString("format"); },
         "Damaged stream: the length of format (9) runs past the end at byte offset 4"},
        {std::string("\xFF\xFF\xFF\xFF", 4), [](ByteReader& r) { r.ReadCount("row count", 100); },
         "Damaged stream: impossible row count -1 at byte offset 0"},
        {std::string("\x00\x00\x00\x7F", 4), [](ByteReader& r) { r.ReadCount("row count", 100); },
         "Damaged stream: impossible row count 2130706432 at byte offset 0"},
    };
    for (auto& c : cases) {
        ByteReader r(c.bytes);
        try {
            c.read(r);
            ADD_FAILURE() << c.message;
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST(ByteStream, NonPositiveStringCountsAreEmpty)
{
    const std::string bytes("\x00\x00\x00\x00\xF0\xFF\xFF\xFF", 8);
    ByteReader r(bytes);
    EXPECT_EQ(r.ReadString("a"), "");
    EXPECT_EQ(r.ReadString("b"), "");
    EXPECT_TRUE(r.AtEnd());
}

// A reader refuses a length beyond 2^31 - 1, so a writer must never put one in a frame.
TEST(ByteStream, LengthsBeyondTheirThirtyTwoBitFieldAreRefusedWhenWritten)
{
    ByteWriter w;
    w.WriteInt32(0);
    EXPECT_THROW(w.PatchLength(0, size_t{INT32_MAX} + 1, "a record"), EWriteError);
    w.PatchLength(0, INT32_MAX, "a record");
    ByteReader r(w.Data());
    EXPECT_EQ(r.ReadInt32("length"), INT32_MAX);
    EXPECT_THROW(w.WriteLength(size_t{1} << 32, "a count"), EWriteError);
    // Address space only: the string is refused before a byte of it is read.
    const size_t huge = size_t{INT32_MAX} + 1;
    void* reserved = mmap(nullptr, huge, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(reserved, MAP_FAILED);
    try {
        w.WriteString({static_cast<const char*>(reserved), huge});
        ADD_FAILURE() << "a string of 2 GB was written";
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message(), "Cannot write a string of 2147483648 bytes: its length field holds at most 2147483647");
    }
    munmap(reserved, huge);
    EXPECT_EQ(w.Size(), 4u) << "nothing of the refused fields was written";
}

} // namespace
} // namespace qv
