#include "store/line_list.h"

#include <algorithm>
#include <cstring>

namespace listrider::store {
namespace {

constexpr std::size_t kBufferChunk = 4096;

} // namespace

LineList::LineList(std::initializer_list<std::string_view> lines)
{
    m_lines.reserve(lines.size());
    for (std::string_view line : lines) {
        push_back(line);
    }
}

LineList::LineList(const std::vector<std::string>& lines)
{
    m_lines.reserve(lines.size());
    for (const std::string& line : lines) {
        push_back(line);
    }
}

LineList::LineList(const LineList& other)
{
    *this = other;
}

LineList& LineList::operator=(const LineList& other)
{
    if (this == &other) {
        return *this;
    }
    std::size_t total = 0;
    for (std::string_view line : other.m_lines) {
        total += line.size();
    }
    auto buffer = std::make_unique<std::string>();
    buffer->reserve(total);
    std::vector<std::string_view> lines;
    lines.reserve(other.m_lines.size());
    for (std::string_view line : other.m_lines) {
        const std::size_t start = buffer->size();
        buffer->append(line);
        lines.emplace_back(buffer->data() + start, line.size());
    }
    m_buffers.clear();
    m_buffers.push_back(std::move(buffer));
    m_lines = std::move(lines);
    return *this;
}

LineList LineList::FromText(std::string text)
{
    LineList list;
    auto buffer = std::make_unique<std::string>(std::move(text));
    char* const data = buffer->data();
    const std::size_t size = buffer->size();
    list.m_lines.reserve(size / 32 + 1);

    // A CR sets a mark that only a byte other than CR and LF clears; an LF ends a line while the
    // mark is set (so CR LF LF ends two lines) and is an ordinary byte otherwise. CRs are never
    // stored. Lines without an inner CR (the usual case) are taken in place; the rare ones with
    // lone CRs are compacted in place.
    std::size_t lineStart = 0;
    std::size_t pos = 0;
    std::size_t lastEndingLf = std::string::npos;
    while (pos < size) {
        const void* found = std::memchr(data + pos, '\n', size - pos);
        const std::size_t lf =
            found ? static_cast<std::size_t>(static_cast<const char*>(found) - data) : size;
        const bool endsLine =
            lf < size && lf > 0 && (data[lf - 1] == '\r' || (data[lf - 1] == '\n' && lastEndingLf == lf - 1));
        if (!endsLine && lf < size) {
            pos = lf + 1;
            continue;
        }
        std::size_t contentEnd = lf;
        while (contentEnd > lineStart && data[contentEnd - 1] == '\r') {
            --contentEnd; // the CRs before the line end
        }
        std::size_t write = contentEnd;
        if (std::memchr(data + lineStart, '\r', contentEnd - lineStart) != nullptr) {
            write = lineStart;
            for (std::size_t i = lineStart; i < contentEnd; ++i) {
                if (data[i] != '\r') {
                    data[write++] = data[i];
                }
            }
        }
        if (endsLine || write > lineStart) {
            list.m_lines.emplace_back(data + lineStart, write - lineStart);
        }
        if (endsLine) {
            lastEndingLf = lf;
        }
        lineStart = lf + 1;
        pos = lineStart;
    }
    list.m_buffers.push_back(std::move(buffer));
    return list;
}

std::string_view LineList::Keep(std::string_view text)
{
    if (text.empty()) {
        return {};
    }
    std::string* buffer = m_buffers.empty() ? nullptr : m_buffers.back().get();
    if (buffer == nullptr || buffer->capacity() - buffer->size() < text.size()) {
        auto fresh = std::make_unique<std::string>();
        fresh->reserve(std::max(kBufferChunk, text.size()));
        buffer = fresh.get();
        m_buffers.push_back(std::move(fresh));
    }
    const std::size_t start = buffer->size();
    buffer->append(text); // fits the capacity: the buffer does not move
    return {buffer->data() + start, text.size()};
}

void LineList::push_back(std::string_view line)
{
    m_lines.push_back(Keep(line));
}

void LineList::clear()
{
    m_lines.clear();
    m_buffers.clear();
}

void LineList::Set(std::size_t index, std::string_view line)
{
    m_lines.at(index) = Keep(line);
}

void LineList::Insert(std::size_t index, std::string_view line)
{
    const std::string_view kept = Keep(line);
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(std::min(index, m_lines.size())), kept);
}

void LineList::Erase(std::size_t index)
{
    if (index < m_lines.size()) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

std::vector<std::string> LineList::ToStrings() const
{
    return {m_lines.begin(), m_lines.end()};
}

std::string JoinLines(LineSpan lines)
{
    std::size_t total = 0;
    for (std::string_view line : lines) {
        total += line.size() + 2;
    }
    std::string text;
    text.reserve(total);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text.append("\r\n");
        }
        text.append(lines[i]);
    }
    return text;
}

bool ListHasItem(LineSpan list, std::string_view text)
{
    return std::find(list.begin(), list.end(), text) != list.end();
}

} // namespace listrider::store
