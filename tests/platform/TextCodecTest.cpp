// The GBK codec: statement line names round-trip, every GBK pair survives, bad bytes never crash.
#include "platform/TextCodec.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const std::string kIndent = "\xEE\x97\xA5"; // U+E5E5, what A3 A0 decodes to

TEST(TextCodec, StatementLineNamesRoundTrip)
{
    const std::string names[] = {
        "货币资金 ",
        kIndent + "减：短期投资跌价准备",
        kIndent + "其中：合并差价",
        "负债及股东权益总计",
        "资产负债率(负债比率)",
        "現金比率越高，表示現金資產占流動資產越高，變現損失風險較小。",
        "安全边际为１",
        "不得低于1：1，2：1较合适",
        "处置固定资产、无形资产和其他长期资产的损失（减：收益）",
        "Quorvane企财分析(迷你版)",
        "保存成功",
    };
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string gbk = Utf8ToGbk(name);
        EXPECT_EQ(GbkToUtf8(gbk), name);
        EXPECT_EQ(gbk.find('?'), std::string::npos);
    }
    EXPECT_EQ(Utf8ToGbk(kIndent + "其中：公益金").substr(0, 2), "\xA3\xA0");
    EXPECT_EQ(Utf8ToGbk("货币资金 "), "\xBB\xF5\xB1\xD2\xD7\xCA\xBD\xF0 ");
}

TEST(TextCodec, EveryGbkPairReadsBackUnchanged)
{
    int pairs = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = GbkToUtf8(bytes);
            if (utf8 == "\xEF\xBF\xBD\xEF\xBF\xBD" || utf8.find("\xEF\xBF\xBD") != std::string::npos)
                continue; // not a GBK character
            ++pairs;
            ASSERT_EQ(Utf8ToGbk(utf8), bytes) << std::hex << lead << " " << trail;
        }
    }
    EXPECT_GT(pairs, 21000); // GBK holds 21886 characters
}

TEST(TextCodec, CharactersOutsideGbkStillHaveASequence)
{
    for (const std::string text : {"€", "😀", "ä", "\xE2\x80\xAF"}) {
        const std::string encoded = Utf8ToGbk(text);
        EXPECT_EQ(encoded.find('?'), std::string::npos);
        EXPECT_EQ(GbkToUtf8(encoded), text);
    }
}

TEST(TextCodec, InvalidBytesDecodeAsReplacementCharacters)
{
    struct Case {
        std::string in;
        std::string out;
    } decode[] = {
        {"a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b"},
        {"\x81", "\xEF\xBF\xBD"},
        {"\xB0\xA1\x81", "啊\xEF\xBF\xBD"},
        {std::string("x\0y", 3), std::string("x\0y", 3)},
    };
    for (const auto& c : decode)
        EXPECT_EQ(GbkToUtf8(c.in), c.out);
    struct EncodeCase {
        std::string in;
        std::string out;
    } encode[] = {
        {"a\xFF"
         "b",
         "a?b"},
        {"\xE5\x95", "??"},      // truncated sequence
        {"\xED\xA0\x80", "???"}, // a surrogate is no character
        {"\xC0\xAF", "??"},      // overlong
        {"啊\x80", "\xB0\xA1?"},
    };
    for (const auto& c : encode)
        EXPECT_EQ(Utf8ToGbk(c.in), c.out);
}

TEST(TextCodec, DisplayTextShowsTheIndentAsABlank)
{
    EXPECT_EQ(DisplayText(kIndent + "减：" + kIndent), "\xE3\x80\x80减：\xE3\x80\x80");
    EXPECT_EQ(DisplayText("plain"), "plain");
}

} // namespace
} // namespace qv
