#include "engine/script_step.h"

#include <charconv>

#include "sites/site_file_lines.h"

namespace listrider::engine {
namespace {

store::Error Malformed(std::string_view stepFile, std::string message)
{
    return store::MakeError(store::ErrorKind::Malformed, std::move(message), std::string(stepFile));
}

// The line at `index`, or the empty text past the end: a text that ended with an empty line
// loses that line when it is split, and the lines after the "@" may be such lines.
std::string_view LineOrEmpty(const store::LineList& lines, std::size_t index)
{
    return index < lines.size() ? lines[index] : std::string_view();
}

store::Result<void> ReadWebStep(const store::LineList& lines, std::string_view stepFile, LoadedStep& step)
{
    if (lines.size() < 8) {
        return Malformed(stepFile, "The web step ends before its action line");
    }
    step.host = lines[4];
    step.path = lines[5];
    step.method = lines[6];
    step.actionText = lines[7];
    std::size_t at = 8;
    for (bool isName = true;; isName = !isName, ++at) {
        if (at >= lines.size()) {
            return Malformed(stepFile, "The web step has no \"@\" line after its fields");
        }
        if (lines[at] == "@") {
            break;
        }
        (isName ? step.names : step.values).emplace_back(lines[at]);
    }
    const std::optional<int> onFailure = ParseStepNumber(LineOrEmpty(lines, at + 2));
    const std::optional<int> onSuccess = ParseStepNumber(LineOrEmpty(lines, at + 6));
    if (!onFailure || !onSuccess) {
        return Malformed(stepFile, "A branch line of the web step is not a step number");
    }
    step.onFailure = *onFailure;
    step.failureText = LineOrEmpty(lines, at + 3);
    step.onSuccess = *onSuccess;
    step.successText = LineOrEmpty(lines, at + 7);
    for (std::size_t i = at + 9; i < lines.size(); ++i) {
        step.commands.emplace_back(lines[i]);
    }
    return {};
}

store::Result<void> ReadMailStep(const store::LineList& lines,
                                 std::string_view stepFile,
                                 const store::NarrowMacroResolver& resolve,
                                 LoadedStep& step)
{
    if (lines.size() < 7) {
        return Malformed(stepFile, "The e-mail step ends before its action line");
    }
    step.recipient = lines[4];
    step.subject = store::SubstituteMacros(lines[5], resolve);
    step.actionText = lines[6];
    for (std::size_t i = 7; i < lines.size() && lines[i] != "@"; ++i) {
        step.values.emplace_back(lines[i]);
    }
    return {};
}

// Every line is compared, although the list is meant as pairs: the line after the first equal
// one is the replacement.
store::Result<void> MapCategory(const store::LineList& list, std::string_view stepFile, std::string& value)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] != value) {
            continue;
        }
        if (i + 1 >= list.size()) {
            return Malformed(stepFile, "The category list ends at the line that matches the category");
        }
        value = list[i + 1];
        break;
    }
    return {};
}

store::Result<void> ApplyCategoryLists(std::string_view stepFile,
                                       const StepSources& sources,
                                       StepCategories& categories,
                                       LoadedStep& step)
{
    const int position = sites::SiteOfFileName(sources.table, stepFile);
    if (position < 0) {
        return {};
    }
    const sites::SitesR& site = sources.table.sites[static_cast<std::size_t>(position)];
    if (site.HasCategories && !site.Cat.empty()) {
        step.ownCategoriesApplied = true;
        const store::LineList list =
            sites::SiteFileLines(sources.table, site.Name + ".cat", true, sources.key);
        if (store::Result<void> mapped = MapCategory(list, stepFile, categories.category); !mapped) {
            return mapped;
        }
    }
    if (!site.Ca0.empty()) {
        const store::LineList list =
            sites::SiteFileLines(sources.table, site.Name + ".ca0", true, sources.key);
        if (store::Result<void> mapped = MapCategory(list, stepFile, categories.subCategory); !mapped) {
            return mapped;
        }
    }
    return {};
}

} // namespace

std::string
StepFileName(const std::filesystem::path& scratchDir, std::string_view site, int step, bool searchActive)
{
    std::string extension;
    if (step == 0) {
        extension = searchActive ? std::to_string(kSearchEntryStep) : "sub";
    } else {
        extension = std::to_string(step);
    }
    return (scratchDir / (std::string(site) + "." + extension)).string();
}

std::optional<int> ParseStepNumber(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(' ');
    if (first == line.npos) {
        return std::nullopt;
    }
    line = line.substr(first, line.find_last_not_of(' ') - first + 1);
    if (line.size() > 1 && line[0] == '+' && line[1] != '-') {
        line.remove_prefix(1);
    }
    int value = 0;
    const char* end = line.data() + line.size();
    const auto [ptr, error] = std::from_chars(line.data(), end, value);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

store::Result<LoadedStep>
LoadStep(std::string_view stepFile, const StepSources& sources, StepCategories& categories)
{
    const store::LineList lines = sites::SiteFileLines(sources.table, stepFile, true, sources.key);
    if (lines.size() < 4) {
        return store::MakeError(
            store::ErrorKind::NotFound, "The step has fewer than 4 lines", std::string(stepFile));
    }
    LoadedStep step;
    step.channel = lines[3];
    store::Result<void> read = step.IsWeb() ? ReadWebStep(lines, stepFile, step)
                                            : ReadMailStep(lines, stepFile, sources.resolve, step);
    if (!read) {
        return read.GetError();
    }
    if (store::Result<void> mapped = ApplyCategoryLists(stepFile, sources, categories, step); !mapped) {
        return mapped.GetError();
    }
    if (step.method == "POST") {
        step.method = "POSTSPECIAL";
    }
    return step;
}

} // namespace listrider::engine
