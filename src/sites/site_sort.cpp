#include "sites/site_sort.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>

#include "store/ascii.h"
#include "store/date_time.h"

namespace listrider::sites {
namespace {

constexpr std::string_view kLast = "ZZZZZ";

// How a caption compares its texts.
enum class Rule
{
    Submitted, ///< record dates, the later first
    GreaterTextFirst,
    Downloads, ///< integer values, the smaller first
    Listed,    ///< empty last, "NO" before it
    EmptyLast,
    NotApplicableLast,
    DashLast,
    Text,
};

Rule RuleOf(std::string_view caption)
{
    if (caption == "Submitted") {
        return Rule::Submitted;
    }
    if (caption == "Version Listed" || caption == "Version Submitted") {
        return Rule::GreaterTextFirst;
    }
    if (caption == "No. Downloads") {
        return Rule::Downloads;
    }
    if (caption == "Program Listed") {
        return Rule::Listed;
    }
    if (caption == "PAD Submission" || caption == "Comments") {
        return Rule::EmptyLast;
    }
    if (caption == "Login" || caption == "Password") {
        return Rule::NotApplicableLast;
    }
    if (caption.find("Aff") != std::string_view::npos) {
        return Rule::DashLast;
    }
    return Rule::Text;
}

// A leading optional minus and digits; empty counts -1, anything unreadable 0.
std::int64_t DownloadsValue(std::string_view text)
{
    if (text.empty()) {
        return -1;
    }
    std::size_t i = 0;
    const bool negative = text[0] == '-';
    if (negative) {
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > (INT64_MAX - 9) / 10) {
            break;
        }
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

struct SortKey
{
    std::string text;
    double submitted = 0;
    std::int64_t downloads = 0;
};

SortKey KeyOf(const SiteList& list, const SiteTable& table, const SiteRow& row, std::size_t column, Rule rule)
{
    SortKey key{store::AsciiUpper(list.Text(row, column))};
    switch (rule) {
    case Rule::Submitted:
        if (const int position = FindDBIndex(table, row.name); position >= 0) {
            key.submitted =
                store::ParseDateTimeNumber(table.sites[static_cast<std::size_t>(position)].Submitted)
                    .value_or(0);
        }
        break;
    case Rule::Downloads:
        key.downloads = DownloadsValue(key.text);
        break;
    case Rule::Listed:
        if (key.text.empty()) {
            key.text = kLast;
        } else if (key.text == "NO") {
            key.text = "ZZZZ";
        }
        break;
    case Rule::EmptyLast:
        if (key.text.empty()) {
            key.text = kLast;
        }
        break;
    case Rule::NotApplicableLast:
        if (key.text == "N/A") {
            key.text = kLast;
        }
        break;
    case Rule::DashLast:
        if (key.text == "-") {
            key.text = kLast;
        }
        break;
    case Rule::GreaterTextFirst:
    case Rule::Text:
        break;
    }
    return key;
}

template <class T>
int Order(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Three-way comparison, ascending, with the names as the tie-break; 0 only for equal names.
int CompareKeys(Rule rule, const SortKey& a, const SortKey& b, std::string_view nameA, std::string_view nameB)
{
    int order = 0;
    switch (rule) {
    case Rule::Submitted:
        order = Order(b.submitted, a.submitted);
        break;
    case Rule::GreaterTextFirst:
        order = Order(b.text, a.text);
        break;
    case Rule::Downloads:
        order = Order(a.downloads, b.downloads);
        break;
    default:
        order = Order(a.text, b.text);
        break;
    }
    return order != 0 ? order : Order(nameA, nameB);
}

std::size_t SortColumn(const SiteList& list)
{
    const std::vector<ColumnsR>& columns = list.Columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name == list.Sort().caption) {
            return i;
        }
    }
    return 0;
}

} // namespace

void SitesColumnClick(SortOrder& order, std::string_view caption)
{
    if (order.caption == caption) {
        order.ascending = !order.ascending;
    } else {
        order.caption = std::string(caption);
        order.ascending = true;
    }
}

int SitesCompare(const SiteList& list, const SiteTable& table, const SiteRow& a, const SiteRow& b)
{
    const std::size_t column = SortColumn(list);
    const Rule rule = RuleOf(list.Columns().empty() ? std::string_view() : list.Columns()[column].name);
    const int order = CompareKeys(
        rule, KeyOf(list, table, a, column, rule), KeyOf(list, table, b, column, rule), a.name, b.name);
    const int ascending = order < 0 ? -1 : 1;
    return list.Sort().ascending ? ascending : -ascending;
}

void SortSites(SiteList& list, const SiteTable& table)
{
    std::vector<SiteRow>& rows = list.Rows();
    if (rows.size() < 2 || list.Columns().empty()) {
        return;
    }
    const std::size_t column = SortColumn(list);
    const Rule rule = RuleOf(list.Columns()[column].name);
    std::vector<SortKey> keys;
    keys.reserve(rows.size());
    for (const SiteRow& row : rows) {
        keys.push_back(KeyOf(list, table, row, column, rule));
    }
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const bool ascending = list.Sort().ascending;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        const int compared = CompareKeys(rule, keys[x], keys[y], rows[x].name, rows[y].name);
        return ascending ? compared < 0 : compared > 0;
    });
    std::vector<SiteRow> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t index : order) {
        sorted.push_back(std::move(rows[index]));
    }
    rows = std::move(sorted);
}

} // namespace listrider::sites
