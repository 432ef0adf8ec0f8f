// A small reader for the --json output of the commands, for the commands that run others.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace listrider::cli {

/// One JSON value: null, a boolean, a number, a string, an array or an object.
struct JsonValue
{
    enum class Kind
    {
        Null,
        Bool,
        Number,
        String,
        Array,
        Object,
    };

    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text; ///< a string's UTF-8 bytes
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    /// Returns the member of an object, or nullptr.
    const JsonValue* Find(std::string_view key) const;

    /// Returns the string member of an object, or "".
    std::string StringOf(std::string_view key) const;
};

/// Returns the value of a whole JSON text, or nothing when the text is not JSON.
std::optional<JsonValue> ParseJson(std::string_view text);

} // namespace listrider::cli
