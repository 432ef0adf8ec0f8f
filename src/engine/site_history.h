// The one-line history of a site on the Step 5 page, built from the steps that ran for it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/result_rows.h"

namespace listrider::engine {

/// The login and password the history sentences name.
struct HistoryAccount
{
    std::string login;
    std::string password;
};

/// Removes the earlier attempts of a step: for each step keyword in turn, every row before the
/// last one whose action holds the keyword and that holds it too.
void DropRepeatedAttempts(std::vector<const DetailRow*>& rows);

/// Returns the sentence for one step: the first row of the sentence table whose fragment the
/// action holds, its success form when the outcome is exactly "Done"; an action the table does
/// not know gives action + " - " + outcome.
std::string HistorySentence(std::string_view action, std::string_view outcome, const HistoryAccount& account);

/// Returns the site's history: the sentences of its rows after DropRepeatedAttempts, joined.
std::string SiteHistory(const std::vector<const DetailRow*>& rows, const HistoryAccount& account);

} // namespace listrider::engine
