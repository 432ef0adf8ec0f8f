// The fixed table that explains a failed step from its action text.
#pragma once

#include <string>
#include <string_view>

namespace listrider::engine {

/// The three texts of an Errors row after its site.
struct ErrorTexts
{
    std::string problem;
    std::string reason;   ///< "Possible Reason"
    std::string solution; ///< "Suggested Solution"

    friend bool operator==(const ErrorTexts&, const ErrorTexts&) = default;
};

/// The word an Errors cell shows when nothing explains it.
inline constexpr std::string_view kUnknown = "Unknown";

/// Fills the texts from the table (GetErrorDetails): the problem of the first row whose fragment
/// the action holds (a problem passed in stays when none does), the reason and solution likewise;
/// an empty problem, reason or solution ends as "Unknown".
void GetErrorDetails(std::string_view accountKind, std::string_view action, ErrorTexts& texts);

} // namespace listrider::engine
