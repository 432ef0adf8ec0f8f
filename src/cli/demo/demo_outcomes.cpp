#include "cli/demo/demo_outcomes.h"

#include "cli/demo/demo_sources.h"

namespace listrider::cli {
namespace {

std::string Trimmed(std::string text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

std::vector<std::string> Split(const std::string& line)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1) {
        parts.push_back(Trimmed(line.substr(start, bar - start)));
    }
    parts.push_back(Trimmed(line.substr(start)));
    return parts;
}

void CompareStep(const char* step,
                 const std::string& site,
                 const std::string& wanted,
                 const RunResults& results,
                 std::vector<std::string>& differences)
{
    const auto it = results.find(site);
    if (wanted.empty()) {
        if (it != results.end()) {
            differences.push_back(site + ": ran in " + step + " (\"" + it->second +
                                  "\") but should not have");
        }
        return;
    }
    if (it == results.end()) {
        differences.push_back(site + ": did not end in " + step + ", built to end \"" + wanted + "\"");
    } else if (it->second != wanted) {
        differences.push_back(site + ": ended \"" + it->second + "\" in " + step + ", built to end \"" +
                              wanted + "\"");
    }
}

} // namespace

store::Result<std::vector<ExpectedOutcome>> LoadExpectedOutcomes(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return store::MakeError(store::ErrorKind::NotFound, "The demo's outcomes are missing", file.string());
    }
    std::vector<ExpectedOutcome> outcomes;
    for (const std::string& line : SourceLines(file)) {
        const std::string text = Trimmed(line);
        if (text.empty() || text.front() == '#') {
            continue;
        }
        const std::vector<std::string> parts = Split(text);
        if (parts.size() < 2 || parts.size() > 3 || parts[0].empty() || parts[1].empty()) {
            return store::MakeError(store::ErrorKind::Malformed,
                                    "A line of the demo's outcomes is not \"Site | "
                                    "result [| result]\"",
                                    text);
        }
        outcomes.push_back({parts[0], parts[1], parts.size() == 3 ? parts[2] : std::string()});
    }
    return outcomes;
}

std::vector<std::string> CompareOutcomes(const std::vector<ExpectedOutcome>& expected,
                                         const RunResults& step1,
                                         const RunResults& step3)
{
    std::vector<std::string> differences;
    std::map<std::string, bool> known;
    for (const ExpectedOutcome& outcome : expected) {
        known[outcome.site] = true;
        CompareStep("Step 1", outcome.site, outcome.step1, step1, differences);
        CompareStep("Step 3", outcome.site, outcome.step3, step3, differences);
    }
    for (const RunResults* results : {&step1, &step3}) {
        for (const auto& [site, result] : *results) {
            if (!known[site]) {
                differences.push_back(site + ": is no demo site but ended \"" + result + "\"");
                known[site] = true;
            }
        }
    }
    return differences;
}

} // namespace listrider::cli
