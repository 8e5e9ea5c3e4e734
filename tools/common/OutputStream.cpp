// Buffered, checked output.
#include "tools/common/OutputStream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

namespace qv {

namespace {

// errno is cleared before each write so that a stale reason is never reported.
[[noreturn]] void RaiseOutputError(int error)
{
    std::string message = "cannot write the output";
    if (error != 0)
        message += std::string(": ") + std::strerror(error);
    throw EOutputError(message);
}

} // namespace

void FlushChecked(std::ostream& out)
{
    errno = 0;
    out.flush();
    if (!out)
        RaiseOutputError(errno);
}

OutputStream::OutputStream(std::ostream& out) : m_out(out), m_buffer(std::make_unique_for_overwrite<char[]>(kCapacity))
{
}

OutputStream::~OutputStream()
{
    m_out.write(m_buffer.get(), static_cast<std::streamsize>(m_used));
}

void OutputStream::Write(std::string_view text)
{
    while (!text.empty()) {
        if (m_used == kCapacity)
            PassOn();
        const size_t piece = std::min(text.size(), kCapacity - m_used);
        std::memcpy(m_buffer.get() + m_used, text.data(), piece);
        m_used += piece;
        text.remove_prefix(piece);
    }
}

void OutputStream::PassOn()
{
    errno = 0;
    m_out.write(m_buffer.get(), static_cast<std::streamsize>(m_used));
    m_used = 0;
    if (!m_out)
        RaiseOutputError(errno);
}

void OutputStream::Flush()
{
    PassOn();
    FlushChecked(m_out);
}

} // namespace qv
