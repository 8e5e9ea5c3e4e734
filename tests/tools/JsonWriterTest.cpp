// The tools' JSON writer: the layout of its containers, RapidJSON's quoting and numbers, non-finite doubles.
#include "tools/common/JsonWriter.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <string>

namespace qv {
namespace {

using Writing = std::function<void(JsonWriter&)>;

std::string Written(const Writing& write)
{
    std::ostringstream text;
    OutputStream out(text);
    JsonWriter j(out);
    write(j);
    out.Flush();
    return text.str();
}

struct Case {
    const char* Name;
    Writing Write;
    const char* Expected;
};

void ExpectWritten(const std::vector<Case>& cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(Written(c.Write), c.Expected) << c.Name;
}

TEST(JsonWriter, LaysOutEachContainerOnePerLineOrOnOneLine)
{
    ExpectWritten({
        {"empty top level", [](JsonWriter& j) { j.BeginObject().EndObject(); }, "{}\n"},
        {"empty members stay on their line",
         [](JsonWriter& j) {
             j.BeginObject().Key("a").BeginArray().EndArray().Key("b").BeginObject().EndObject().EndObject();
         },
         "{\n  \"a\": [],\n  \"b\": {}\n}\n"},
        {"one per line, two levels",
         [](JsonWriter& j) { j.BeginObject().Key("a").BeginArray().Number(1LL).Number(2LL).EndArray().EndObject(); },
         "{\n  \"a\": [\n    1,\n    2\n  ]\n}\n"},
        {"a one-line array in a one-per-line object",
         [](JsonWriter& j) {
             j.BeginObject().Key("p").BeginArray(JsonLayout::OneLine).String("x").String("y").EndArray().EndObject();
         },
         "{\n  \"p\": [\"x\", \"y\"]\n}\n"},
        {"inside a one-line object everything is on its line",
         [](JsonWriter& j) {
             j.BeginArray().BeginObject(JsonLayout::OneLine).Key("n").String("a").Key("v").BeginArray();
             j.Number(1LL).Number(2LL).EndArray().EndObject().BeginObject(JsonLayout::OneLine).EndObject().EndArray();
         },
         "[\n  {\"n\": \"a\", \"v\": [1, 2]},\n  {}\n]\n"},
    });
}

TEST(JsonWriter, EscapesWhatJsonNeedsAndPassesOtherBytes)
{
    ExpectWritten({
        {"quote, backslash, controls",
         [](JsonWriter& j) { j.BeginArray(JsonLayout::OneLine).String("a\"b\\c\n\t\x01").EndArray(); },
         "[\"a\\\"b\\\\c\\n\\t\\u0001\"]\n"},
        {"UTF-8 and a stray byte",
         [](JsonWriter& j) { j.BeginObject().Key("货币 ").String("\xE5\x9B\xBD\xFF").EndObject(); },
         "{\n  \"货币 \": \"国\xFF\"\n}\n"},
        {"an embedded NUL", [](JsonWriter& j) { j.BeginArray().String(std::string_view("a\0b", 3)).EndArray(); },
         "[\n  \"a\\u0000b\"\n]\n"},
    });
}

TEST(JsonWriter, WritesNumbersThatReadBackAndNamesTheNonFinite)
{
    const auto inOneLine = [](double value) {
        return [value](JsonWriter& j) { j.BeginArray(JsonLayout::OneLine).Number(value).EndArray(); };
    };
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    ExpectWritten({
        {"0.1", inOneLine(0.1), "[0.1]\n"},
        {"a whole double", inOneLine(14), "[14.0]\n"},
        {"large", inOneLine(-1e300), "[-1e300]\n"},
        {"infinity", inOneLine(kInfinity), "[\"Infinity\"]\n"},
        {"minus infinity", inOneLine(-kInfinity), "[\"-Infinity\"]\n"},
        {"NaN", inOneLine(std::numeric_limits<double>::quiet_NaN()), "[\"NaN\"]\n"},
        {"integer beyond doubles",
         [](JsonWriter& j) { j.BeginArray(JsonLayout::OneLine).Number(9007199254740993LL).EndArray(); },
         "[9007199254740993]\n"},
        {"number text as given",
         [](JsonWriter& j) { j.BeginArray(JsonLayout::OneLine).NumberText("12.5000").Null().Boolean(true).EndArray(); },
         "[12.5000, null, true]\n"},
    });
}

} // namespace
} // namespace qv
