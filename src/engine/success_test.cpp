#include "engine/success_test.h"

#include "store/ascii.h"
#include "store/file_io.h"

namespace listrider::engine {

std::string NormalizePage(store::LineSpan lines)
{
    std::size_t total = 0;
    for (std::string_view line : lines) {
        total += line.size();
    }
    std::string page;
    page.reserve(total);
    for (std::string_view line : lines) {
        for (const char c : line) {
            if (c == '\r' || c == ' ') {
                if (page.empty() || page.back() != ' ') {
                    page.push_back(' ');
                }
            } else {
                page.push_back(c);
            }
        }
    }
    return page;
}

SuccessVerdict IsSuccessPage(const std::filesystem::path& pageFile,
                             std::string_view successText,
                             [[maybe_unused]] std::string_view failureText,
                             const store::NarrowMacroResolver& resolve)
{
    // The failure text is part of every step but never decides: a page holding both texts
    // passes, a page holding neither fails.
    const std::string success = store::SubstituteMacros(successText, resolve);
    SuccessVerdict verdict;
    if (success.empty()) {
        verdict.success = true;
        return verdict;
    }
    verdict.normalizedPage = NormalizePage(store::LoadLines(pageFile));
    verdict.success = store::ContainsNoCase(*verdict.normalizedPage, success);
    return verdict;
}

} // namespace listrider::engine
