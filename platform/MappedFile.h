// A file's bytes in memory without copying them: the pages come straight from the system's file cache.
#pragma once

#include "platform/ByteStream.h"

#include <string>
#include <string_view>

namespace qv {

// Reading reported through ReadProgress gives back the pages behind it, so a large file does not stay in the
// process's memory while what is built from it grows; bytes given back are read from the file again if touched.
class MappedFile : public ReadProgress {
public:
    // Raises EFileError "Cannot open file "<path>". <reason>" when the file cannot be opened or mapped.
    explicit MappedFile(const std::string& path);
    ~MappedFile() override;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string_view Bytes() const { return {m_data, m_size}; }
    void PassedTo(const char* position) override;

private:
    const char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_released = 0; // the pages before this offset were given back
};

} // namespace qv
