#include "engine/error_details.h"

#include <array>

#include "store/ascii.h"

namespace listrider::engine {
namespace {

struct ProblemRow
{
    std::string_view fragment;
    std::string_view problem;
};

// First match wins: "Updating" must stand before "Submitting program information".
constexpr std::array<ProblemRow, 14> kProblems = {{
    {"Creat", "Error creating new account"},
    {"Submitting new", "Error submitting new program"},
    {"Updating", "Error updating program information"},
    {"Submitting program information", "Error submitting program information"},
    {"PAD file", "Error submitting PAD file"},
    {"Login page", "Error loading login page"},
    {"entering login", "Error entering login information"},
    {"E-mail", "Error sending E-Mail submission"},
    {"loading search", "Error loading search page"},
    {"logout", "Error while logging out"},
    {"Deleting old version", "Error deleting old version"},
    {"Loading account page", "Error loading account page"},
    {"Loading submission page", "Error loading submission page"},
    {"looking", "Error while searching for older version"},
}};

} // namespace

void GetErrorDetails(std::string_view accountKind, std::string_view action, ErrorTexts& texts)
{
    bool named = false;
    for (const ProblemRow& row : kProblems) {
        if (store::ContainsNoCase(action, row.fragment)) {
            texts.problem = row.problem;
            named = true;
            break;
        }
    }
    if (!named && texts.problem.empty()) {
        texts.problem = kUnknown;
    }

    if (store::ContainsNoCase(action, "Creat")) {
        texts.reason = accountKind == "LOGINPASSWORD" ? "Author account with current login already exists."
                                                      : "Author account with current e-mail already exists.";
        texts.solution = "Retrieve account login information and resubmit";
    } else if (store::ContainsNoCase(action, "entering")) {
        texts.reason = "Login and/or password is incorrect";
        texts.solution = "Enter correct login and password. Request them if login information is lost";
    } else if (store::ContainsNoCase(action, "E-Mail")) {
        texts.reason = "SMTP server settings are incorrect or server is down";
        texts.solution = "Reconfigure SMTP server settings";
    } else if (store::ContainsNoCase(action, "PAD file")) {
        texts.reason = "PAD file already exists in database or incorrect";
        texts.solution = "Check PAD file for errors";
    }
    if (texts.reason.empty()) {
        texts.reason = kUnknown;
    }
    if (texts.solution.empty()) {
        texts.solution = kUnknown;
    }
}

} // namespace listrider::engine
