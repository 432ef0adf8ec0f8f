// The Submit page's wizard without its window: the checks on entering it, the file size
// completion, the Step 2 list and what entering each step does to the journal.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/accounts.h"
#include "catalogue/product_editor.h"
#include "catalogue/program_info.h"
#include "engine/run_lists.h"
#include "sites/site_index.h"

namespace listrider::engine {

inline constexpr std::string_view kNotFiledMessage =
    "Not all fields were filed out correctly. Return to blinking tabs and make necessary corrections. The "
    "fields that should be corrected are blinking, too. Point them with the mouse to learn what changes you "
    "have to make.";
inline constexpr std::string_view kNoSiteMessage =
    "At least one site must be selected to start a submission. Return to the \"Sites\" tab and select sites "
    "to which you would like to submit your product.";
inline constexpr std::string_view kCategoriesTitle = "Categories must be selected";
inline constexpr std::string_view kStartHint = "Click on \"Start\" button to start submission.";
inline constexpr std::string_view kStep2Hint =
    "Enter account logins and passwords for sites listed above(they were sent to you via e-mail).";

/// Completes the product's size fields: a zero or empty one of bytes, kilobytes and megabytes is
/// computed from the others; megabytes with two significant digits and "." as the mark.
void CompleteFileSizes(catalogue::ProgramInfo& program);

/// Why the run cannot start, as the Submit page found on entering.
struct SubmitEntry
{
    std::optional<std::string> refusal;          ///< the message shown (faulty fields, no site)
    std::vector<std::string> missingCategories;  ///< checked sites whose own category is not chosen
    std::optional<std::string_view> padReminder; ///< the "PAD File Generation" window's text

    /// Returns whether Start is enabled.
    bool CanStart() const { return !refusal && missingCategories.empty(); }
};

/// Runs the Submit page's entry checks in their order: faulty fields (validated first), no site
/// checked, sites without their category, the PAD reminder. In resume mode only the reminder.
SubmitEntry EnterSubmitPage(catalogue::ProductEditor& editor,
                            const sites::SiteTable& table,
                            const std::vector<std::string>& checked,
                            bool resumeMode);

/// One row of the Step 2 list.
struct NewAccountRow
{
    std::string site;
    std::string login;
    std::string password;
    std::string loginIs;
    std::string validation; ///< "VALIDATE" for sites that validate the account
};

/// Returns the Step 2 list: the pending sites with their accounts.
std::vector<NewAccountRow> Step2Rows(const SubmissionState& state,
                                     const catalogue::AccountsList& accounts,
                                     const sites::SiteTable& table);

/// Enters a wizard step after a run or a page change: Step 2 checks exactly the pending sites
/// and writes the page-2 journal; Step 3 resets its page and writes the page-3 journal (neither
/// in resume mode); Steps 4 and 5 delete the journal unless the run was stopped.
void EnterWizardStep(SubmissionState& state, WizardPage step, const std::filesystem::path& journalFolder);

} // namespace listrider::engine
