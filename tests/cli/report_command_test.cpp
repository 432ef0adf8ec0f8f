#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "cli/exit_codes.h"
#include "cli_runner.h"
#include "store/file_io.h"
#include "support/recording_http_server.h"
#include "support/temp_dir.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;
using testsupport::RecordedRequest;
using testsupport::Reply;

// A product submitted on a loopback server to three sites: one done after a login, one refused
// with a page its error list explains, one whose page is missing; a fourth site's account may
// come by e-mail.
class ReportCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_server.Route("/login", [](const RecordedRequest&) { return Reply{200, {}, "Welcome, author"}; });
        m_server.Route("/refuse", [](const RecordedRequest&) {
            return Reply{200, {}, "<html>Sorry: this program is\r\nalready listed here</html>"};
        });
        m_server.Route("/confirm", [](const RecordedRequest&) {
            return Reply{200, {}, "Check your e-mail"};
        });

        AddSite("Alpha", "/login", "Entering login information", -1, "Welcome");
        AddSite("Beta & Co", "/refuse", "Submitting new program", -1, "Thank you");
        m_dir.Write(
            "source/sites/Beta & Co/err.txt",
            "is already listed\n<script>alert(1)</script> listed before\nUpdate the listing instead\n");
        // A home address that is no web address never becomes a link.
        AddSite("Gamma", "/missing", "Loading submission page", -1, "Thank you", "", "javascript:alert(2)");
    }

    void AddMailback()
    {
        AddSite("Mailback",
                "/confirm",
                "Creating new account",
                -3,
                "e-mail",
                "<PASSWORD>LOGINPASSWORD</PASSWORD>\n<VALIDATE>VALIDATE</VALIDATE>\n");
    }

    CliRun Run(std::vector<std::string> args) { return RunCliIn(m_dir.Path(), std::move(args)); }

    CliRun Product(std::vector<std::string> args)
    {
        args.insert(args.begin() + 1, {"--company", "Acme", "--product", "Zipper"});
        return Run(std::move(args));
    }

    void AddSite(const std::string& name,
                 const std::string& path,
                 const std::string& action,
                 int end,
                 const std::string& text,
                 const std::string& header = "",
                 const std::string& url = "")
    {
        m_dir.Write("source/sites/" + name + "/site.txt",
                    "<SITENAME>" + name + "</SITENAME>\n<URL>" +
                        (url.empty() ? "http://" + m_server.HostPort() + "/" : url) + "</URL>\n" + header);
        m_dir.Write("source/sites/" + name + "/sub.txt",
                    "step\n-\n-\nHTTP\n" + m_server.HostPort() + "\n" + path + "\nGET\n" + action +
                        "\nname\n|ProgramName|\n@\n-\n-2\n-\n-\n-\n" + std::to_string(end) + "\n" + text +
                        "\n-\n");
    }

    void Prepare()
    {
        ASSERT_EQ(Run({"sitedb", "build", (m_dir / "source").string(), "--yes"}).code, kExitOk);
        ASSERT_EQ(Run({"prefs", "set", "Validate_Links", "N"}).code, kExitOk);
        ASSERT_EQ(Run({"company", "new", "Acme"}).code, kExitOk);
        ASSERT_EQ(Run({"product", "new", "--company", "Acme", "Zipper", "1.0"}).code, kExitOk);
        m_dir.Write("files/zipper.zip", "zip");
        m_dir.Write("files/zipper.xml", "<XML_DIZ_INFO/>");
        const auto fields = SubmittableProductFields(m_dir.Path());
        for (const auto& [field, value] : fields) {
            const CliRun run = Product({"product", "set", field, value});
            ASSERT_EQ(run.code, kExitOk) << field << ": " << run.err;
        }
        ASSERT_EQ(
            Product({"accounts", "set", "--default-login", "author", "--default-password", "secret1"}).code,
            kExitOk);
    }

    fs::path ProductFolder() const { return m_dir.Path() / "Products" / "Acme" / "Zipper"; }

    testsupport::RecordingHttpServer m_server;
    testsupport::TempDir m_dir;
};

/// Returns the path printed after `label` on a line of its own.
fs::path PrintedPath(const std::string& out, const std::string& label)
{
    const std::size_t at = out.find("\n" + label);
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t start = at + 1 + label.size();
    return out.substr(start, out.find('\n', start) - start);
}

const std::string kErrorsPage =
    "Step 4 (Errors Report)\n"
    "Site\tProblem\tPossible Reason\tSuggested Solution\n"
    "Beta & Co\tError submitting new program\t<script>alert(1)</script> listed before\tUpdate the listing "
    "instead\n"
    "Gamma\tError loading submission page\tUnknown\tUnknown\n"
    "Please, help us to support Listrider site database up-to-date - send us the Error Report.\n";

TEST_F(ReportCommandTest, ARunThatFailsSomewhereEndsOnTheErrorsReportAndWritesBothReports)
{
    ASSERT_NO_FATAL_FAILURE(Prepare());
    EXPECT_EQ(Product({"report"}).code, kExitFailure) << "no run yet";

    const CliRun run = Product({"submit", "--no-resume"});
    ASSERT_EQ(run.code, kExitOk) << run.out << run.err;
    EXPECT_NE(run.out.find("Next: Step 4 (Errors Report)\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n\n" + kErrorsPage + "\nStep 5 (Report)\n"), std::string::npos) << run.out;
    EXPECT_NE(
        run.out.find("\nSuccessful\nSite\tHistory\n"
                     "Alpha\tLogged to author account successfully with login: author, password:secret1. \n"
                     "\nFailed\nSite\tError\n"
                     "Beta & Co\tFailed to submit program information. \n"
                     "Gamma\tFailed to load submission page. \n"
                     "\nSkipped\nSite\tReason\n\n"
                     "Sites Submitted: 3\nSuccessful Submissions: 1\nFailed Submissions: 2\n"),
        std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Percentage: 33%\n"), std::string::npos);
    EXPECT_NE(run.out.find("Total HTTP Requests: 3\n"), std::string::npos);
    EXPECT_NE(run.out.find("Total FTP Bytes Received/Sent: 0 / 0\nTotal FTP Requests: 0\n"),
              std::string::npos);

    // Entering the report pages recorded the submitted version and deleted the journal.
    EXPECT_FALSE(fs::exists(ProductFolder() / "Resume"));
    EXPECT_NE(store::LoadFileAsString(ProductFolder() / "product.dat")
                  .find("<Version_Submitted>1.0</Version_Submitted>"),
              std::string::npos);

    // Both reports went into the run's result folder under their suggested names.
    const fs::path errorsHtml = PrintedPath(run.out, "Error report: ");
    const fs::path submissionHtml = PrintedPath(run.out, "Submission report: ");
    ASSERT_TRUE(fs::is_regular_file(errorsHtml)) << run.out;
    ASSERT_TRUE(fs::is_regular_file(submissionHtml)) << run.out;
    EXPECT_EQ(errorsHtml.parent_path().parent_path(), m_dir.Path() / "Submits");
    EXPECT_EQ(submissionHtml.parent_path(), errorsHtml.parent_path());
    EXPECT_EQ(errorsHtml.filename().string().rfind("Zipper_1.0_errors_", 0), 0u) << errorsHtml;
    EXPECT_EQ(submissionHtml.filename().string().rfind("Zipper_1.0_", 0), 0u) << submissionHtml;
    EXPECT_TRUE(errorsHtml.filename().string().ends_with(".html"));

    // No text from a site becomes markup; only a web address becomes a link.
    const std::string errorsPage = store::LoadFileAsString(errorsHtml);
    EXPECT_NE(errorsPage.find("&lt;script&gt;alert(1)&lt;/script&gt; listed before"), std::string::npos);
    EXPECT_EQ(errorsPage.find("<script"), std::string::npos);
    EXPECT_NE(errorsPage.find("Beta &amp; Co"), std::string::npos);
    EXPECT_NE(errorsPage.find("<a href=\"http://" + m_server.HostPort() + "/\" target=\"_blank\">"),
              std::string::npos);
    EXPECT_EQ(errorsPage.find("javascript:"), std::string::npos);
    EXPECT_NE(errorsPage.find("Error Report was created "), std::string::npos);
    const std::string submissionPage = store::LoadFileAsString(submissionHtml);
    EXPECT_NE(submissionPage.find("Beta &amp; Co"), std::string::npos);
    EXPECT_EQ(submissionPage.find("javascript:"), std::string::npos);
    EXPECT_NE(submissionPage.find("Result: Failure"), std::string::npos);

    // A later program run shows the same pages from the result folder.
    const CliRun errors = Product({"report", "--errors"});
    ASSERT_EQ(errors.code, kExitOk) << errors.err;
    EXPECT_EQ(errors.out, kErrorsPage);

    const CliRun json = Product({"report", "--errors", "--json"});
    ASSERT_EQ(json.code, kExitOk) << json.err;
    EXPECT_NE(json.out.find(R"({"errors":[{"site":"Beta & Co","problem":"Error submitting new program",)"
                            R"("reason":"<script>alert(1)</script> listed before",)"
                            R"("solution":"Update the listing instead"},)"),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find(R"("html":null})"), std::string::npos) << json.out;

    const CliRun summary = Product({"report", "--json"});
    ASSERT_EQ(summary.code, kExitOk) << summary.err;
    EXPECT_NE(summary.out.find(R"("skipped":[],"totals":{"sitesSubmitted":3,"successful":1,"failed":2,)"),
              std::string::npos)
        << summary.out;
    EXPECT_NE(summary.out.find(R"("percentage":"33%")"), std::string::npos);

    const CliRun submitJson = Product({"submit", "--no-resume", "--json", "--sites", "Alpha"});
    ASSERT_EQ(submitJson.code, kExitOk) << submitJson.err;
    EXPECT_NE(submitJson.out.find(R"("nextStep":5)"), std::string::npos) << submitJson.out;
    EXPECT_NE(submitJson.out.find(R"("errors":null,"report":{"successful":[{"site":"Alpha",)"),
              std::string::npos)
        << submitJson.out;
    EXPECT_NE(submitJson.out.find(R"("errorReport":null,"submissionReport":")"), std::string::npos);
}

TEST_F(ReportCommandTest, AFinalRunInALaterProgramRunReportsBothRuns)
{
    AddMailback();
    ASSERT_NO_FATAL_FAILURE(Prepare());
    const CliRun first = Product({"submit", "--no-resume"});
    ASSERT_EQ(first.code, kExitOk) << first.out << first.err;
    EXPECT_NE(first.out.find("Next: Step 2 (New passwords)"), std::string::npos) << first.out;
    EXPECT_EQ(first.out.find("Step 5 (Report)"), std::string::npos) << "Step 2 comes first";
    const CliRun account = Product({"accounts", "set", "Mailback", "me", "pw"});
    ASSERT_EQ(account.code, kExitOk) << account.err;

    // The final run fails nowhere: it ends on the final report, with the Step 1 rows in it.
    const CliRun final = Product({"submit", "--final", "--resume"});
    ASSERT_EQ(final.code, kExitOk) << final.out << final.err;
    EXPECT_NE(final.out.find("Next: Step 5 (Report)"), std::string::npos) << final.out;
    EXPECT_EQ(final.out.find("Step 4 (Errors Report)\nSite"), std::string::npos);
    EXPECT_EQ(PrintedPath(final.out, "Error report: "), fs::path());
    EXPECT_FALSE(fs::exists(ProductFolder() / "Resume"));

    const CliRun summary = Product({"report"});
    ASSERT_EQ(summary.code, kExitOk) << summary.err;
    const std::string& out = summary.out;
    EXPECT_NE(
        out.find("Alpha\tLogged to author account successfully with login: author, password:secret1. \n"),
        std::string::npos)
        << out;
    EXPECT_NE(out.find("Mailback\tNew author account was created with login: me, password:pw. \n"),
              std::string::npos);
    EXPECT_NE(out.find("Failed\nSite\tError\nBeta & Co\tFailed to submit program information. \n"
                       "Gamma\tFailed to load submission page. \n"),
              std::string::npos);
    EXPECT_NE(out.find("Sites Submitted: 4\nSuccessful Submissions: 2\nFailed Submissions: 2\n"),
              std::string::npos);
    EXPECT_NE(out.find("Percentage: 50%\n"), std::string::npos);
    EXPECT_NE(out.find("Total HTTP Requests: 5\n"), std::string::npos) << "both runs are counted";

    // The Errors list covers both runs too.
    const CliRun errors = Product({"report", "--errors"});
    ASSERT_EQ(errors.code, kExitOk) << errors.err;
    EXPECT_EQ(errors.out, kErrorsPage);

    const CliRun masked = Product({"report", "--mask-passwords", "--html", m_dir.Path().string()});
    ASSERT_EQ(masked.code, kExitOk) << masked.err;
    EXPECT_EQ(masked.out.find("secret1"), std::string::npos);
    EXPECT_NE(masked.out.find("login: author, password:****. "), std::string::npos);
    const fs::path html = PrintedPath(masked.out, "HTML report: ");
    EXPECT_EQ(html.parent_path(), m_dir.Path());
    EXPECT_EQ(html.filename().string().rfind("Zipper_1.0_", 0), 0u) << html;
    const std::string page = store::LoadFileAsString(html);
    EXPECT_NE(page.find("Beta &amp; Co"), std::string::npos);
    EXPECT_EQ(page.find("secret1"), std::string::npos);

    const fs::path errorsHtml = m_dir / "errors.html";
    const CliRun written = Product({"report", "--errors", "--html", errorsHtml.string()});
    ASSERT_EQ(written.code, kExitOk) << written.err;
    EXPECT_EQ(PrintedPath(written.out, "HTML report: "), errorsHtml);
    EXPECT_EQ(store::LoadFileAsString(errorsHtml).find("<script>"), std::string::npos);
}

} // namespace
} // namespace listrider::cli
