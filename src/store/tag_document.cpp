#include "store/tag_document.h"

namespace listrider::store {

std::string TagValue(std::string_view line)
{
    const std::size_t open = line.find('>');
    if (open == std::string_view::npos) {
        return {};
    }
    std::string value;
    for (std::size_t i = open + 1; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '<') {
            break;
        }
        if (c != '>') {
            value.push_back(c);
        }
    }
    return value;
}

std::string OpenTag(std::string_view tag)
{
    std::string text;
    text.reserve(tag.size() + 2);
    text.append("<").append(tag).append(">");
    return text;
}

std::string CloseTag(std::string_view tag)
{
    std::string text;
    text.reserve(tag.size() + 3);
    text.append("</").append(tag).append(">");
    return text;
}

std::string ElementLine(std::string_view tag, std::string_view value)
{
    std::string text;
    text.reserve(2 * tag.size() + value.size() + 5);
    text.append("<").append(tag).append(">").append(value).append("</").append(tag).append(">");
    return text;
}

bool HasUtf8Marker(LineSpan lines)
{
    return !lines.empty() && lines.front() == kUtf8Marker;
}

LineSpan WithoutUtf8Marker(LineSpan lines)
{
    return HasUtf8Marker(lines) ? lines.subspan(1) : lines;
}

std::optional<std::size_t> ElementReader::LineOf(std::string_view tag) const
{
    const std::string open = OpenTag(tag);
    for (std::size_t i = m_lines.size(); i-- > 0;) {
        if (ContainsNoCase(m_lines[i], open)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ElementReader::Find(std::string_view tag) const
{
    const std::optional<std::size_t> line = LineOf(tag);
    if (!line) {
        return std::nullopt;
    }
    return TagValue(m_lines[*line]);
}

std::string ElementReader::Text(std::string_view tag, std::string_view fallback) const
{
    std::optional<std::string> value = Find(tag);
    return value ? std::move(*value) : std::string(fallback);
}

bool ElementReader::Flag(std::string_view tag, FlagWords words, bool fallback) const
{
    const std::optional<std::string> value = Find(tag);
    return value ? ReadFlag(*value, words) : fallback;
}

Block ReadBlock(LineSpan lines, std::size_t openIndex, std::string_view tag)
{
    const std::string close = CloseTag(tag);
    Block block;
    const std::size_t first = std::min(openIndex + 1, lines.size());
    std::size_t i = first;
    while (i < lines.size() && !ContainsNoCase(lines[i], close)) {
        ++i;
    }
    block.lines = lines.subspan(first, i - first);
    block.closed = i < lines.size();
    block.next = block.closed ? i + 1 : i;
    return block;
}

std::vector<LineSpan>
ReadGroups(LineSpan lines, std::string_view openLine, std::string_view closeLine, bool keepUnterminated)
{
    std::vector<LineSpan> groups;
    std::size_t i = 0;
    while (i < lines.size()) {
        if (lines[i] != openLine) {
            ++i;
            continue;
        }
        const std::size_t first = i + 1;
        std::size_t end = first;
        while (end < lines.size() && lines[end] != closeLine) {
            ++end;
        }
        if (end < lines.size() || keepUnterminated) {
            groups.push_back(lines.subspan(first, end - first));
        }
        i = end + 1;
    }
    return groups;
}

Section ReadSection(LineSpan lines, std::size_t openIndex)
{
    Section section;
    if (openIndex >= lines.size()) {
        section.next = lines.size();
        return section;
    }
    const std::string_view open = lines[openIndex];
    section.name = open.size() >= 2 ? std::string(open.substr(1, open.size() - 2)) : std::string();
    const std::string close = CloseTag(section.name);
    const std::size_t first = openIndex + 1;
    std::size_t i = first;
    while (i < lines.size() && !ContainsNoCase(lines[i], close)) {
        ++i;
    }
    section.lines = lines.subspan(first, i - first);
    section.closed = i < lines.size();
    section.next = section.closed ? i + 1 : i;
    return section;
}

std::vector<LineSpan> ReadRecords(LineSpan lines, std::string_view firstTag)
{
    const std::string open = OpenTag(firstTag);
    std::vector<LineSpan> records;
    std::size_t start = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (ContainsNoCase(lines[i], open)) {
            if (start < lines.size()) {
                records.push_back(lines.subspan(start, i - start));
            }
            start = i;
        }
    }
    if (start < lines.size()) {
        records.push_back(lines.subspan(start));
    }
    return records;
}

void TagWriter::Element(std::string_view tag, std::string_view value)
{
    m_lines.push_back(ElementLine(tag, value));
}

void TagWriter::Flag(std::string_view tag, bool value, FlagWords words)
{
    Element(tag, FlagWord(value, words));
}

void TagWriter::Block(std::string_view tag, LineSpan valueLines)
{
    m_lines.push_back(OpenTag(tag));
    for (std::string_view line : valueLines) {
        m_lines.push_back(line);
    }
    m_lines.push_back(CloseTag(tag));
}

void TagWriter::Block(std::string_view tag, const std::vector<std::string>& valueLines)
{
    m_lines.push_back(OpenTag(tag));
    for (const std::string& line : valueLines) {
        m_lines.push_back(line);
    }
    m_lines.push_back(CloseTag(tag));
}

void TagWriter::Line(std::string_view line)
{
    m_lines.push_back(line);
}

Result<void> TagWriter::Save(const std::filesystem::path& file, FileAccess access) const
{
    return SaveLines(file, m_lines.Span(), access);
}

} // namespace listrider::store
