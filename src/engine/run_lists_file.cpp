#include "engine/run_lists_file.h"

#include <array>
#include <charconv>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "store/file_io.h"

namespace listrider::engine {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader = "Listrider run lists 1";

class ListsWriter
{
public:
    /// Adds a section: its name with the count of its lines, then the lines.
    void Section(std::string_view name, const std::vector<std::string>& lines)
    {
        m_lines.push_back(std::string(name) + " " + std::to_string(lines.size()));
        for (const std::string& line : lines) {
            m_lines.push_back(OneLine(line));
        }
    }

    const std::vector<std::string>& Lines() const { return m_lines; }

private:
    static std::string OneLine(std::string text)
    {
        for (char& c : text) {
            if (c == '\r' || c == '\n') {
                c = ' ';
            }
        }
        return text;
    }

    std::vector<std::string> m_lines{std::string(kHeader)};
};

std::vector<std::string> DetailLines(const std::deque<DetailRow>& rows)
{
    std::vector<std::string> lines;
    for (const DetailRow& row : rows) {
        lines.insert(lines.end(), {row.time, row.site, row.action, row.result});
    }
    return lines;
}

std::vector<std::string> LogLines(const std::deque<LogRow>& rows)
{
    std::vector<std::string> lines;
    for (const LogRow& row : rows) {
        lines.insert(lines.end(), {row.time, row.site, row.result});
    }
    return lines;
}

std::optional<long long> Number(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<Outcome> OutcomeOfWord(std::string_view word)
{
    for (Outcome outcome : {Outcome::None, Outcome::Error, Outcome::Skip, Outcome::Abort, Outcome::Exists}) {
        if (OutcomeWord(outcome) == word) {
            return outcome;
        }
    }
    return std::nullopt;
}

store::Error Malformed(const fs::path& file, std::string detail)
{
    return store::MakeError(
        store::ErrorKind::Malformed, "Unreadable run lists " + file.string(), std::move(detail));
}

} // namespace

store::Result<void> SaveRunLists(const fs::path& resultFolder, const SubmissionState& state)
{
    ListsWriter writer;
    writer.Section("details1", DetailLines(state.page1.details));
    writer.Section("details3", DetailLines(state.page3.details));
    writer.Section("log1", LogLines(state.page1.log));
    writer.Section("log3", LogLines(state.page3.log));
    writer.Section("pending", state.pending);
    writer.Section("httperrs", state.httpErrors);
    std::vector<std::string> report;
    for (const long long value : state.report.ToArray()) {
        report.push_back(std::to_string(value));
    }
    writer.Section("report", report);
    writer.Section("failed", {std::to_string(state.failedSites)});
    writer.Section("outcome", {std::string(OutcomeWord(state.lastOutcome))});
    writer.Section("page", {std::to_string(static_cast<int>(state.page))});
    return store::SaveLines(resultFolder / kRunListsFile, writer.Lines());
}

store::Result<SubmissionState> LoadRunLists(const fs::path& resultFolder)
{
    const fs::path file = resultFolder / kRunListsFile;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        return store::MakeError(store::ErrorKind::NotFound, "No run lists in " + resultFolder.string());
    }
    const store::LineList lines = store::LoadLines(file);
    if (lines.empty() || lines[0] != kHeader) {
        return Malformed(file, "no header line");
    }

    SubmissionState state;
    using Reader = std::function<bool(store::LineSpan)>;
    const auto rows = [](std::size_t width, auto add) {
        return [width, add](store::LineSpan section) {
            if (section.size() % width != 0) {
                return false;
            }
            for (std::size_t i = 0; i < section.size(); i += width) {
                add(section.subspan(i, width));
            }
            return true;
        };
    };
    const auto details = [&rows](std::deque<DetailRow>& list) {
        return rows(4, [&list](store::LineSpan f) {
            list.push_back(
                DetailRow{std::string(f[0]), std::string(f[1]), std::string(f[2]), std::string(f[3])});
        });
    };
    const auto log = [&rows](std::deque<LogRow>& list) {
        return rows(3, [&list](store::LineSpan f) {
            list.push_back(LogRow{std::string(f[0]), std::string(f[1]), std::string(f[2])});
        });
    };
    const auto names = [](std::vector<std::string>& list) {
        return [&list](store::LineSpan section) {
            list.assign(section.begin(), section.end());
            return true;
        };
    };
    const std::map<std::string, Reader, std::less<>> readers = {
        {"details1", details(state.page1.details)},
        {"details3", details(state.page3.details)},
        {"log1", log(state.page1.log)},
        {"log3", log(state.page3.log)},
        {"pending", names(state.pending)},
        {"httperrs", names(state.httpErrors)},
        {"report",
         [&state](store::LineSpan section) {
             std::array<long long, 7> values{};
             if (section.size() != values.size()) {
                 return false;
             }
             for (std::size_t i = 0; i < values.size(); ++i) {
                 const std::optional<long long> value = Number(section[i]);
                 if (!value) {
                     return false;
                 }
                 values[i] = *value;
             }
             state.report.FromArray(values);
             return true;
         }},
        {"failed",
         [&state](store::LineSpan section) {
             const std::optional<long long> value = section.size() == 1 ? Number(section[0]) : std::nullopt;
             state.failedSites = value.value_or(0);
             return value.has_value();
         }},
        {"outcome",
         [&state](store::LineSpan section) {
             const std::optional<Outcome> outcome =
                 section.size() == 1 ? OutcomeOfWord(section[0]) : std::nullopt;
             state.lastOutcome = outcome.value_or(Outcome::None);
             return outcome.has_value();
         }},
        {"page",
         [&state](store::LineSpan section) {
             const std::optional<long long> value = section.size() == 1 ? Number(section[0]) : std::nullopt;
             if (!value || *value < 1 || *value > 5) {
                 return false;
             }
             state.page = static_cast<WizardPage>(*value);
             return true;
         }},
    };

    const store::LineSpan all = lines.Span();
    for (std::size_t at = 1; at < all.size();) {
        const std::string_view head = all[at];
        const std::size_t space = head.rfind(' ');
        const std::optional<long long> count =
            space == std::string_view::npos ? std::nullopt : Number(head.substr(space + 1));
        if (!count || *count < 0 || static_cast<std::size_t>(*count) > all.size() - at - 1) {
            return Malformed(file, "section line " + std::to_string(at + 1));
        }
        const store::LineSpan section = all.subspan(at + 1, static_cast<std::size_t>(*count));
        // A section a later version adds is passed over.
        if (const auto reader = readers.find(head.substr(0, space)); reader != readers.end()) {
            if (!reader->second(section)) {
                return Malformed(file, std::string(head));
            }
        }
        at += 1 + section.size();
    }
    return state;
}

void CarryOverStep1(const SubmissionState& saved, SubmissionState& state)
{
    if (state.page1.details.empty()) {
        state.page1.details = saved.page1.details;
    }
    if (state.page == WizardPage::NewPasswords) {
        state.report = saved.report;
    }
}

} // namespace listrider::engine
