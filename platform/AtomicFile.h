// Replacing a file so that a failure at any point leaves the old file as it was.
#pragma once

#include "platform/ByteStream.h"

#include <string>
#include <string_view>

namespace qv {

// The bytes go to a temporary file in the target's directory; Commit flushes it to disk and renames it over the
// target. Without Commit (a failure on the way) the temporary file is removed and the target is untouched.
// Every failure raises EFileError "Cannot create file "<path>". <reason>".
class AtomicFile : public ByteSink {
public:
    explicit AtomicFile(const std::string& path);
    ~AtomicFile() override;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void Append(std::string_view bytes) override;
    void Overwrite(size_t offset, std::string_view bytes) override;
    void Commit();

private:
    [[noreturn]] void Fail(int error);

    std::string m_path;
    std::string m_temp;
    int m_fd = -1;
    size_t m_written = 0;
    size_t m_writebackStart = 0; // bytes before it have been handed to the disk already
};

// One AtomicFile with the bytes, committed.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace qv
