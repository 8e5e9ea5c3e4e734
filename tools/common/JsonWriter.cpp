// The JSON writer's layout around RapidJSON's token writing.
#include "tools/common/JsonWriter.h"

#include <cmath>

namespace qv {

namespace {

rapidjson::SizeType Length(std::string_view text)
{
    return static_cast<rapidjson::SizeType>(text.size());
}

} // namespace

void JsonWriter::NewLine()
{
    os_->Put('\n');
    for (size_t i = 0; i < m_open.size(); ++i) {
        os_->Put(' ');
        os_->Put(' ');
    }
}

void JsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_open.empty())
        return;
    Container& container = m_open.back();
    const bool first = container.Members++ == 0;
    if (!first)
        os_->Put(',');
    if (container.Layout == JsonLayout::OnePerLine)
        NewLine();
    else if (!first)
        os_->Put(' ');
}

void JsonWriter::Begin(JsonLayout layout)
{
    const bool insideOneLine = !m_open.empty() && m_open.back().Layout == JsonLayout::OneLine;
    m_open.push_back({insideOneLine ? JsonLayout::OneLine : layout, 0});
}

void JsonWriter::BeforeEnd()
{
    const Container closed = m_open.back();
    m_open.pop_back();
    if (closed.Members > 0 && closed.Layout == JsonLayout::OnePerLine)
        NewLine();
}

void JsonWriter::AfterEnd()
{
    if (m_open.empty())
        os_->Put('\n');
}

JsonWriter& JsonWriter::BeginObject(JsonLayout layout)
{
    BeforeValue();
    WriteStartObject();
    Begin(layout);
    return *this;
}

JsonWriter& JsonWriter::EndObject()
{
    BeforeEnd();
    WriteEndObject();
    AfterEnd();
    return *this;
}

JsonWriter& JsonWriter::BeginArray(JsonLayout layout)
{
    BeforeValue();
    WriteStartArray();
    Begin(layout);
    return *this;
}

JsonWriter& JsonWriter::EndArray()
{
    BeforeEnd();
    WriteEndArray();
    AfterEnd();
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key)
{
    BeforeValue();
    WriteString(key.data(), Length(key));
    os_->Put(':');
    os_->Put(' ');
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view text)
{
    BeforeValue();
    WriteString(text.data(), Length(text));
    return *this;
}

JsonWriter& JsonWriter::Number(long long value)
{
    BeforeValue();
    WriteInt64(value);
    return *this;
}

JsonWriter& JsonWriter::Number(double value)
{
    if (std::isnan(value))
        return String("NaN");
    if (std::isinf(value))
        return String(value > 0 ? "Infinity" : "-Infinity");
    BeforeValue();
    WriteDouble(value);
    return *this;
}

JsonWriter& JsonWriter::NumberText(std::string_view text)
{
    BeforeValue();
    WriteRawValue(text.data(), text.size());
    return *this;
}

JsonWriter& JsonWriter::Boolean(bool value)
{
    BeforeValue();
    WriteBool(value);
    return *this;
}

JsonWriter& JsonWriter::Null()
{
    BeforeValue();
    WriteNull();
    return *this;
}

} // namespace qv
