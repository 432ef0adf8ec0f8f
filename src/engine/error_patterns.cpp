#include "engine/error_patterns.h"

#include <system_error>

#include "engine/result_folder.h"
#include "store/ascii.h"
#include "store/file_io.h"

namespace listrider::engine {
namespace {

namespace fs = std::filesystem;

// Only the pages of steps 0..30 are looked at: later numbers belong to the search and e-mail
// pages, which say nothing about the failure.
constexpr int kNewestRequest = 30;

} // namespace

std::string JoinPageLines(std::string_view page)
{
    std::string joined;
    joined.reserve(page.size() + 1);
    std::size_t start = 0;
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (page[i] != '\r' && page[i] != '\n') {
            continue;
        }
        joined.append(page.substr(start, i - start)).push_back(' ');
        if (page[i] == '\r' && i + 1 < page.size() && page[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < page.size()) {
        joined.append(page.substr(start)).push_back(' ');
    }
    return joined;
}

bool GetErrorFromFile(const sites::SitesR& site,
                      const store::SiteKey& key,
                      const fs::path& resultFolder,
                      ErrorTexts& texts)
{
    if (site.Err.empty()) {
        return false;
    }
    const store::LineList lines = store::UnpackLines(site.Err, true, key);
    const std::size_t triples = lines.size() / 3;
    if (triples == 0) {
        return false;
    }
    for (int request = kNewestRequest; request >= 0; --request) {
        const fs::path page = SavedPagePath(resultFolder, site.Name, request);
        std::error_code ec;
        if (!fs::exists(page, ec)) {
            continue;
        }
        const std::string text = JoinPageLines(store::LoadFileAsString(page));
        for (std::size_t t = 0; t < triples; ++t) {
            if (store::ContainsNoCase(text, lines[3 * t])) {
                texts.reason = lines[3 * t + 1];
                texts.solution = lines[3 * t + 2];
                return true;
            }
        }
        return false;
    }
    return false;
}

} // namespace listrider::engine
