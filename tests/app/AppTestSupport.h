// Helpers of the application core's tests: amounts by text, cell values, temporary directories, file bytes.
#pragma once

#include "app/core/FinancialDocument.h"
#include "platform/ByteStream.h"
#include "platform/Currency.h"
#include "sheet/Manager.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>

namespace qv::test {

// U+E5E5, what the GBK blank A3 A0 that indents some line names reads as.
inline constexpr const char* kIndent = "\xEE\x97\xA5";

inline Currency Amount(std::string_view text)
{
    const std::optional<Currency> amount = TryStrToCurr(text, XLManager().Desktop().GetLocale());
    EXPECT_TRUE(amount.has_value()) << text;
    return amount.value_or(Currency());
}

// Period p (1-based) of a statement line.
inline void SetLine(TXLSheet& sheet, int row, int period, std::string_view amount)
{
    sheet.GetCell(1 + period, row).SetAsCurrency(Amount(amount));
}

// The value of an existing cell as a double; a missing cell fails the test.
inline double ValueAt(TXLSheet& sheet, int col, int row)
{
    TXLCell* cell = sheet.FindCell(col, row);
    EXPECT_NE(cell, nullptr) << "no cell at " << col << ", " << row;
    return cell ? cell->GetValue().ToDouble(XLManager().Desktop().GetLocale()) : -1e300;
}

inline std::string FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The whole-sheet file bytes of a sheet: equal bytes, equal sheets.
inline std::string SheetBytes(TXLSheet& sheet)
{
    ByteWriter writer;
    sheet.SaveToStream(writer);
    return writer.Take();
}

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir()
    {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() / ("qv-app-" + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string Str() const { return m_path.string(); }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

} // namespace qv::test
