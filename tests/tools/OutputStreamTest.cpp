// The tools' standard output: text arrives whole and in order, and a stream that does not take it raises at once.
#include "tools/common/OutputStream.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sstream>
#include <streambuf>
#include <string>

namespace qv {
namespace {

// A device that is full from the start, as /dev/full is.
class FullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override
    {
        errno = ENOSPC;
        return traits_type::eof();
    }
    std::streamsize xsputn(const char*, std::streamsize) override
    {
        errno = ENOSPC;
        return 0;
    }
};

TEST(OutputStream, PassesPiecesOnWholeAndInOrder)
{
    // Larger than the buffer, written across its end in characters and in pieces of every length.
    std::string expected;
    std::ostringstream text;
    {
        OutputStream out(text);
        for (int i = 0; expected.size() < 300 * 1024; ++i) {
            const std::string piece(static_cast<size_t>(i % 5000), static_cast<char>('a' + i % 26));
            out.Write(piece);
            out.Put('\n');
            expected += piece + '\n';
        }
        out.Flush();
    }
    EXPECT_EQ(text.str(), expected);
}

TEST(OutputStream, AFailedWriteRaisesWithTheReason)
{
    FullBuffer full;
    std::ostream device(&full);
    OutputStream out(device);
    out.Write("small");
    try {
        out.Flush();
        FAIL() << "no error";
    } catch (const EOutputError& e) {
        EXPECT_STREQ(e.what(), "cannot write the output: No space left on device");
    }
}

TEST(OutputStream, ALargeOutputStopsAtTheFirstFailedPiece)
{
    FullBuffer full;
    std::ostream device(&full);
    OutputStream out(device);
    EXPECT_THROW(out.Write(std::string(100 * 1024, 'x')), EOutputError);
}

TEST(OutputStream, FlushCheckedSeesAnEarlierFailure)
{
    std::ostringstream good;
    good << "text";
    EXPECT_NO_THROW(FlushChecked(good));
    FullBuffer full;
    std::ostream device(&full);
    device << "lost";
    EXPECT_THROW(FlushChecked(device), EOutputError);
}

} // namespace
} // namespace qv
