// Replacing a file: the new bytes arrive whole, a failure leaves the old file and no debris.
#include "platform/AtomicFile.h"
#include "platform/Errors.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace qv {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("qv-atomic-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_dir);
    }
    fs::path m_dir;
};

TEST_F(AtomicFileTest, ReplacesTheFileAndKeepsItsPermissions)
{
    const fs::path target = m_dir / "sy.dat";
    std::ofstream(target) << "old";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteFileAtomically(target.string(), std::string("new\0bytes", 9));
    EXPECT_EQ(ReadAll(target), std::string("new\0bytes", 9));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, FailureLeavesTheOldFileUntouched)
{
    const fs::path target = m_dir / "zcfz.dat";
    std::ofstream(target) << "good data";
    // A directory standing where the temporary file's rename should land makes the rename fail.
    const fs::path blocked = m_dir / "cwfx.dat";
    fs::create_directory(blocked);
    std::ofstream(blocked / "inside") << "x";
    EXPECT_THROW(WriteFileAtomically(blocked.string(), "new"), EFileError);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);
    if (::geteuid() != 0) {
        fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_THROW(WriteFileAtomically(target.string(), "new"), EFileError);
    }
    EXPECT_EQ(ReadAll(target), "good data");
}

TEST_F(AtomicFileTest, PiecesAndLatePatchesArriveWholeOnlyOnCommit)
{
    const fs::path target = m_dir / "xjll.dat";
    std::ofstream(target) << "old";
    {
        AtomicFile file(target.string());
        file.Append("0000");
        file.Append(std::string(10 << 20, 'a')); // past a writeback step
        file.Overwrite(0, "LEN=");
        file.Append("end");
        EXPECT_EQ(ReadAll(target), "old") << "nothing is visible before the commit";
        file.Commit();
    }
    const std::string bytes = ReadAll(target);
    EXPECT_EQ(bytes.size(), 4u + (10 << 20) + 3u);
    EXPECT_EQ(bytes.substr(0, 5), "LEN=a");
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "end");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, AnAbandonedFileLeavesTheTargetAndNoDebris)
{
    const fs::path target = m_dir / "lrb.dat";
    std::ofstream(target) << "good data";
    {
        AtomicFile file(target.string());
        file.Append("half a sheet");
    }
    EXPECT_EQ(ReadAll(target), "good data");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, MissingDirectoryIsReportedWithTheFileName)
{
    const std::string target = (m_dir / "none" / "x.dat").string();
    try {
        WriteFileAtomically(target, "x");
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_NE(e.Message().find(target), std::string::npos);
    }
}

} // namespace
} // namespace qv
