// A PAD file read for import: its prepared lines and the encoding of its values.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "store/code_page.h"
#include "store/line_list.h"

namespace listrider::catalogue {

/// The lines of a PAD file, each split at every CR and LF and passed through HtmlUnescape, and
/// the conversion of their values: a file declared in another single-byte encoding is read in
/// that encoding, a file that is valid UTF-8 as UTF-8, any other file in the code page.
class PadSource
{
public:
    PadSource(std::string text, const store::CodePage& codePage);

    /// Returns the file read whole (a missing file reads as empty).
    static PadSource Load(const std::filesystem::path& file, const store::CodePage& codePage);

    store::LineSpan Lines() const { return m_lines.Span(); }

    const std::string& RawText() const { return m_text; }

    /// Returns whether the values are read as UTF-8.
    bool IsUtf8() const { return m_utf8; }

    /// Returns a value as Unicode; numeric character references are resolved, and in a
    /// multi-line value also &lt; and &gt; (a one-line store value cannot hold them).
    std::u16string Wide(std::string_view raw, bool multiLine = false) const;

    /// Returns a value in the code page ("?" for what it lacks).
    std::string Text(std::string_view raw, bool multiLine = false) const;

    /// Returns a Unicode text in the code page ("?" for what it lacks).
    std::string Narrow(std::u16string_view wide) const { return m_codePage.FromWide(wide); }

private:
    std::string m_text;
    store::LineList m_lines;
    store::CodePage m_codePage;
    std::optional<store::CodePage> m_declared;
    bool m_utf8 = false;
};

/// Returns the text's lines split at CR LF, lone CR and lone LF.
store::LineList SplitPadLines(std::string_view text);

/// Returns the encoding named by an XML declaration at the start of the text, or empty.
std::string DeclaredEncoding(std::string_view text);

} // namespace listrider::catalogue
