#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "cli/exit_codes.h"
#include "cli_runner.h"
#include "store/date_time.h"
#include "store/file_io.h"
#include "store/installation_config.h"
#include "support/recording_http_server.h"
#include "support/temp_dir.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;
using testsupport::RecordedRequest;
using testsupport::Reply;

// A product and a site database built from readable sources, for the companion commands.
class CompanionCommandsTest : public ::testing::Test
{
protected:
    CliRun Run(std::vector<std::string> args) { return RunCliIn(m_dir.Path(), std::move(args)); }

    CliRun Product(std::vector<std::string> args)
    {
        args.insert(args.begin() + 1, {"--company", "Acme", "--product", "Zipper"});
        return Run(std::move(args));
    }

    std::string Step(const std::string& path,
                     const std::string& fields,
                     int onSuccess,
                     const std::string& text,
                     const std::string& commands = "",
                     const std::string& method = "GET")
    {
        return "step\n-\n-\nHTTP\n" + m_server.HostPort() + "\n" + path + "\n" + method + "\nTesting\n" +
               fields + "@\n-\n-2\n-\n-\n-\n" + std::to_string(onSuccess) + "\n" + text + "\n-\n" + commands;
    }

    void AddSite(const std::string& name,
                 const std::string& header,
                 const std::vector<std::pair<std::string, std::string>>& members)
    {
        m_dir.Write("source/sites/" + name + "/site.txt", "<SITENAME>" + name + "</SITENAME>\n" + header);
        for (const auto& [member, text] : members) {
            m_dir.Write("source/sites/" + name + "/" + member + ".txt", text);
        }
    }

    void Prepare(const std::vector<std::pair<std::string, std::string>>& extraFields = {})
    {
        ASSERT_EQ(Run({"sitedb", "build", (m_dir / "source").string(), "--yes"}).code, kExitOk);
        ASSERT_EQ(Run({"prefs", "set", "Validate_Links", "N"}).code, kExitOk);
        ASSERT_EQ(Run({"company", "new", "Acme"}).code, kExitOk);
        ASSERT_EQ(Run({"product", "new", "--company", "Acme", "Zipper", "1.0"}).code, kExitOk);
        m_dir.Write("files/zipper.zip", "zip");
        m_dir.Write("files/zipper.xml", "<XML_DIZ_INFO/>");
        std::vector<std::pair<std::string, std::string>> fields = SubmittableProductFields(m_dir.Path());
        fields.emplace_back("Contact_First_Name", "Jane");
        fields.insert(fields.end(), extraFields.begin(), extraFields.end());
        for (const auto& [field, value] : fields) {
            const CliRun run = Product({"product", "set", field, value});
            ASSERT_EQ(run.code, kExitOk) << field << ": " << run.err;
        }
        ASSERT_EQ(
            Product({"accounts", "set", "--default-login", "author", "--default-password", "secret1"}).code,
            kExitOk);
        store::InstallationConfig config = store::LoadInstallationConfig(m_dir.Path());
        config.mailRelayHost = m_server.HostPort();
        config.reportSender = "reports@vendor.example";
        config.reportUserName = "Registered User";
        ASSERT_TRUE(store::SaveInstallationConfig(m_dir.Path(), config).HasValue());
    }

    fs::path ProductFolder() const { return m_dir.Path() / "Products" / "Acme" / "Zipper"; }

    testsupport::RecordingHttpServer m_server;
    testsupport::TempDir m_dir;
};

TEST_F(CompanionCommandsTest, StatsCollectsStoresAndExports)
{
    m_server.Route("/search", [](const RecordedRequest&) {
        return Reply{200, {}, "<h1>Results</h1><td>Version: 1.0</td><td>Downloads: 1,<b>234</b></td>"};
    });
    AddSite("Counter",
            "<STATS>YES</STATS>\n<STATS_INFO>12</STATS_INFO>\n<STATS_SUM>2,1</STATS_SUM>\n",
            {{"150", Step("/search", "q\n|ProgramNameSpecial|\n", 151, "Results")},
             {"151",
              Step("/search",
                   "",
                   -1,
                   "",
                   "EXTRACTVERSION\nVersion: |Custom1|\nEXTRACTTEXT\nDownloads: |Custom2|\n"
                   "EXTRACTTEXT\n,<b> |Custom6|\n")},
             {"zam", ",\n\n"}});
    AddSite("Plain", "", {{"sub", Step("/search", "", -1, "")}});
    ASSERT_NO_FATAL_FAILURE(Prepare());

    const CliRun run = Product({"stats", "--export", (m_dir.Path() / "stats").string()});
    EXPECT_EQ(run.code, kExitOk) << run.out << run.err;
    EXPECT_NE(run.out.find("Collect Product Stats - Zipper\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Counter\tYES\t\t1.0\t1234\t---\t---\t---\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("100% Complete\n"), std::string::npos);
    EXPECT_NE(run.out.find(
                  "Total Downloads: 1234\nListed on: 1 of 1 sites\nLatest version listed on: 1 of 1 sites\n"),
              std::string::npos);
    EXPECT_EQ(run.out.find("Plain"), std::string::npos) << "a site without stats is not listed";
    const std::string html = store::LoadFileAsString(m_dir.Path() / "stats.html");
    EXPECT_NE(html.find("<td>1234</td>"), std::string::npos);

    // A later program run lists the stored values without asking the site.
    const CliRun list = Product({"stats", "--list", "--export", (m_dir.Path() / "stats.XML").string()});
    EXPECT_EQ(list.code, kExitOk) << list.err;
    EXPECT_NE(list.out.find("Counter\tYES\t\t1.0\t1234\t---\t---\t---\n"), std::string::npos) << list.out;
    EXPECT_NE(store::LoadFileAsString(m_dir.Path() / "stats.XML").find("<Number_of_Downloads>1234</"),
              std::string::npos);
    EXPECT_EQ(m_server.Requests().size(), 2u);

    EXPECT_EQ(Product({"stats", "--sites", "Plain"}).code, kExitFailure);
}

TEST_F(CompanionCommandsTest, RequestAccountsTriesEveryAddressAndLogin)
{
    m_server.Route("/lost", [](const RecordedRequest& request) {
        return Reply{
            200, {}, request.body.find("login=second") != std::string::npos ? "Account sent" : "Unknown"};
    });
    AddSite(
        "Lost",
        "<PASSWORD>LOGINPASSWORD</PASSWORD>\n<REQUEST>YES</REQUEST>\n",
        {{"sub", Step("/none", "", -1, "")},
         {"99",
          Step("/lost", "mail\n|RequestEmail|\nlogin\n|RequestLogin|\n", -1, "Account sent", "", "POST")}});
    AddSite("Other", "<PASSWORD>LOGINPASSWORD</PASSWORD>\n", {{"sub", Step("/none", "", -1, "")}});
    ASSERT_NO_FATAL_FAILURE(
        Prepare({{"Support_Email", "b@acme.example"}, {"Sales_Email", "c@acme.example"}}));
    ASSERT_EQ(Product({"accounts", "set", "Other", "second", "pw2"}).code, kExitOk);

    const CliRun run = Product({"request-accounts", "--sites", "Lost"});
    EXPECT_EQ(run.code, kExitOk) << run.err;
    EXPECT_NE(run.out.find("Lost\tDone\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Account information has been retrieved successfully.\nCheck your e-mail boxes"),
              std::string::npos);
    std::vector<std::string> bodies;
    for (const RecordedRequest& request : m_server.Requests()) {
        bodies.push_back(request.body);
    }
    // a@ is also the contact's and the author's address: its last place counts.
    EXPECT_EQ(bodies,
              (std::vector<std::string>{"mail=b@acme.example&login=author",
                                        "mail=b@acme.example&login=second",
                                        "mail=c@acme.example&login=author",
                                        "mail=c@acme.example&login=second",
                                        "mail=a@acme.example&login=author",
                                        "mail=a@acme.example&login=second"}));
    const store::CivilDate today = store::Today();
    const CliRun accounts = Product({"accounts", "list"});
    EXPECT_NE(accounts.out.find(std::string(store::EnglishMonthAbbreviation(today.month))), std::string::npos)
        << accounts.out;

    EXPECT_EQ(Product({"request-accounts", "--sites", "Other"}).code, kExitFailure)
        << "Other has no request form";
}

TEST_F(CompanionCommandsTest, SendErrorReportCountsOnlyAnAcceptedReportAsSent)
{
    m_server.Route("/add", [](const RecordedRequest&) { return Reply{200, {}, "Bad form"}; });
    AddSite("Refuser", "", {{"sub", Step("/add", "name\n|ProgramName|\n", -1, "Thank you")}});
    ASSERT_NO_FATAL_FAILURE(Prepare());
    const CliRun submitted = Product({"submit", "--no-resume"});
    ASSERT_EQ(submitted.code, kExitOk) << submitted.out << submitted.err;

    m_server.Route("/cgi-bin/mail.cgi", [](const RecordedRequest&) {
        return Reply{404, {}, "<h1>Not Found</h1>"};
    });
    const CliRun refused = Product({"send-error-report"});
    EXPECT_EQ(refused.code, kExitFailure);
    EXPECT_NE(refused.err.find("An error has happened during sending the Error Report. Please try again."),
              std::string::npos)
        << refused.out << refused.err;

    m_server.Route("/cgi-bin/mail.cgi", [](const RecordedRequest&) { return Reply{200, {}, "Sent"}; });
    const CliRun sent = Product({"send-error-report"});
    EXPECT_EQ(sent.code, kExitOk) << sent.err;
    EXPECT_NE(sent.out.find("The Error Report has been successfully sent to Listrider support team."),
              std::string::npos);
    const RecordedRequest last = m_server.Requests().back();
    EXPECT_NE(
        last.body.find("&Subject=Error+Report&Message=User+Name%3A+Registered+User%0AProduct+Name%3A+Zipper"),
        std::string::npos)
        << last.body.substr(0, 200);
}

} // namespace
} // namespace listrider::cli
