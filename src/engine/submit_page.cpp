#include "engine/submit_page.h"

#include <cmath>
#include <cstdio>

#include "catalogue/field_examiner.h"
#include "catalogue/pad_reminders.h"
#include "engine/journal.h"
#include "store/numbers.h"

namespace listrider::engine {
namespace {

double SizeValue(std::string_view text)
{
    if (std::optional<double> value = store::ParseDecimal(text, '.')) {
        return *value;
    }
    return store::ParseDecimal(text, ',').value_or(0.0);
}

std::string WholeText(double value)
{
    return std::to_string(static_cast<long long>(std::nearbyint(value)));
}

std::string TwoSignificantDigits(double value)
{
    if (value <= 0) {
        return "0";
    }
    const int magnitude = static_cast<int>(std::floor(std::log10(value)));
    const double scale = std::pow(10.0, 1 - magnitude);
    const double rounded = std::nearbyint(value * scale) / scale;
    const int decimals = std::max(0, 1 - static_cast<int>(std::floor(std::log10(rounded))));
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
    std::string out = text;
    for (char& c : out) {
        if (c == ',') {
            c = '.';
        }
    }
    return out;
}

} // namespace

void CompleteFileSizes(catalogue::ProgramInfo& program)
{
    const double bytes = SizeValue(program.fileSizeBytes);
    const double kilobytes = SizeValue(program.fileSizeK);
    const double megabytes = SizeValue(program.fileSizeMb);
    double b = bytes;
    double k = kilobytes;
    if (b == 0) {
        if (k != 0) {
            b = k * 1024;
            program.fileSizeBytes = WholeText(b);
        } else if (megabytes != 0) {
            b = std::nearbyint(megabytes * 1024 * 1024);
            program.fileSizeBytes = WholeText(b);
        }
    }
    if (k == 0) {
        if (bytes != 0) {
            k = std::nearbyint(bytes / 1024);
            program.fileSizeK = WholeText(k);
        } else if (megabytes != 0) {
            k = std::nearbyint(megabytes * 1024);
            program.fileSizeK = WholeText(k);
        }
    }
    if (megabytes == 0) {
        if (bytes != 0) {
            program.fileSizeMb = TwoSignificantDigits(bytes / 1024 / 1024);
        } else if (kilobytes != 0) {
            program.fileSizeMb = TwoSignificantDigits(kilobytes / 1024);
        }
    }
}

SubmitEntry EnterSubmitPage(catalogue::ProductEditor& editor,
                            const sites::SiteTable& table,
                            const std::vector<std::string>& checked,
                            bool resumeMode)
{
    SubmitEntry entry;
    CompleteFileSizes(editor.product.program);
    const bool valid = catalogue::ExamineErrors(editor);
    if (!resumeMode) {
        if (!valid) {
            entry.refusal = std::string(kNotFiledMessage);
            return entry;
        }
        if (checked.empty()) {
            entry.refusal = std::string(kNoSiteMessage);
            return entry;
        }
        for (const std::string& name : checked) {
            const int position = sites::FindDBIndex(table, name);
            if (position < 0) {
                continue;
            }
            const sites::SitesR& site = table.sites[static_cast<std::size_t>(position)];
            if (site.HasCategories && (site.Category.empty() || site.Category == "-")) {
                entry.missingCategories.push_back(name);
            }
        }
        if (!entry.missingCategories.empty()) {
            return entry;
        }
    }
    entry.padReminder = catalogue::PadReminder(editor);
    return entry;
}

std::vector<NewAccountRow> Step2Rows(const SubmissionState& state,
                                     const catalogue::AccountsList& accounts,
                                     const sites::SiteTable& table)
{
    std::vector<NewAccountRow> rows;
    for (const std::string& site : state.pending) {
        NewAccountRow row;
        row.site = site;
        if (const catalogue::AccountRow* account = accounts.FindNoCase(site)) {
            row.login = account->login;
            row.password = account->password;
            row.loginIs = account->loginIs;
        }
        const int position = sites::FindDBIndex(table, site);
        if (position >= 0 && table.sites[static_cast<std::size_t>(position)].Validate == "VALIDATE") {
            row.validation = "VALIDATE";
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void EnterWizardStep(SubmissionState& state, WizardPage step, const std::filesystem::path& journalFolder)
{
    // A restored Step 3 journal keeps its page; any other way into Step 3 starts it afresh.
    const bool restoredStep3 = state.resumeMode && state.page == WizardPage::FinalSubmit;
    state.page = step;
    switch (step) {
    case WizardPage::NewPasswords:
        state.checked = state.pending;
        if (!state.resumeMode) {
            (void)RunJournal(journalFolder).Save(state, WizardPage::NewPasswords);
        }
        return;
    case WizardPage::FinalSubmit:
        if (!restoredStep3) {
            state.page3.Clear();
            state.page3.counters.left = static_cast<long long>(state.checked.size());
            state.selected = state.checked;
            state.position = 0;
        }
        if (!state.resumeMode) {
            (void)RunJournal(journalFolder).Save(state, WizardPage::FinalSubmit);
        }
        return;
    case WizardPage::ErrorsReport:
    case WizardPage::Report:
        if (state.lastOutcome != Outcome::Abort) {
            DeleteResumeInfo(journalFolder);
        }
        return;
    case WizardPage::MainSubmit:
        return;
    }
}

} // namespace listrider::engine
