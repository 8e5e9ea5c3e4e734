// The tools' standard output: buffered, and a write that fails raises EOutputError instead of passing unnoticed.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string_view>

namespace qv {

// Output that could not be written; the message gives the system's reason when it is known.
class EOutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Flushes out; throws EOutputError unless it took everything written to it so far.
void FlushChecked(std::ostream& out);

// Text passed on to a std::ostream in 64 KB pieces, so that a large dump costs no call per character; also a
// RapidJSON output stream (Ch, Put, Flush). Not copyable.
class OutputStream {
public:
    using Ch = char;

    explicit OutputStream(std::ostream& out);
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;
    // Passes on what is still buffered without raising: the tool's final check of its output reports a failure.
    ~OutputStream();

    void Put(char c)
    {
        if (m_used == kCapacity)
            PassOn();
        m_buffer[m_used++] = c;
    }
    void Write(std::string_view text);
    // Passes everything on and flushes the stream; throws EOutputError when it did not take it.
    void Flush();

private:
    static constexpr size_t kCapacity = 64 * 1024;

    // Hands the buffer to the stream; throws EOutputError when the stream fails.
    void PassOn();

    std::ostream& m_out;
    std::unique_ptr<char[]> m_buffer;
    size_t m_used = 0;
};

} // namespace qv
