#include "catalogue/submission_accounts.h"

#include <optional>

namespace listrider::catalogue {
namespace {

bool IsValue(std::string_view value)
{
    return !value.empty() && value != " " && value != "None";
}

bool TakeInto(std::string& cell, std::string_view value)
{
    if (!cell.empty() || !IsValue(value)) {
        return false;
    }
    cell = value;
    return true;
}

// Returns the first and the end line of the accounts section: between the "@" line nearest
// above the second "=====" marker from the end, and that marker.
std::optional<std::pair<std::size_t, std::size_t>> FindSection(store::LineSpan lines)
{
    int markers = 0;
    std::size_t second = lines.size();
    for (std::size_t i = lines.size(); i-- > 0;) {
        if (lines[i].starts_with("=====") && ++markers == 2) {
            second = i;
            break;
        }
    }
    if (markers < 2) {
        return std::nullopt;
    }
    for (std::size_t i = second; i-- > 0;) {
        if (lines[i] == "@") {
            return std::pair{i + 1, second};
        }
    }
    return std::nullopt;
}

} // namespace

bool ImportSubmissionAccounts(store::LineSpan lines, AccountsList& accounts)
{
    const auto section = FindSection(lines);
    if (!section) {
        return false;
    }
    const store::LineSpan body = lines.subspan(section->first, section->second - section->first);
    bool taken = false;
    if (body.size() > 2) {
        taken = TakeInto(accounts.defaults.login, body[2]) || taken;
    }
    if (body.size() > 3) {
        taken = TakeInto(accounts.defaults.password, body[3]) || taken;
    }
    for (std::size_t i = 4; i + 2 < body.size(); i += 3) {
        if (AccountRow* row = accounts.FindNoCase(body[i])) {
            taken = TakeInto(row->login, body[i + 1]) || taken;
            taken = TakeInto(row->password, body[i + 2]) || taken;
        }
    }
    return taken;
}

} // namespace listrider::catalogue
