// A file's bytes in memory without copying them: the pages come straight from the system's file cache.
#pragma once

#include <string>
#include <string_view>

namespace qv {

class MappedFile {
public:
    // Raises EFileError "Cannot open file "<path>". <reason>" when the file cannot be opened or mapped.
    explicit MappedFile(const std::string& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string_view Bytes() const { return {m_data, m_size}; }

private:
    const char* m_data = nullptr;
    size_t m_size = 0;
};

} // namespace qv
