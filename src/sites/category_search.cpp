#include "sites/category_search.h"

#include <algorithm>

#include "store/text_helpers.h"

namespace listrider::sites {
namespace {

bool ContainsFolded(const std::string& foldedItem, const std::string& foldedPart)
{
    return !foldedPart.empty() && foldedItem.find(foldedPart) != std::string::npos;
}

std::vector<std::string> SplitAt(std::string_view text, std::string_view separators)
{
    std::vector<std::string> parts;
    std::string part;
    for (const char c : text) {
        if (separators.find(c) != std::string_view::npos) {
            parts.push_back(std::move(part));
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    parts.push_back(std::move(part));
    return parts;
}

std::string TrimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

} // namespace

int FindCategory(std::span<const std::string> items, int selected, std::string_view text)
{
    const std::string part = store::UpperCyrillic(text);
    for (std::size_t i = static_cast<std::size_t>(std::max(selected, -1) + 1); i < items.size(); ++i) {
        if (ContainsFolded(store::UpperCyrillic(items[i]), part)) {
            return static_cast<int>(i);
        }
    }
    return selected;
}

int FindCategoryByKeywords(std::span<const std::string> items, int selected, std::string_view keywords)
{
    std::vector<std::string> words;
    for (const std::string& word : SplitAt(keywords, " ,")) {
        if (!word.empty()) {
            words.push_back(store::UpperCyrillic(word));
        }
    }
    int best = selected;
    std::size_t bestCount = 0;
    for (std::size_t i = static_cast<std::size_t>(std::max(selected, -1) + 1); i < items.size(); ++i) {
        const std::string item = store::UpperCyrillic(items[i]);
        std::size_t count = 0;
        for (const std::string& word : words) {
            count += ContainsFolded(item, word) ? 1 : 0;
        }
        if (count > bestCount) {
            best = static_cast<int>(i);
            bestCount = count;
        }
    }
    return best;
}

std::vector<std::string> PadCategoryEntries(std::string_view padCategories)
{
    std::vector<std::string> entries;
    for (const std::string& part : SplitAt(padCategories, ",")) {
        if (std::string entry = TrimSpaces(part); !entry.empty()) {
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

} // namespace listrider::sites
