#include <gtest/gtest.h>

#include "engine/error_patterns.h"
#include "engine/errors_list.h"
#include "sites/site_text_encoder.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

const store::SiteKey kKey{"reports-key", "Default"};

TEST(GetErrorDetailsTest, TableRowsInTheirOrder)
{
    struct Case
    {
        const char* accountKind;
        const char* action;
        ErrorTexts expected;
    };

    const std::vector<Case> cases = {
        {"LOGINPASSWORD",
         "Creating account",
         {"Error creating new account",
          "Author account with current login already exists.",
          "Retrieve account login information and resubmit"}},
        {"MAILPASSWORD",
         "Creating account",
         {"Error creating new account",
          "Author account with current e-mail already exists.",
          "Retrieve account login information and resubmit"}},
        {"n/a", "Updating program information", {"Error updating program information", "Unknown", "Unknown"}},
        {"n/a",
         "Submitting program information",
         {"Error submitting program information", "Unknown", "Unknown"}},
        {"n/a",
         "ENTERING LOGIN information",
         {"Error entering login information",
          "Login and/or password is incorrect",
          "Enter correct login and password. Request them if login information is lost"}},
        {"n/a",
         "Sending e-mail submission",
         {"Error sending E-Mail submission",
          "SMTP server settings are incorrect or server is down",
          "Reconfigure SMTP server settings"}},
        {"n/a",
         "Submitting PAD file",
         {"Error submitting PAD file",
          "PAD file already exists in database or incorrect",
          "Check PAD file for errors"}},
        {"n/a", "Loading login page", {"Error loading login page", "Unknown", "Unknown"}},
        {"n/a",
         "Looking for older version",
         {"Error while searching for older version", "Unknown", "Unknown"}},
        {"n/a", "Pressing the big button", {"Unknown", "Unknown", "Unknown"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        ErrorTexts texts;
        GetErrorDetails(c.accountKind, c.action, texts);
        EXPECT_EQ(texts, c.expected);
    }
}

TEST(GetErrorDetailsTest, AnUnknownActionKeepsWhatWasPassedIn)
{
    ErrorTexts texts{"Earlier problem", "Earlier reason", ""};
    GetErrorDetails("n/a", "Pressing the big button", texts);
    EXPECT_EQ(texts, (ErrorTexts{"Earlier problem", "Earlier reason", "Unknown"}));
}

// A site with an encoded error list and a result folder for its saved pages.
class DiagnosisTest : public ::testing::Test
{
protected:
    DiagnosisTest() { m_table.sites.reserve(8); } // AddSite hands out references

    sites::SitesR&
    AddSite(const std::string& name, const std::string& accountKind, const std::string& errLines = {})
    {
        sites::SitesR& site = m_table.sites.emplace_back();
        site.Name = name;
        site.AccountKind = accountKind;
        if (!errLines.empty()) {
            site.Err = sites::EncodeSiteText(errLines, kKey).Value();
        }
        site.Loaded = true;
        return site;
    }

    void SavePage(const std::string& site, int request, const std::string& text)
    {
        m_dir.Write("run/" + site + ".htm" + std::to_string(request), text);
    }

    std::vector<ErrorsRow> Build(const std::vector<DetailRow>& rows,
                                 const std::vector<std::string>& httpErrors = {})
    {
        DiagnosisSources sources;
        sources.rows = rows;
        sources.httpErrors = httpErrors;
        sources.table = &m_table;
        sources.key = kKey;
        sources.resultFolder = m_dir / "run";
        return BuildErrorsList(sources);
    }

    const sites::SitesR& Site(std::size_t i) const { return m_table.sites[i]; }

    std::filesystem::path Folder() const { return m_dir / "run"; }

    sites::SiteTable m_table;
    testsupport::TempDir m_dir;
};

TEST_F(DiagnosisTest, RowsFollowTheFirstAppearanceAndTheLastRowDecides)
{
    AddSite("Alpha", "LOGINPASSWORD");
    AddSite("Beta", "n/a");
    AddSite("Gamma", "n/a");
    AddSite("Delta", "n/a");
    const std::vector<DetailRow> rows = {
        {"", "Beta", "Submitting new program", "Failed"}, // step 1
        {"", "Alpha", "Entering login information", "Failed"},
        {"", "Gamma", "Submitting new program", "Done"},
        {"", "Delta", "Creating new account", "Done"},
        {"", "Delta", "Submitting new program", "Pending"},
        {"", "Gamma", "Loading submission page", "Skip"},
        {"", "Beta", "Submitting new program", "Done"}, // step 3
    };
    const std::vector<ErrorsRow> list = Build(rows);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].site, "Alpha");
    EXPECT_EQ(list[0].texts.problem, "Error entering login information");
    // A Skip is neither a timeout, an abort, an existing listing nor an error: the table explains it.
    EXPECT_EQ(list[1], (ErrorsRow{"Gamma", {"Error loading submission page", "Unknown", "Unknown"}}));
}

TEST_F(DiagnosisTest, OutcomeWordsBeforeTheTable)
{
    AddSite("Slow", "n/a");
    AddSite("Stopped", "n/a");
    AddSite("Listed", "n/a");
    const std::vector<DetailRow> rows = {
        {"", "Slow", "Creating new account", "Timeout"},
        {"", "Stopped", "Creating new account", "Abort"},
        {"", "Listed", "Looking for older version", "Exists"},
    };
    const std::vector<ErrorsRow> list = Build(rows);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].texts,
              (ErrorTexts{"HTTP request timed out",
                          "HOST is unreachable. Possibly site is down.",
                          "Try to resubmit later"}));
    EXPECT_EQ(list[1].texts, (ErrorTexts{"User Abort", "User Abort", "None"}));
    EXPECT_EQ(list[2].texts,
              (ErrorTexts{"Latest version is already listed.", "Latest version is already listed.", "None"}));
}

TEST_F(DiagnosisTest, AnErrorTakesTheLastPairOfTheHttpErrorList)
{
    AddSite("Web", "LOGINPASSWORD");
    AddSite("Quiet", "n/a");
    const std::vector<DetailRow> rows = {
        {"", "Web", "Creating new account", "Error"},
        {"", "Quiet", "Submitting new program", "Error"},
    };
    const std::vector<std::string> httpErrors = {
        "Web", "Service Unavailable", "Webby", "Not Found", "Web", "Error connecting to host.", "Quiet"};
    const std::vector<ErrorsRow> list = Build(rows, httpErrors);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].texts,
              (ErrorTexts{"Error creating new account",
                          "Error connecting to host.",
                          "Update Site Database and try again later"}));
    // No whole pair names the site: nothing explains it.
    EXPECT_EQ(list[1].texts, (ErrorTexts{"Unknown", "Unknown", "Unknown"}));
}

TEST_F(DiagnosisTest, AFailedEMailIsExplainedByTheTableAndThePatterns)
{
    AddSite("Mailer",
            "n/a",
            "relay refused\r\nThe relay refused the message\r\nAsk the site for another address");
    AddSite("Other", "n/a");
    SavePage("Mailer", 1, "<html>mail sent</html>");
    const std::vector<DetailRow> rows = {
        {"", "Mailer", "Sending e-mail submission", "Error"},
        {"", "Other", "Sending e-mail submission", "Error"},
    };
    std::vector<ErrorsRow> list = Build(rows, {"Mailer", "Not used"});
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].texts,
              (ErrorTexts{"Error sending E-Mail submission",
                          "SMTP server settings are incorrect or server is down",
                          "Reconfigure SMTP server settings"}));

    SavePage("Mailer", 2, "Sorry: the RELAY\r\nrefused your mail");
    list = Build(rows);
    EXPECT_EQ(list[0].texts,
              (ErrorTexts{"Error sending E-Mail submission",
                          "The relay refused the message",
                          "Ask the site for another address"}));
}

TEST_F(DiagnosisTest, TheNewestPageOfSteps30To0IsExamined)
{
    const sites::SitesR& site = AddSite("Paged",
                                        "n/a",
                                        "already registered\r\nReason A\r\nSolution A\r\n"
                                        "bad category\r\nReason B\r\nSolution B\r\n"
                                        "left over\r\nno solution");
    ErrorTexts texts{"P", "R", "S"};
    EXPECT_FALSE(GetErrorFromFile(site, kKey, Folder(), texts)) << "no saved page";

    SavePage("Paged", 99, "bad category");
    EXPECT_FALSE(GetErrorFromFile(site, kKey, Folder(), texts)) << "the page of step 99 is never read";

    SavePage("Paged", 2, "bad category");
    SavePage("Paged", 5, "You are already registered");
    EXPECT_TRUE(GetErrorFromFile(site, kKey, Folder(), texts));
    EXPECT_EQ(texts, (ErrorTexts{"P", "Reason A", "Solution A"}));

    // Only the newest page counts, even when an older one would match.
    SavePage("Paged", 6, "Nothing to see");
    texts = {"P", "R", "S"};
    EXPECT_FALSE(GetErrorFromFile(site, kKey, Folder(), texts));
    EXPECT_EQ(texts, (ErrorTexts{"P", "R", "S"}));

    // The lines after the last whole triple are no pattern.
    SavePage("Paged", 7, "left over");
    EXPECT_FALSE(GetErrorFromFile(site, kKey, Folder(), texts));

    SavePage("Paged", 30, "BAD CATEGORY");
    EXPECT_TRUE(GetErrorFromFile(site, kKey, Folder(), texts));
    EXPECT_EQ(texts, (ErrorTexts{"P", "Reason B", "Solution B"}));
}

TEST_F(DiagnosisTest, ASiteWithoutAnErrorListIsNotLookedUp)
{
    const sites::SitesR& site = AddSite("Plain", "n/a");
    SavePage("Plain", 1, "anything");
    ErrorTexts texts{"P", "R", "S"};
    EXPECT_FALSE(GetErrorFromFile(site, kKey, Folder(), texts));
    EXPECT_EQ(texts, (ErrorTexts{"P", "R", "S"}));
}

TEST(JoinPageLinesTest, EveryLineBreakBecomesOneSpace)
{
    EXPECT_EQ(JoinPageLines("one\r\ntwo\nthree\rfour"), "one two three four ");
    EXPECT_EQ(JoinPageLines("one\r\n"), "one ");
    EXPECT_EQ(JoinPageLines("one\n\ntwo"), "one  two ");
    EXPECT_EQ(JoinPageLines(""), "");
}

TEST_F(DiagnosisTest, APatternMatchesAcrossALineBreakWhereItHasTheSpace)
{
    const sites::SitesR& site = AddSite("Broken", "n/a", "account exists\r\nTaken\r\nLog in instead");
    ErrorTexts texts;
    SavePage("Broken", 1, "Your account\nexists already");
    EXPECT_TRUE(GetErrorFromFile(site, kKey, Folder(), texts));
    EXPECT_EQ(texts.reason, "Taken");

    texts = {};
    SavePage("Broken", 1, "Your accountex\r\nists already");
    EXPECT_FALSE(GetErrorFromFile(site, kKey, Folder(), texts));
}

} // namespace
} // namespace listrider::engine
