#include "cli/json_writer.h"

#include <cstdio>

#include "store/unicode.h"

namespace listrider::cli {

std::string JsonString(std::string_view text)
{
    const bool utf8 = store::IsValidUtf8(text);
    std::string out = "\"";
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            continue;
        case '\\':
            out += "\\\\";
            continue;
        case '\n':
            out += "\\n";
            continue;
        case '\r':
            out += "\\r";
            continue;
        case '\t':
            out += "\\t";
            continue;
        default:
            break;
        }
        if (b < 0x20 || (b >= 0x80 && !utf8)) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", b);
            out += escape;
        } else {
            out.push_back(c);
        }
    }
    out += "\"";
    return out;
}

void JsonWriter::Separate()
{
    if (m_needComma) {
        m_text += ",";
    }
    m_needComma = true;
}

JsonWriter& JsonWriter::BeginObject()
{
    Separate();
    m_text += "{";
    m_needComma = false;
    return *this;
}

JsonWriter& JsonWriter::EndObject()
{
    m_text += "}";
    m_needComma = true;
    return *this;
}

JsonWriter& JsonWriter::BeginArray()
{
    Separate();
    m_text += "[";
    m_needComma = false;
    return *this;
}

JsonWriter& JsonWriter::EndArray()
{
    m_text += "]";
    m_needComma = true;
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key)
{
    Separate();
    m_text += JsonString(key) + ":";
    m_needComma = false;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view value)
{
    Separate();
    m_text += JsonString(value);
    return *this;
}

JsonWriter& JsonWriter::Number(long long value)
{
    Separate();
    m_text += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Number(double value)
{
    Separate();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    m_text += buffer;
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value)
{
    Separate();
    m_text += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null()
{
    Separate();
    m_text += "null";
    return *this;
}

} // namespace listrider::cli
