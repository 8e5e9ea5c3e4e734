// Edit masks: parsing the three fields and placing text into placeholders for display.
#include "platform/MaskFormat.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(FormatMaskText, PlacesTextIntoPlaceholders)
{
    const struct {
        const char* mask;
        const char* text;
        const char* expected;
    } cases[] = {
        {"(999)000-0000;0;_", "5551234567", "(555)123-4567"},    // literals inserted
        {"(999)000-0000;1;_", "(555)123-4567", "(555)123-4567"}, // literals stored in the text
        {"(999)000-0000;1;_", "x555y123z4567", "(555)123-4567"}, // a stored literal position shows the mask's
        {"(999)000-0000;0;_", "555123", "(555)123-____"},
        {"(999)000-0000;0;_", "555123456789", "(555)123-4567"}, // surplus text dropped
        {"(999)000-0000;1;_", "(555)", "(555)___-____"},
        {">LL<ll;0; ", "abCD", "ABcd"},
        {"<LL>ll;0;_", "ABcd", "abCD"},
        {">LL<>ll;0;_", "abCD", "ABCD"}, // "<>" ends the conversion
        {">cc;0;_", "1ä", "1ä"},         // only ASCII letters change case
        {"000;0;*", "12", "12*"},
        {"!000;0;*", "12", "*12"},
        {"!00-00;0;_", "123", "_1-23"},
        {"!00-00;1;_", "1-23", "_1-23"},
        {"\\A00;0;_", "12", "A12"},
        {"0\\;0;0;_", "12", "1;2"},
        {"00:00;0;_", "1234", "12:34"},
        {"00/00/0000;0;_", "01022003", "01/02/2003"},
        {"00;0;_", "ab", "ab"},       // display only: nothing validated
        {"LL;0;_", "你好吗", "你好"}, // code points, not bytes
        {"000;0;＿", "1", "1＿＿"},
        {"00-00", "1", "1_-__"}, // fields two and three absent: literals stored, blank "_"
        {"00-00;;", "12-3", "12-3_"},
        {"", "as typed", "as typed"},
        {"!", "as typed", "as typed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mask \"" << c.mask << "\" text \"" << c.text << "\"");
        EXPECT_EQ(FormatMaskText(c.mask, c.text), c.expected);
    }
}

TEST(FormatMaskText, ParsesItemsAndFields)
{
    const EditMask mask = ParseEditMask("!>L<a\\09#<>c:;0;*");
    EXPECT_TRUE(mask.RightAligned);
    EXPECT_FALSE(mask.SaveLiterals);
    EXPECT_EQ(mask.Blank, "*");
    const struct {
        MaskKind kind;
        bool required;
        MaskCase caseMode;
        const char* literal;
    } expected[] = {
        {MaskKind::Letter, true, MaskCase::Upper, ""},        {MaskKind::LetterOrDigit, false, MaskCase::Lower, ""},
        {MaskKind::Literal, false, MaskCase::Unchanged, "0"}, {MaskKind::Digit, false, MaskCase::Lower, ""},
        {MaskKind::DigitOrSign, false, MaskCase::Lower, ""},  {MaskKind::AnyCharacter, false, MaskCase::Unchanged, ""},
        {MaskKind::Literal, false, MaskCase::Unchanged, ":"},
    };
    ASSERT_EQ(mask.Items.size(), std::size(expected));
    for (size_t i = 0; i < mask.Items.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(mask.Items[i].Kind, expected[i].kind);
        EXPECT_EQ(mask.Items[i].Required, expected[i].required);
        EXPECT_EQ(mask.Items[i].Case, expected[i].caseMode);
        EXPECT_EQ(mask.Items[i].Literal, expected[i].literal);
    }
    EXPECT_TRUE(ParseEditMask("00;1").SaveLiterals);
    EXPECT_EQ(ParseEditMask("00;1").Blank, "_");
}

} // namespace
} // namespace qv
