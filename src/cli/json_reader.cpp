#include "cli/json_reader.h"

#include <charconv>

namespace listrider::cli {
namespace {

class Parser
{
public:
    explicit Parser(std::string_view text)
        : m_text(text)
    {}

    bool Whole(JsonValue& value)
    {
        if (!Value(value, 0)) {
            return false;
        }
        Skip();
        return m_at == m_text.size();
    }

private:
    static constexpr int kMaxDepth = 64;

    void Skip()
    {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\n' || m_text[m_at] == '\r' ||
                                        m_text[m_at] == '\t')) {
            ++m_at;
        }
    }

    bool Literal(std::string_view word)
    {
        if (m_text.substr(m_at, word.size()) != word) {
            return false;
        }
        m_at += word.size();
        return true;
    }

    static void AppendUtf8(std::string& out, unsigned code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool Hex4(unsigned& code)
    {
        if (m_at + 4 > m_text.size()) {
            return false;
        }
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_at++];
            code <<= 4;
            if (c >= '0' && c <= '9') {
                code |= static_cast<unsigned>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                code |= static_cast<unsigned>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                code |= static_cast<unsigned>(c - 'A' + 10);
            } else {
                return false;
            }
        }
        return true;
    }

    bool String(std::string& out)
    {
        if (!Literal("\"")) {
            return false;
        }
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"') {
                return true;
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_at >= m_text.size()) {
                return false;
            }
            const char escape = m_text[m_at++];
            switch (escape) {
            case '"':
            case '\\':
            case '/':
                out += escape;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                unsigned code = 0;
                if (!Hex4(code)) {
                    return false;
                }
                if (code >= 0xD800 && code < 0xDC00 && Literal("\\u")) {
                    unsigned low = 0;
                    if (!Hex4(low) || low < 0xDC00 || low >= 0xE000) {
                        return false;
                    }
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                }
                AppendUtf8(out, code);
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    bool Value(JsonValue& value, int depth)
    {
        Skip();
        if (m_at >= m_text.size() || depth > kMaxDepth) {
            return false;
        }
        const char c = m_text[m_at];
        if (c == '{') {
            ++m_at;
            value.kind = JsonValue::Kind::Object;
            Skip();
            if (Literal("}")) {
                return true;
            }
            do {
                Skip();
                std::pair<std::string, JsonValue> member;
                if (!String(member.first)) {
                    return false;
                }
                Skip();
                if (!Literal(":") || !Value(member.second, depth + 1)) {
                    return false;
                }
                value.members.push_back(std::move(member));
                Skip();
            } while (Literal(","));
            return Literal("}");
        }
        if (c == '[') {
            ++m_at;
            value.kind = JsonValue::Kind::Array;
            Skip();
            if (Literal("]")) {
                return true;
            }
            do {
                JsonValue item;
                if (!Value(item, depth + 1)) {
                    return false;
                }
                value.items.push_back(std::move(item));
                Skip();
            } while (Literal(","));
            return Literal("]");
        }
        if (c == '"') {
            value.kind = JsonValue::Kind::String;
            return String(value.text);
        }
        if (Literal("true") || Literal("false")) {
            value.kind = JsonValue::Kind::Bool;
            value.boolean = m_text[m_at - 1] == 'e' && m_text.substr(m_at - 4, 4) == "true";
            return true;
        }
        if (Literal("null")) {
            return true;
        }
        // from_chars reads the C form whatever the locale says.
        const std::string_view number = m_text.substr(m_at, m_text.find_first_of(",]} \r\n\t", m_at) - m_at);
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value.number);
        if (number.empty() || error != std::errc() || end != number.data() + number.size()) {
            return false;
        }
        value.kind = JsonValue::Kind::Number;
        m_at += number.size();
        return true;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace

const JsonValue* JsonValue::Find(std::string_view key) const
{
    for (const auto& [name, member] : members) {
        if (name == key) {
            return &member;
        }
    }
    return nullptr;
}

std::string JsonValue::StringOf(std::string_view key) const
{
    const JsonValue* member = Find(key);
    return member != nullptr && member->kind == Kind::String ? member->text : std::string();
}

std::optional<JsonValue> ParseJson(std::string_view text)
{
    JsonValue value;
    Parser parser(text);
    if (!parser.Whole(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace listrider::cli
