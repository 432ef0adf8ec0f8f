#include "engine/site_history.h"

#include <algorithm>
#include <array>

#include "store/ascii.h"

namespace listrider::engine {
namespace {

using store::ContainsNoCase;

// "loading login" stands twice as the program has it; the second pass finds nothing more.
constexpr std::array<std::string_view, 15> kStepKeywords = {
    "looking for",
    "creating new",
    "submitting program in",
    "updating program",
    "PAD file",
    "entering login",
    "loading login",
    "submitting new",
    "E-mail",
    "loading search",
    "logout",
    "Loading login",
    "Deleting old version",
    "Loading account page",
    "Loading submission page",
};

struct Sentence
{
    std::string_view fragment;
    std::string_view success;
    std::string_view failure;
};

constexpr std::array<Sentence, 7> kPlainSentences = {{
    {"loading submiss", "Submission page was loaded successfully. ", "Failed to load submission page. "},
    {"loading account", "Account page was loaded successfully. ", "Failed to load account page. "},
    {"deleting old", "Older version was deleted. ", "Failed to delete older version. "},
    {"loading login", "Login page loaded successfully. ", "Failed to load login page. "},
    {"logout", "Logged out successfully. ", "Failed to Logout. "},
    {"loading search", "", ""},
    {"E-mail submission", "E-Mail submission was sent. ", "Failed to send E-Mail submission. "},
}};

std::string Credentials(const HistoryAccount& account)
{
    return " with login: " + account.login + ", password:" + account.password + ". ";
}

} // namespace

void DropRepeatedAttempts(std::vector<const DetailRow*>& rows)
{
    for (std::string_view keyword : kStepKeywords) {
        const auto holds = [keyword](const DetailRow* row) {
            return ContainsNoCase(row->action, keyword);
        };
        const auto last = std::find_if(rows.rbegin(), rows.rend(), holds);
        if (last == rows.rend()) {
            continue;
        }
        const auto lastPosition = std::prev(last.base());
        const auto kept = std::remove_if(rows.begin(), lastPosition, holds);
        rows.erase(kept, lastPosition);
    }
}

std::string HistorySentence(std::string_view action, std::string_view outcome, const HistoryAccount& account)
{
    const bool done = outcome == "Done";
    for (const Sentence& sentence : kPlainSentences) {
        if (ContainsNoCase(action, sentence.fragment)) {
            return std::string(done ? sentence.success : sentence.failure);
        }
    }
    if (ContainsNoCase(action, "E-mail update")) {
        return done ? "E-Mail update was sent. " : "Failed to send E-Mail update. ";
    }
    if (ContainsNoCase(action, "submitting new")) {
        return done ? "New program information was submitted. " : "Failed to submit program information. ";
    }
    if (ContainsNoCase(action, "entering login")) {
        return (done ? "Logged to author account successfully" : "Failed to login to author account") +
               Credentials(account);
    }
    if (ContainsNoCase(action, "looking for")) {
        if (done) {
            return "Older version was found on site. ";
        }
        return outcome == "Error" || outcome == "Timeout" ? "Error has occured during search process. "
                                                          : "Older version was not found on site. ";
    }
    if (ContainsNoCase(action, "creating new")) {
        return (done ? "New author account was created" : "Failed to create new author account") +
               Credentials(account);
    }
    if (ContainsNoCase(action, "submitting program in")) {
        return done ? "Program information was submitted. " : "Failed to submit program information. ";
    }
    if (ContainsNoCase(action, "updating pro")) {
        return done ? "Program information was updated. " : "Failed to update program information. ";
    }
    if (ContainsNoCase(action, "PAD file")) {
        return done ? "PAD file was submitted successfully. " : "Failed to submit PAD file. ";
    }
    return std::string(action) + " - " + std::string(outcome);
}

std::string SiteHistory(const std::vector<const DetailRow*>& rows, const HistoryAccount& account)
{
    std::vector<const DetailRow*> kept = rows;
    DropRepeatedAttempts(kept);
    std::string history;
    for (const DetailRow* row : kept) {
        history += HistorySentence(row->action, row->result, account);
    }
    return history;
}

} // namespace listrider::engine
