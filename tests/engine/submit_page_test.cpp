#include <gtest/gtest.h>

#include "engine/journal.h"
#include "engine/search_verdict.h"
#include "engine/session.h"
#include "engine/submit_page.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

TEST(SubmitPageTest, CompletesTheMissingFileSizes)
{
    struct Case
    {
        const char* bytes;
        const char* k;
        const char* mb;
        const char* wantBytes;
        const char* wantK;
        const char* wantMb;
    };

    for (const Case& c : {Case{"3000000", "", "", "3000000", "2930", "2.9"},
                          Case{"", "2048", "", "2097152", "2048", "2.0"},
                          Case{"", "", "1.5", "1572864", "1536", "1.5"},
                          Case{"", "", "0,25", "262144", "256", "0,25"},
                          Case{"512", "", "", "512", "0", "0.00049"},
                          Case{"1000", "1", "0.01", "1000", "1", "0.01"},
                          Case{"", "", "", "", "", ""}}) {
        SCOPED_TRACE(std::string(c.bytes) + "/" + c.k + "/" + c.mb);
        catalogue::ProgramInfo program;
        program.fileSizeBytes = c.bytes;
        program.fileSizeK = c.k;
        program.fileSizeMb = c.mb;
        CompleteFileSizes(program);
        EXPECT_EQ(program.fileSizeBytes, c.wantBytes);
        EXPECT_EQ(program.fileSizeK, c.wantK);
        EXPECT_EQ(program.fileSizeMb, c.wantMb);
    }
}

TEST(SubmitPageTest, ListsSitesWithoutTheirCategoryAndThePendingAccounts)
{
    sites::SiteTable table;
    for (const char* name : {"Own", "Plain", "Chosen"}) {
        sites::SitesR site;
        site.Name = name;
        site.Category = "-";
        table.sites.push_back(site);
    }
    table.sites[0].HasCategories = true;
    table.sites[2].HasCategories = true;
    table.sites[2].Category = "Utilities";
    table.sites[0].Validate = "VALIDATE";
    catalogue::ProductEditor editor;
    editor.product.program.name = "Zipper";
    const SubmitEntry none = EnterSubmitPage(editor, table, {}, false);
    ASSERT_TRUE(none.refusal);
    EXPECT_FALSE(none.CanStart());

    SubmissionState state;
    state.pending = {"Own"};
    catalogue::AccountsList accounts;
    catalogue::AccountRow row;
    row.siteName = "Own";
    row.login = "me";
    row.password = "pw";
    row.loginIs = "LOGIN";
    accounts.rows.push_back(row);
    const std::vector<NewAccountRow> rows = Step2Rows(state, accounts, table);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].login, "me");
    EXPECT_EQ(rows[0].loginIs, "LOGIN");
    EXPECT_EQ(rows[0].validation, "VALIDATE");
}

TEST(SubmitPageTest, EnteringTheStepsKeepsOrDropsTheJournal)
{
    testsupport::TempDir dir;
    const std::filesystem::path journal = dir / "Resume";
    SubmissionState state;
    state.pending = {"Mailback"};
    state.checked = {"Alpha", "Mailback"};
    EnterWizardStep(state, WizardPage::NewPasswords, journal);
    EXPECT_EQ(state.checked, (std::vector<std::string>{"Mailback"}));
    ASSERT_TRUE(HasResumeInfo(journal));
    SubmissionState restored;
    const std::vector<std::string> list = {"Alpha", "Mailback"};
    ASSERT_TRUE(OpenResumeInfo(journal, restored, list).HasValue());
    EXPECT_EQ(restored.page, WizardPage::NewPasswords);
    EXPECT_EQ(restored.pending, (std::vector<std::string>{"Mailback"}));

    EnterWizardStep(state, WizardPage::FinalSubmit, journal);
    EXPECT_EQ(state.page3.counters.left, 1);
    state.lastOutcome = Outcome::Abort;
    EnterWizardStep(state, WizardPage::Report, journal);
    EXPECT_TRUE(HasResumeInfo(journal)) << "a stopped run keeps its journal";
    state.lastOutcome = Outcome::None;
    EnterWizardStep(state, WizardPage::ErrorsReport, journal);
    EXPECT_FALSE(std::filesystem::exists(journal));
}

TEST(SearchVerdictTest, VersionsCompareAfterTrimmingSpacesAndNumbers)
{
    struct Case
    {
        const char* listed;
        const char* product;
        bool same;
    };

    for (const Case& c : {Case{"1.2 ", "1.2", true},
                          Case{"  1.20", "1.2", true},
                          Case{"v1.2", "V1.2", true},
                          Case{"2.0  Beta", "2.0 beta", true},
                          Case{"1.2.3", "1.2.3", true},
                          Case{"1.2.3", "1.2.4", false},
                          Case{"1.3", "1.2", false},
                          Case{"", "1.0", false}}) {
        SCOPED_TRACE(std::string(c.listed) + " vs " + c.product);
        EXPECT_EQ(NormalizeVersion(c.listed) == NormalizeVersion(c.product), c.same);
    }
}

TEST(SessionTest, OpensAWorkspaceAsStartUpDoesAndLeavesNoScratchBehind)
{
    testsupport::TempDir dir;
    {
        store::Result<std::unique_ptr<Session>> session = Session::Open(dir.Path());
        ASSERT_TRUE(session.HasValue());
        EXPECT_TRUE(session.Value()->FirstRun());
        EXPECT_TRUE(std::filesystem::is_directory(dir / "Submits"));
        EXPECT_TRUE(session.Value()->Sites().sites.empty());
        EXPECT_NE(session.Value()->Catalogue().siteStatus, nullptr);
    }
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        EXPECT_FALSE(entry.path().filename().string().starts_with("Temp")) << entry.path();
    }
}

} // namespace
} // namespace listrider::engine
