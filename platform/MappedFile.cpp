// Read-only private mapping, populated at once: one system call instead of a fault per page.
#include "platform/MappedFile.h"

#include "platform/Errors.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {

namespace {

[[noreturn]] void Fail(const std::string& path, int error)
{
    throw EFileError("Cannot open file \"" + path + "\". " + std::strerror(error));
}

} // namespace

MappedFile::MappedFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        Fail(path, errno);
    struct stat info {};
    const int error = ::fstat(fd, &info) != 0  ? errno
                      : S_ISDIR(info.st_mode)  ? EISDIR
                      : !S_ISREG(info.st_mode) ? EINVAL
                                               : 0;
    if (error != 0) {
        ::close(fd);
        Fail(path, error);
    }
    m_size = static_cast<size_t>(info.st_size);
    if (m_size > 0) {
        void* data = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        const int mapError = errno;
        ::close(fd);
        if (data == MAP_FAILED)
            Fail(path, mapError);
        m_data = static_cast<const char*>(data);
        ::madvise(data, m_size, MADV_SEQUENTIAL);
    } else {
        ::close(fd);
    }
}

void MappedFile::PassedTo(const char* position)
{
    // Every 16 MB: the system call is rare, and what stays mapped is small beside a sheet of that file. Whole
    // 2 MB spans of addresses, so that the file cache's large pages are given back whole, never split.
    constexpr uintptr_t kSpan = uintptr_t{2} << 20;
    constexpr size_t kStep = size_t{16} << 20;
    if (position < m_data || position > m_data + m_size)
        return;
    const uintptr_t end = reinterpret_cast<uintptr_t>(position) & ~(kSpan - 1);
    const uintptr_t start = reinterpret_cast<uintptr_t>(m_data) + m_released;
    if (end < start + kStep)
        return;
    ::madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED);
    m_released = end - reinterpret_cast<uintptr_t>(m_data);
}

MappedFile::~MappedFile()
{
    if (m_data)
        ::munmap(const_cast<char*>(m_data), m_size);
}

} // namespace qv
