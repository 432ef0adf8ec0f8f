// A small writer for the --json output of the commands.
#pragma once

#include <string>
#include <string_view>

namespace listrider::cli {

/// Returns the text as a JSON string literal. Bytes that are not valid UTF-8 are taken as
/// code-page text and written as \u escapes of their byte value.
std::string JsonString(std::string_view text);

/// Builds one JSON value with objects, arrays, strings, numbers and booleans.
class JsonWriter
{
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    /// Writes the key of the next member of an object.
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view value);
    JsonWriter& Number(long long value);
    JsonWriter& Number(double value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    const std::string& Text() const { return m_text; }

private:
    void Separate();

    std::string m_text;
    bool m_needComma = false;
};

} // namespace listrider::cli
