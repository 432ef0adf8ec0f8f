// Site accounts from submission.tmp, the file another submission tool leaves beside a PAD file.
#pragma once

#include "catalogue/accounts.h"
#include "store/line_list.h"

namespace listrider::catalogue {

/// The name of the file, looked for in the imported PAD file's folder.
inline constexpr std::string_view kSubmissionFile = "submission.tmp";

/// Takes the accounts section of the file's lines into the accounts: the default login and
/// password where the defaults are empty, then (site, login, password) triples for sites with a
/// row, each value only into an empty cell and only when it is neither empty, " " nor "None".
/// Returns whether anything was taken.
bool ImportSubmissionAccounts(store::LineSpan lines, AccountsList& accounts);

} // namespace listrider::catalogue
