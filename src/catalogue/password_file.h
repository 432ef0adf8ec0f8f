// password.dat of a company folder and of a product folder.
#pragma once

#include <optional>

#include "catalogue/accounts.h"
#include "store/line_list.h"

namespace listrider::catalogue {

/// Takes the company file into the accounts: the defaults, the rows of sites named exactly as
/// their row, and a Passwordo record for every other site.
void ReadCompanyPasswords(store::LineSpan lines, AccountsList& accounts);

/// Takes the product file into the accounts, only where a default or a cell is still empty;
/// sites are matched ignoring ASCII case and sites without a row are ignored.
void ReadProductPasswords(store::LineSpan lines, AccountsList& accounts);

/// Empties the login of every e-mail row whose login has no "@" (done before each save).
void DropLoginsWithoutAt(AccountsList& accounts);

/// Returns the lines of the product's password.dat: the defaults, every row, every Passwordo.
store::LineList ProductPasswordLines(const AccountsList& accounts);

/// Returns the lines of the company's password.dat (the rows of sites that are not unique),
/// or nothing when the existing file should be left as it is: nothing to write because every
/// default and every written cell is empty.
std::optional<store::LineList> CompanyPasswordLines(const AccountsList& accounts, bool fileExists);

} // namespace listrider::catalogue
