// Mapped files: the bytes as stored, and failures named with the file.
#include "platform/MappedFile.h"
#include "platform/Errors.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace qv {
namespace {

namespace fs = std::filesystem;

class MappedFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("qv-mapped-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir;
};

TEST_F(MappedFileTest, HoldsTheFilesBytesIncludingNoneAtAll)
{
    const std::string bytes("TPF0\0\xA3\xA0", 7);
    std::ofstream(m_dir / "sy.dat", std::ios::binary) << bytes;
    std::ofstream(m_dir / "empty.dat", std::ios::binary);
    EXPECT_EQ(MappedFile((m_dir / "sy.dat").string()).Bytes(), bytes);
    EXPECT_TRUE(MappedFile((m_dir / "empty.dat").string()).Bytes().empty());
}

TEST_F(MappedFileTest, BytesGivenBackAreStillThereWhenTouchedAgain)
{
    std::string bytes(20 << 20, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 / 4096);
    std::ofstream(m_dir / "large.dat", std::ios::binary) << bytes;
    MappedFile file((m_dir / "large.dat").string());
    file.PassedTo(file.Bytes().data() + (19 << 20));
    file.PassedTo(file.Bytes().data() + file.Bytes().size());
    file.PassedTo(nullptr); // not inside the file: ignored
    EXPECT_TRUE(file.Bytes() == bytes);
}

TEST_F(MappedFileTest, WhatCannotBeMappedIsReportedWithItsName)
{
    for (const fs::path& path : {m_dir / "none.dat", m_dir}) {
        try {
            MappedFile file(path.string());
            ADD_FAILURE() << path;
        } catch (const EFileError& e) {
            EXPECT_EQ(e.Message().rfind("Cannot open file \"" + path.string() + "\". ", 0), 0u) << e.Message();
        }
    }
}

} // namespace
} // namespace qv
