// Read-only private mapping, populated at once: one system call instead of a fault per page.
#include "platform/MappedFile.h"

#include "platform/Errors.h"

#include <cerrno>
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

MappedFile::~MappedFile()
{
    if (m_data)
        ::munmap(const_cast<char*>(m_data), m_size);
}

} // namespace qv
