// The line list: the universal container of the stores.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listrider::store {

/// A read-only run of lines, as the readers of the stores take them.
using LineSpan = std::span<const std::string_view>;

/// An ordered list of text lines. The lines of a loaded file share one buffer, so reading a large
/// store costs one allocation for the text and one for the line table. Like a standard container it
/// keeps the standard member names (size, empty, begin, end, push_back, clear).
class LineList
{
public:
    LineList() = default;
    LineList(std::initializer_list<std::string_view> lines);
    explicit LineList(const std::vector<std::string>& lines);
    LineList(const LineList& other);
    LineList& operator=(const LineList& other);
    LineList(LineList&& other) noexcept = default;
    LineList& operator=(LineList&& other) noexcept = default;
    ~LineList() = default;

    /// Returns the lines of a text split by the store rules: a line ends at an LF that follows a CR,
    /// CR bytes are never part of a line, a lone LF is an ordinary byte, and a last line without
    /// its CR LF is kept when it is not empty.
    static LineList FromText(std::string text);

    // NOLINTBEGIN(readability-identifier-naming): the standard container names, for range-for
    // and the standard algorithms.
    std::size_t size() const { return m_lines.size(); }

    bool empty() const { return m_lines.empty(); }

    std::string_view operator[](std::size_t index) const { return m_lines[index]; }

    const std::string_view* begin() const { return m_lines.data(); }

    const std::string_view* end() const { return m_lines.data() + m_lines.size(); }

    std::string_view back() const { return m_lines.back(); }

    /// Returns all lines as a span for the readers.
    LineSpan Span() const { return {m_lines.data(), m_lines.size()}; }

    operator LineSpan() const { return Span(); }

    void push_back(std::string_view line);
    void clear();
    // NOLINTEND(readability-identifier-naming)

    /// Replaces the line at `index`.
    void Set(std::size_t index, std::string_view line);
    /// Inserts a line before `index` (at the end when `index` equals size()).
    void Insert(std::size_t index, std::string_view line);
    /// Removes the line at `index`.
    void Erase(std::size_t index);

    /// Returns copies of the lines.
    std::vector<std::string> ToStrings() const;

private:
    std::string_view Keep(std::string_view text);

    // Text buffers never move once created, so the views stay valid.
    std::vector<std::unique_ptr<std::string>> m_buffers;
    std::vector<std::string_view> m_lines;
};

/// Returns the lines joined by CR LF, with no CR LF after the last line.
std::string JoinLines(LineSpan lines);

/// Returns whether some line equals `text` exactly (case-sensitive).
bool ListHasItem(LineSpan list, std::string_view text);

} // namespace listrider::store
