// A small streaming JSON writer: objects, arrays, strings (UTF-8, escaped), numbers, Booleans and null.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace qv {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : m_out(out) {}

    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // The key of the next member of the current object.
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view text);
    JsonWriter& Number(long long value);
    JsonWriter& Number(double value);
    JsonWriter& Boolean(bool value);
    JsonWriter& Null();

private:
    void BeforeValue();
    void Quoted(std::string_view text);
    void Indent();

    std::ostream& m_out;
    // Per open container: whether it has members yet.
    std::vector<bool> m_hasMembers;
    bool m_afterKey = false;
};

} // namespace qv
