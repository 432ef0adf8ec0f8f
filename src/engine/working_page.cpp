#include "engine/working_page.h"

#include <fstream>
#include <iterator>

#include "store/web_encoding.h"

namespace listrider::engine {
namespace {

std::string CollapseSpaces(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c == ' ' && !result.empty() && result.back() == ' ') {
            continue;
        }
        result.push_back(c);
    }
    return result;
}

} // namespace

std::string BuildWorkingPage(store::LineSpan lines)
{
    std::size_t total = 0;
    for (std::string_view line : lines) {
        total += line.size() + 1;
    }
    std::string joined;
    joined.reserve(total);
    for (std::string_view line : lines) {
        for (const char c : line) {
            const bool space = c == '\t' || c == '\r' || static_cast<unsigned char>(c) == 160;
            joined.push_back(space ? ' ' : c);
        }
        joined.push_back(' ');
    }
    return CollapseSpaces(store::HtmlUnescape(joined));
}

store::Result<std::string> ReadWorkingPage(const std::filesystem::path& pageFile)
{
    std::ifstream in(pageFile, std::ios::binary);
    if (!in) {
        return store::MakeError(
            store::ErrorKind::Io, "The page of the previous request cannot be read", pageFile.string());
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return store::MakeError(
            store::ErrorKind::Io, "The page of the previous request cannot be read", pageFile.string());
    }
    return BuildWorkingPage(store::LineList::FromText(std::move(bytes)));
}

} // namespace listrider::engine
