// Settings files: reading, and rewriting a key without disturbing the rest of the file.
#include "platform/IniFile.h"
#include "platform/Errors.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace qv {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir =
            std::filesystem::temp_directory_path() / ("qv-ini-" + std::to_string(::getpid()) + "-" +
                                                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
        m_path = (m_dir / "myini.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    void Write(const std::string& text) { std::ofstream(m_path, std::ios::binary) << text; }
    std::string Read() const
    {
        std::ifstream in(m_path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::filesystem::path m_dir;
    std::string m_path;
};

TEST_F(IniFileTest, MissingFileReadsAsEmpty)
{
    const IniFile ini(m_path);
    EXPECT_EQ(ini.ReadInteger("SYSSET", "FC", 4), 4);
    EXPECT_EQ(ini.ReadString("SYSSET", "FC", "none"), "none");
}

TEST_F(IniFileTest, ReadsIntegersAndStringsCaseInsensitively)
{
    Write("; settings\n[SysSet]\nfc = 6\nDisplayMode=1\nHex=0x1F\nDollar=$10\nBad=12abc\nBig=99999999999\n"
          "Name=\"quoted\"\n[Other]\nFC=9\n");
    const IniFile ini(m_path);
    EXPECT_EQ(ini.ReadInteger("SYSSET", "FC", 4), 6);
    EXPECT_EQ(ini.ReadInteger("sysset", "displaymode", 0), 1);
    EXPECT_EQ(ini.ReadInteger("SYSSET", "Hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("SYSSET", "Dollar", 0), 16);
    EXPECT_EQ(ini.ReadInteger("SYSSET", "Bad", 7), 7);
    EXPECT_EQ(ini.ReadInteger("SYSSET", "Big", 7), 7);
    EXPECT_EQ(ini.ReadString("SYSSET", "Name", ""), "quoted");
    EXPECT_EQ(ini.ReadInteger("Other", "FC", 0), 9);
    EXPECT_EQ(ini.ReadInteger("Missing", "FC", -1), -1);
}

TEST_F(IniFileTest, RewritingKeepsCommentsSectionsAndOtherKeys)
{
    Write("; Quorvane settings\r\n[SYSSET]\r\nFC=4\r\n; keep me\r\nDisplayMode=0\r\nColor=red\r\n\r\n"
          "[User]\r\nName=x\r\n");
    IniFile ini(m_path);
    ini.WriteInteger("SYSSET", "FC", 8);
    ini.WriteInteger("SYSSET", "DisplayMode", 1);
    ini.WriteString("SYSSET", "NewKey", "v");
    ini.WriteString("Fresh", "K", "1");
    ini.UpdateFile();
    EXPECT_EQ(Read(), "; Quorvane settings\r\n[SYSSET]\r\nFC=8\r\n; keep me\r\nDisplayMode=1\r\nColor=red\r\n"
                      "NewKey=v\r\n\r\n[User]\r\nName=x\r\n\r\n[Fresh]\r\nK=1\r\n");
    EXPECT_EQ(IniFile(m_path).ReadInteger("SYSSET", "FC", 0), 8);
}

TEST_F(IniFileTest, NewFileAndChineseValues)
{
    IniFile ini(m_path);
    ini.WriteInteger("SYSSET", "FC", 5);
    ini.WriteString("SYSSET", "Title", "企业财务");
    ini.UpdateFile();
    EXPECT_EQ(Read(), "[SYSSET]\nFC=5\nTitle=\xC6\xF3\xD2\xB5\xB2\xC6\xCE\xF1\n");
    EXPECT_EQ(IniFile(m_path).ReadString("SYSSET", "Title", ""), "企业财务");
}

TEST_F(IniFileTest, UnwritableFileRaisesAndKeepsNothingHalfWritten)
{
    const IniFile ini((m_dir / "no-such-dir" / "myini.ini").string());
    EXPECT_THROW(ini.UpdateFile(), EFileError);
}

} // namespace
} // namespace qv
