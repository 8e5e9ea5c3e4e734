// Temporary file, fsync, rename: the usual way to replace a file safely on POSIX.
#include "platform/AtomicFile.h"

#include "platform/Errors.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace qv {

namespace {

// Writeback is started every few megabytes, so that the disk works while the rest is produced and the final
// flush waits only for the tail.
constexpr size_t kWritebackStep = size_t{2} << 20;

std::string DirectoryOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes all of bytes through write (which returns what ::write does), retrying after interruptions.
// Returns 0, or the error that stopped it.
template <class Write> int WriteFully(std::string_view bytes, Write write)
{
    while (!bytes.empty()) {
        const ssize_t n = write(bytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}

} // namespace

AtomicFile::AtomicFile(const std::string& path) : m_path(path), m_temp(path + ".XXXXXX")
{
    m_fd = ::mkstemp(m_temp.data());
    if (m_fd < 0) {
        m_temp.clear();
        Fail(errno);
    }
}

AtomicFile::~AtomicFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
}

void AtomicFile::Fail(int error)
{
    throw EFileError("Cannot create file \"" + m_path + "\". " + std::strerror(error));
}

void AtomicFile::Append(std::string_view bytes)
{
    if (const int error =
            WriteFully(bytes, [&](std::string_view rest) { return ::write(m_fd, rest.data(), rest.size()); }))
        Fail(error);
    m_written += bytes.size();
    if (m_written - m_writebackStart >= kWritebackStep) {
        ::sync_file_range(m_fd, static_cast<off_t>(m_writebackStart), static_cast<off_t>(m_written - m_writebackStart),
                          SYNC_FILE_RANGE_WRITE);
        m_writebackStart = m_written;
    }
}

void AtomicFile::Overwrite(size_t offset, std::string_view bytes)
{
    const int error = WriteFully(bytes, [&](std::string_view rest) {
        return ::pwrite(m_fd, rest.data(), rest.size(), static_cast<off_t>(offset + bytes.size() - rest.size()));
    });
    if (error)
        Fail(error);
}

void AtomicFile::Commit()
{
    if (::fsync(m_fd) != 0)
        Fail(errno);
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0)
        Fail(errno);
    // Keep the target's permissions, or those a newly created file would get, instead of mkstemp's 0600.
    struct stat existing {};
    if (::stat(m_path.c_str(), &existing) == 0) {
        ::chmod(m_temp.c_str(), existing.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(m_temp.c_str(), 0666 & ~mask);
    }
    if (::rename(m_temp.c_str(), m_path.c_str()) != 0)
        Fail(errno);
    m_temp.clear();
    const int dir = ::open(DirectoryOf(m_path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    AtomicFile file(path);
    file.Append(bytes);
    file.Commit();
}

} // namespace qv
