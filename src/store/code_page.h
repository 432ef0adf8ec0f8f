// The system's ANSI code page: the single-byte encoding of every store text.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "store/result.h"

namespace listrider::store {

/// A single-byte code page with conversions to and from UTF-8 and UTF-16. Cheap to copy; safe to
/// use from any thread.
class CodePage
{
public:
    /// Returns the code page of the given iconv name ("WINDOWS-1252", "CP1251", "ISO-8859-1" ...).
    /// Multi-byte encodings are refused: store texts hold one byte per character.
    static Result<CodePage> Open(std::string_view name);

    /// Returns Windows-1252, the default code page.
    static CodePage Default();

    const std::string& Name() const { return m_table->name; }

    /// Returns the code-page text as UTF-8. Bytes the code page leaves undefined map to the
    /// control characters of the same value, so every text survives a round trip.
    std::string ToUtf8(std::string_view text) const;

    /// Returns the UTF-8 text in the code page, with `replacement` for each character it lacks;
    /// a malformed UTF-8 sequence is replaced byte by byte.
    std::string FromUtf8(std::string_view utf8, char replacement = '?') const;

    /// Returns the code-page text as UTF-16.
    std::u16string ToWide(std::string_view text) const;

    /// Returns how many characters of the UTF-16 text the code page lacks.
    std::size_t CountUnmappable(std::u16string_view wide) const;

    /// Returns the UTF-16 text in the code page, with `replacement` for each character it lacks.
    std::string FromWide(std::u16string_view wide, char replacement = '?') const;

private:
    struct Table
    {
        std::string name;
        std::array<char32_t, 256> toUnicode{};
        std::unordered_map<char32_t, unsigned char> fromUnicode;
    };

    explicit CodePage(std::shared_ptr<const Table> table)
        : m_table(std::move(table))
    {}

    bool Encode(char32_t cp, char& out) const;

    std::shared_ptr<const Table> m_table;
};

} // namespace listrider::store
