#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "cli/exit_codes.h"
#include "store/file_io.h"
#include "support/recording_http_server.h"
#include "support/temp_dir.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;
using testsupport::RecordedRequest;
using testsupport::Reply;

struct CliRun
{
    int code = -1;
    std::string out;
    std::string err;
};

// A product submitted to four sites on a loopback server: one done after a login, one refused
// with a page its error list explains, one missing page, one whose account comes by e-mail.
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
        AddSite("Gamma", "/missing", "Loading submission page", -1, "Thank you");
        AddSite("Mailback", "/confirm", "Creating new account", -3, "e-mail");
        ASSERT_NO_FATAL_FAILURE(Prepare());
    }

    CliRun Run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--workspace", m_dir.Path().string()});
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        CliRun run;
        run.code = RunCli(args, in, out, err, false);
        run.out = out.str();
        run.err = err.str();
        return run;
    }

    CliRun Product(std::vector<std::string> args)
    {
        args.insert(args.begin() + 1, {"--company", "Acme", "--product", "Zipper"});
        return Run(std::move(args));
    }

    void AddSite(const std::string& name,
                 const std::string& path,
                 const std::string& action,
                 int end,
                 const std::string& text)
    {
        m_dir.Write("source/sites/" + name + "/site.txt",
                    "<SITENAME>" + name + "</SITENAME>\n<URL>http://" + m_server.HostPort() + "/</URL>\n");
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
        const std::pair<std::string, std::string> fields[] = {
            {"Program_Type", "Shareware"},
            {"Program_Release_Status", "New Release"},
            {"Program_Install_Support", "Install Only"},
            {"Program_Release_Day", "05"},
            {"Program_Release_Month", "May"},
            {"Program_Release_Year", "2024"},
            {"Program_Cost_Dollars", "9.95"},
            {"Filename_Generic", "zipper.zip"},
            {"File_Size_Bytes", "3000000"},
            {"Program_OS_Support", "Win95,Linux"},
            {"Program_Language", "English"},
            {"Keywords", "zip,archive"},
            {"Char_Desc_45", "Zips files"},
            {"Char_Desc_80", "Zips files fast"},
            {"Char_Desc_250", "Zips files fast."},
            {"Char_Desc_450", "Zips files fast."},
            {"Char_Desc_2000", "Zips files fast."},
            {"Company_WebSite_URL", "http://acme.example"},
            {"Contact_Email", "a@acme.example"},
            {"Author_Email", "a@acme.example"},
            {"General_Email", "a@acme.example"},
            {"Support_Email", "a@acme.example"},
            {"Sales_Email", "a@acme.example"},
            {"Application_Info_URL", "http://acme.example/zipper"},
            {"Application_XML_File_URL", "http://acme.example/zipper.xml"},
            {"Primary_Download_URL", "http://acme.example/zipper.zip"},
            {"PAD_Specific_Category", "Utilities"},
            {"PAD_Categories", "Compression"},
            {"Upload_File_Location", (m_dir / "files/zipper.zip").string()},
            {"Upload_PAD_Location", (m_dir / "files/zipper.xml").string()},
        };
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

TEST_F(ReportCommandTest, TheRunsPagesAreShownAgainFromItsResultFolder)
{
    EXPECT_EQ(Product({"report"}).code, kExitFailure) << "no run yet";

    const CliRun first = Product({"submit", "--no-resume"});
    ASSERT_EQ(first.code, kExitOk) << first.out << first.err;
    EXPECT_NE(first.out.find("Next: Step 2 (New passwords)"), std::string::npos) << first.out;
    ASSERT_EQ(Product({"accounts", "set", "Mailback", "me", "pw"}).code, kExitOk);

    // The final run ends on the errors report, in a program run of its own.
    const CliRun final = Product({"submit", "--final", "--resume"});
    ASSERT_EQ(final.code, kExitOk) << final.out << final.err;
    EXPECT_NE(final.out.find("Step 4 (Errors Report)"), std::string::npos) << final.out;
    const std::string betaRow = "Beta & Co\tError submitting new program\t<script>alert(1)</script> listed "
                                "before\tUpdate the listing instead\n";
    EXPECT_NE(final.out.find(betaRow), std::string::npos) << final.out;
    EXPECT_FALSE(fs::exists(ProductFolder() / "Resume")) << "entering the errors report deletes the journal";
    EXPECT_NE(store::LoadFileAsString(ProductFolder() / "product.dat")
                  .find("<Version_Submitted>1.0</Version_Submitted>"),
              std::string::npos);

    const CliRun errors = Product({"report", "--errors"});
    ASSERT_EQ(errors.code, kExitOk) << errors.err;
    EXPECT_EQ(
        errors.out,
        "Step 4 (Errors Report)\n"
        "Site\tProblem\tPossible Reason\tSuggested Solution\n" +
            betaRow +
            "Gamma\tError loading submission page\tUnknown\tUnknown\n"
            "Please, help us to support Listrider site database up-to-date - send us the Error Report.\n");

    // The Step 1 rows of Alpha, Beta and Gamma came through the Step 2 journal.
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
    EXPECT_NE(out.find("Total FTP Requests: 0\n"), std::string::npos);

    const CliRun masked = Product({"report", "--mask-passwords", "--html", m_dir.Path().string()});
    ASSERT_EQ(masked.code, kExitOk) << masked.err;
    EXPECT_EQ(masked.out.find("secret1"), std::string::npos);
    EXPECT_NE(masked.out.find("login: author, password:****. "), std::string::npos);
    const std::size_t at = masked.out.find("HTML report: ");
    ASSERT_NE(at, std::string::npos);
    const fs::path html(masked.out.substr(at + 13, masked.out.find('\n', at) - at - 13));
    EXPECT_EQ(html.parent_path(), m_dir.Path());
    EXPECT_EQ(html.filename().string().rfind("Zipper_1.0_", 0), 0u) << html;
    const std::string page = store::LoadFileAsString(html);
    EXPECT_NE(page.find("Beta &amp; Co"), std::string::npos);
    EXPECT_EQ(page.find("secret1"), std::string::npos);

    const fs::path errorsHtml = m_dir / "errors.html";
    const CliRun written = Product({"report", "--errors", "--json", "--html", errorsHtml.string()});
    ASSERT_EQ(written.code, kExitOk) << written.err;
    EXPECT_NE(written.out.find(R"("problem":"Error submitting new program")"), std::string::npos)
        << written.out;
    const std::string errorsPage = store::LoadFileAsString(errorsHtml);
    EXPECT_NE(errorsPage.find("&lt;script&gt;alert(1)&lt;/script&gt; listed before"), std::string::npos);
    EXPECT_EQ(errorsPage.find("<script>"), std::string::npos);
}

} // namespace
} // namespace listrider::cli
