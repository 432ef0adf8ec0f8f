// Tag documents: element lines <Tag>value</Tag>, block elements, groups and repeated records.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/ascii.h"
#include "store/file_io.h"
#include "store/line_list.h"
#include "store/result.h"

namespace listrider::store {

/// The two words a store writes for a yes/no value.
struct FlagWords
{
    std::string_view yes;
    std::string_view no;
};

inline constexpr FlagWords kYesNoFlags{"YES", "NO"}; ///< site index, status and product files
inline constexpr FlagWords kYnFlags{"Y", "N"};       ///< preferences

/// The first line of a store whose named values are UTF-8.
inline constexpr std::string_view kUtf8Marker = "UTF-8";

/// Returns the value of the element on the line: the text after the first '>' up to the next '<',
/// with any further '>' dropped; a line without '>' gives the empty value.
std::string TagValue(std::string_view line);

/// Returns "<tag>".
std::string OpenTag(std::string_view tag);

/// Returns "</tag>".
std::string CloseTag(std::string_view tag);

/// Returns the element line "<tag>value</tag>".
std::string ElementLine(std::string_view tag, std::string_view value);

/// Returns whether a value is the yes-word (exact, case-sensitive).
inline bool ReadFlag(std::string_view value, FlagWords words)
{
    return value == words.yes;
}

/// Returns the word written for a flag.
inline std::string_view FlagWord(bool value, FlagWords words)
{
    return value ? words.yes : words.no;
}

/// Returns whether the lines start with the UTF-8 marker line.
bool HasUtf8Marker(LineSpan lines);

/// Returns the lines without a leading UTF-8 marker line.
LineSpan WithoutUtf8Marker(LineSpan lines);

/// Values of a store read the way the preferences and product readers do: every tag is tested on
/// every line by a case-insensitive search for "<tag>", and the last line that holds it wins.
class ElementReader
{
public:
    explicit ElementReader(LineSpan lines)
        : m_lines(lines)
    {}

    /// Returns the value of the last line holding the tag, or nothing when no line holds it.
    std::optional<std::string> Find(std::string_view tag) const;

    /// Returns the tag's value, or `fallback` when absent.
    std::string Text(std::string_view tag, std::string_view fallback = {}) const;

    /// Returns whether the tag's value is the yes-word, or `fallback` when absent.
    bool Flag(std::string_view tag, FlagWords words, bool fallback) const;

    /// Returns the index of the last line holding the tag, or nothing.
    std::optional<std::size_t> LineOf(std::string_view tag) const;

private:
    LineSpan m_lines;
};

/// A block element's value lines.
struct Block
{
    LineSpan lines;       ///< the value's lines, taken whole
    std::size_t next = 0; ///< index of the line after the closing line (or the end)
    bool closed = false;  ///< false when the file ended before the closing line
};

/// Returns the block whose opening line is at `openIndex`: the following lines up to the first
/// line containing "</tag>" (ASCII case ignored), or up to the end when there is none.
Block ReadBlock(LineSpan lines, std::size_t openIndex, std::string_view tag);

/// Returns the inner lines of every group that opens at a line equal to `openLine` and closes
/// at the next line equal to `closeLine` (exact, case-sensitive). A group still open at the end
/// of the lines is included only when `keepUnterminated` is set. Lines outside groups are ignored.
std::vector<LineSpan> ReadGroups(LineSpan lines,
                                 std::string_view openLine,
                                 std::string_view closeLine,
                                 bool keepUnterminated = false);

/// A group whose name comes from its opening line, such as a language section.
struct Section
{
    std::string name;     ///< the opening line without its first and last characters
    LineSpan lines;       ///< the lines up to the closing line
    std::size_t next = 0; ///< index of the line after the closing line (or the end)
    bool closed = false;
};

/// Returns the section opening at `openIndex`; it ends at the first line containing
/// "</" + name + ">" (ASCII case ignored), or at the end of the lines.
Section ReadSection(LineSpan lines, std::size_t openIndex);

/// Returns the records of a store of repeated records: each starts at a line containing
/// "<firstTag>" and runs to the line before the next such line. Lines before the first record
/// are ignored.
std::vector<LineSpan> ReadRecords(LineSpan lines, std::string_view firstTag);

/// Builds a tag document line by line in the store's fixed order.
class TagWriter
{
public:
    /// Adds "<tag>value</tag>".
    void Element(std::string_view tag, std::string_view value);
    /// Adds a flag element with the store's words.
    void Flag(std::string_view tag, bool value, FlagWords words);
    /// Adds a block element: the opening line, the value's lines, the closing line.
    void Block(std::string_view tag, LineSpan valueLines);
    /// Adds a block element from owned lines.
    void Block(std::string_view tag, const std::vector<std::string>& valueLines);
    /// Adds a line as it is (group lines, markers, plain list items).
    void Line(std::string_view line);

    const LineList& Lines() const { return m_lines; }

    /// Saves the lines with SaveLines.
    Result<void> Save(const std::filesystem::path& file, FileAccess access = FileAccess::Shared) const;

private:
    LineList m_lines;
};

} // namespace listrider::store
