// JSON written as it is produced, by RapidJSON's Writer in a layout of two-space indentation per level.
#pragma once

#include "tools/common/OutputStream.h"

#include <rapidjson/writer.h>

#include <string_view>
#include <vector>

namespace qv {

// How a container lays out its members. A container inside a one-line container is on that line too.
enum class JsonLayout { OnePerLine, OneLine };

// Streams one JSON value (a top-level object or array, followed by a line end) into out. RapidJSON quotes the
// strings and writes the numbers; each container's members go one per line or all on its line. Nothing is held
// but the open containers, so a dump of millions of cells costs no memory for its tree. Calls must nest properly.
class JsonWriter : private rapidjson::Writer<OutputStream> {
public:
    explicit JsonWriter(OutputStream& out) : rapidjson::Writer<OutputStream>(out) {}

    JsonWriter& BeginObject(JsonLayout layout = JsonLayout::OnePerLine);
    JsonWriter& EndObject();
    JsonWriter& BeginArray(JsonLayout layout = JsonLayout::OnePerLine);
    JsonWriter& EndArray();
    // The key of the next member of the current object.
    JsonWriter& Key(std::string_view key);
    // UTF-8 text; its bytes pass unchanged but for the escapes JSON needs.
    JsonWriter& String(std::string_view text);
    JsonWriter& Number(long long value);
    // A finite double in digits that read back as the same double (RapidJSON's Grisu); JSON has no numbers for
    // the others, which become the strings "Infinity", "-Infinity" and "NaN".
    JsonWriter& Number(double value);
    // A number already in JSON notation, such as "12.5000" with the decimals a table shows.
    JsonWriter& NumberText(std::string_view text);
    JsonWriter& Boolean(bool value);
    JsonWriter& Null();

private:
    using Base = rapidjson::Writer<OutputStream>;

    struct Container {
        JsonLayout Layout;
        int Members;
    };

    // The separator and line break before a value, a key or a container.
    void BeforeValue();
    void Begin(JsonLayout layout);
    // The line break before a closing bracket; a line end after the top-level value.
    void BeforeEnd();
    void AfterEnd();
    void NewLine();

    std::vector<Container> m_open;
    bool m_afterKey = false;
};

} // namespace qv
