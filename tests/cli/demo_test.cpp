#include <filesystem>
#include <map>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/demo/demo_outcomes.h"
#include "cli/demo/demo_pipeline.h"
#include "cli/demo/sitesim_process.h"
#include "cli/exit_codes.h"
#include "net/byte_sink.h"
#include "net/http_client.h"
#include "store/file_io.h"
#include "support/temp_dir.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

// One request as the simulator recorded it.
struct Received
{
    std::string method;
    std::string path;
    std::map<std::string, std::string> headers;
    std::map<std::string, std::string> fields;
    std::map<std::string, std::pair<std::string, std::string>> files; ///< name: filename, content
};

std::string Unescape(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c;
    }
    return out;
}

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
        words.push_back(Unescape(line.substr(start, tab - start)));
    }
    words.push_back(Unescape(line.substr(start)));
    return words;
}

// The demo against a simulator started by the test, so that the simulator's record of what
// each site received can be read once the demo is done.
class DemoTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        store::Result<std::unique_ptr<SitesimProcess>> started =
            SitesimProcess::Start(LISTRIDER_SITESIM_PATH, 600);
        ASSERT_TRUE(started.HasValue()) << started.GetError().message;
        s_sitesim = started.Value().release();
        s_workspace = new testsupport::TempDir();
        std::ostringstream out;
        std::ostringstream err;
        s_code = RunDemo({s_workspace->Path() / "ws", LISTRIDER_DEMO_DIR, s_sitesim->HostPort()}, out, err);
        s_out = out.str();
        s_err = err.str();
    }

    static void TearDownTestSuite()
    {
        delete s_sitesim;
        delete s_workspace;
    }

    static std::vector<Received> ReceivedBy(const std::string& site)
    {
        net::HttpClient client;
        client.options.url = "http://" + s_sitesim->HostPort() + "/_sim/received?site=" + site;
        net::StringSink body;
        client.SetResponseStream(&body);
        EXPECT_TRUE(client.Get().HasValue());
        std::vector<Received> requests;
        std::istringstream lines(body.Text());
        for (std::string line; std::getline(lines, line);) {
            const std::vector<std::string> words = Words(line);
            if (words[0] == "request" && words.size() == 3) {
                requests.push_back({words[1], words[2], {}, {}, {}});
            } else if (requests.empty()) {
                ADD_FAILURE() << "a record line before any request: " << line;
            } else if (words[0] == "header" && words.size() == 3) {
                requests.back().headers[words[1]] = words[2];
            } else if (words[0] == "field" && words.size() == 3) {
                requests.back().fields[words[1]] = words[2];
            } else if (words[0] == "file" && words.size() == 5) {
                requests.back().files[words[1]] = {words[2], words[4]};
            } else {
                ADD_FAILURE() << "unreadable record line: " << line;
            }
        }
        return requests;
    }

    static std::vector<std::string> Paths(const std::vector<Received>& requests)
    {
        std::vector<std::string> paths;
        for (const Received& request : requests) {
            paths.push_back(request.method + " " + request.path);
        }
        return paths;
    }

    static std::string Host() { return s_sitesim->HostPort(); }

    static fs::path Sources() { return s_workspace->Path() / "ws" / "demo-source"; }

    static inline SitesimProcess* s_sitesim = nullptr;
    static inline testsupport::TempDir* s_workspace = nullptr;
    static inline int s_code = -1;
    static inline std::string s_out;
    static inline std::string s_err;
};

TEST_F(DemoTest, EverySiteEndsAsItIsBuiltTo)
{
    EXPECT_EQ(s_code, kExitOk) << s_out << s_err;
    EXPECT_NE(s_out.find("Every one of the 14 demo sites ended as it is built to."), std::string::npos)
        << s_out;
    EXPECT_NE(s_out.find("== Step 2 (New passwords)"), std::string::npos);
    EXPECT_NE(s_out.find("Slow Lane\tHTTP request timed out"), std::string::npos)
        << "Step 4 explains the failures";
    EXPECT_NE(s_out.find("Broken Form\tError submitting new program\tThe site now asks for a category"),
              std::string::npos)
        << "the site's own error pattern explains its page";
    for (const char* label : {"Error report: ", "Submission report: "}) {
        const std::size_t at = s_out.find(label);
        ASSERT_NE(at, std::string::npos) << label;
        const std::size_t start = at + std::string_view(label).size();
        const fs::path report(s_out.substr(start, s_out.find('\n', at) - start));
        EXPECT_NE(store::LoadFileAsString(report).find("FolderPilot"), std::string::npos) << report;
    }
}

TEST_F(DemoTest, OneRequestSitesGetTheMappedValues)
{
    const std::vector<Received> plain = ReceivedBy("plain");
    ASSERT_EQ(Paths(plain), std::vector<std::string>{"GET /plain/add.php"});
    EXPECT_EQ(plain[0].fields,
              (std::map<std::string, std::string>{
                  {"title", "FolderPilot"},
                  {"version", "3.2"},
                  {"type", "share"},
                  {"download", "http://" + Host() + "/larkspur/folderpilot32.zip"},
                  {"desc", "FolderPilot: a tabbed file manager that finds duplicates & tidies folders"}}));

    const std::vector<Received> post = ReceivedBy("post");
    ASSERT_EQ(Paths(post), std::vector<std::string>{"POST /post/submit.cgi"});
    EXPECT_EQ(post[0].headers.at("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(post[0].fields,
              (std::map<std::string, std::string>{{"program", "FolderPilot"},
                                                  {"version", "3.2"},
                                                  {"os", "winnt"},
                                                  {"size", "small"},
                                                  {"trial", "30 days"},
                                                  {"category", "42"},
                                                  {"email", "mira@larkspur.example"}}));

    const std::vector<Received> mixer = ReceivedBy("mixer");
    ASSERT_EQ(Paths(mixer), std::vector<std::string>{"GET /mixer/submit.php"});
    EXPECT_EQ(mixer[0].fields,
              (std::map<std::string, std::string>{{"company", "Larkspur Software"},
                                                  {"contact", "Mira Holt"},
                                                  {"email", "mira@larkspur.example"},
                                                  {"price", "24.95"},
                                                  {"rounded", "25"},
                                                  {"release", "14/03/2024"},
                                                  {"short", "FolderPilot: a tabbe"},
                                                  {"keys", "file manager folders tabs duplicates explorer"},
                                                  {"file", "folderpilot.zip"},
                                                  {"dl", Host() + "/larkspur/folderpilot32.zip"},
                                                  {"type", "SW"},
                                                  {"install", "both"},
                                                  {"category", "util-files"}}));

    const std::vector<Received> lingua = ReceivedBy("lingua");
    ASSERT_EQ(lingua.size(), 1u);
    EXPECT_EQ(lingua[0].fields.at("sprache"), "multi") << "both ticked languages score";
    EXPECT_EQ(lingua[0].fields.at("stichworte"), "Dateimanager, Ordner, Duplikate");
    EXPECT_EQ(lingua[0].fields.at("beschreibung").substr(0, 40), "FolderPilot ist ein Dateimanager mit ein");
}

TEST_F(DemoTest, SessionsTokensAndUploadsComeBackAsTheSitesHandedThemOut)
{
    const std::vector<Received> portal = ReceivedBy("portal");
    ASSERT_EQ(Paths(portal),
              (std::vector<std::string>{
                  "POST /portal/login.php", "GET /portal/welcome.php", "POST /portal/submit.php"}));
    EXPECT_EQ(portal[0].fields,
              (std::map<std::string, std::string>{{"user", "larkspur"}, {"pass", "lark-2024"}}));
    EXPECT_TRUE(std::regex_match(portal[1].headers.at("Cookie"), std::regex("PORTALSID=S[0-9x]+")))
        << "the redirect is followed with the cookie it set";
    EXPECT_EQ(portal[2].headers.at("Cookie"), portal[1].headers.at("Cookie"));
    EXPECT_EQ(portal[2].headers.at("Referer"), "http://" + Host() + "/portal/form.php");
    EXPECT_EQ(portal[2].fields.at("price"), "24.95");

    const std::vector<Received> tokens = ReceivedBy("tokens");
    ASSERT_EQ(Paths(tokens),
              (std::vector<std::string>{
                  "GET /tokens/add.html", "POST /tokens/preview.php", "POST /tokens/confirm.php"}));
    EXPECT_TRUE(std::regex_match(tokens[1].fields.at("ticket"), std::regex("K[0-9]+")));
    // The fields of forms 1 and 2 of the preview page, with the hidden ones as they were.
    ASSERT_EQ(tokens[2].fields.size(), 4u);
    EXPECT_EQ(tokens[2].fields.at("q"), "");
    EXPECT_EQ(tokens[2].fields.at("confirm"), "Confirm");
    EXPECT_TRUE(std::regex_match(tokens[2].fields.at("draft"), std::regex("D[0-9]+")));
    EXPECT_TRUE(std::regex_match(tokens[2].fields.at("token"), std::regex("T[0-9]+")));

    // The server's form parser keeps the last part of a part's file name.
    const std::vector<Received> upload = ReceivedBy("upload");
    ASSERT_EQ(upload.size(), 1u);
    EXPECT_EQ(upload[0].headers.at("Content-Type").rfind("multipart/form-data; boundary=", 0), 0u);
    EXPECT_EQ(upload[0].fields,
              (std::map<std::string, std::string>{{"name", "FolderPilot"}, {"size", "1878"}}));
    const fs::path pad = Sources() / "FolderPilot.xml";
    const fs::path program = Sources() / "files" / "folderpilot32.zip";
    EXPECT_EQ(upload[0].files.at("padfile"),
              std::pair(pad.filename().string(), store::LoadFileAsString(pad)));
    EXPECT_EQ(upload[0].files.at("program"),
              std::pair(program.filename().string(), store::LoadFileAsString(program)));
}

TEST_F(DemoTest, SearchesAccountsMailAndFailuresReachTheSitesAsScripted)
{
    const std::vector<Received> watch = ReceivedBy("watch");
    ASSERT_EQ(Paths(watch),
              (std::vector<std::string>{
                  "GET /watch/search.php", "GET /watch/listing.php", "POST /watch/update.php"}));
    EXPECT_EQ(watch[0].fields.at("q"), "FolderPilot");
    EXPECT_EQ(watch[1].fields.at("id"), "4711") << "the listing after the product's own name";
    EXPECT_EQ(watch[2].fields.at("listing"), "4711");
    EXPECT_EQ(watch[2].fields.at("version"), "3.2");

    const std::vector<Received> hub = ReceivedBy("hub");
    EXPECT_EQ(Paths(hub), (std::vector<std::string>{"GET /hub/find.php", "GET /hub/find.php"}))
        << "listed in this version: nothing is submitted";

    const std::vector<Received> signup = ReceivedBy("signup");
    ASSERT_EQ(Paths(signup),
              (std::vector<std::string>{"POST /signup/login.php",
                                        "POST /signup/register.php",
                                        "POST /signup/login.php",
                                        "POST /signup/submit.php"}));
    EXPECT_EQ(
        signup[0].fields,
        (std::map<std::string, std::string>{{"email", "info@larkspur.example"}, {"password", "lark-2024"}}));
    EXPECT_EQ(signup[1].fields,
              (std::map<std::string, std::string>{
                  {"email", "info@larkspur.example"}, {"company", "Larkspur Software"}, {"first", "Mira"}}));
    EXPECT_TRUE(std::regex_match(signup[2].fields.at("password"), std::regex("am[0-9]+")))
        << "Step 3 logs in with the mailed account";
    EXPECT_EQ(signup[3].fields.at("url"), "http://" + Host() + "/larkspur/folderpilot.html");

    const std::vector<Received> relay = ReceivedBy("relay");
    ASSERT_EQ(Paths(relay), std::vector<std::string>{"POST /cgi-bin/mail.cgi"});
    EXPECT_EQ(relay[0].headers.at("Referer"), "http://" + Host() + "/sendmail.htm");
    EXPECT_EQ(relay[0].fields.at("From"), "submit@maildrop.example");
    EXPECT_EQ(relay[0].fields.at("To"), "info@larkspur.example");
    EXPECT_EQ(relay[0].fields.at("FromName"), "Mira Holt");
    EXPECT_EQ(relay[0].fields.at("Subject"), "New program: FolderPilot 3.2");
    EXPECT_EQ(relay[0].fields.at("Message").rfind(
                  "\nProgram: FolderPilot 3.2\nPublisher: Larkspur Software\nDownload: http://" + Host() +
                      "/larkspur/folderpilot32.zip\n",
                  0),
              0u)
        << relay[0].fields.at("Message");

    EXPECT_EQ(Paths(ReceivedBy("broken")), std::vector<std::string>{"POST /broken/submit.php"});
    EXPECT_EQ(Paths(ReceivedBy("crash")), std::vector<std::string>{"GET /crash/add.php"});
    EXPECT_EQ(Paths(ReceivedBy("slow")), std::vector<std::string>(4, "GET /slow/add.php"))
        << "a timed-out site is tried again three times";
}

TEST(DemoOutcomesTest, NamesEverySiteThatDiffers)
{
    const std::vector<ExpectedOutcome> expected = {
        {"Alpha", "Done", ""}, {"Beta", "Pending", "Done"}, {"Gamma", "Exists", ""}};

    struct Case
    {
        const char* name;
        RunResults step1;
        RunResults step3;
        std::vector<std::string> differences;
    };

    const Case cases[] = {
        {"as built", {{"Alpha", "Done"}, {"Beta", "Pending"}, {"Gamma", "Exists"}}, {{"Beta", "Done"}}, {}},
        {"other result and missing Step 3",
         {{"Alpha", "Failed"}, {"Beta", "Pending"}, {"Gamma", "Exists"}},
         {},
         {"Alpha: ended \"Failed\" in Step 1, built to end \"Done\"",
          "Beta: did not end in Step 3, built to end \"Done\""}},
        {"unexpected Step 3 and unknown site",
         {{"Alpha", "Done"}, {"Beta", "Pending"}, {"Gamma", "Exists"}, {"Delta", "Done"}},
         {{"Beta", "Done"}, {"Gamma", "Done"}},
         {"Gamma: ran in Step 3 (\"Done\") but should not have",
          "Delta: is no demo site but ended \"Done\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CompareOutcomes(expected, c.step1, c.step3), c.differences);
    }
}

TEST(DemoOutcomesTest, ReadsTheOutcomesFileAndRefusesABadLine)
{
    testsupport::TempDir dir;
    dir.Write("good.txt", "# comment\n\nAlpha | Done\r\nBeta|Pending|Done\n");
    store::Result<std::vector<ExpectedOutcome>> good = LoadExpectedOutcomes(dir / "good.txt");
    ASSERT_TRUE(good.HasValue());
    ASSERT_EQ(good.Value().size(), 2u);
    EXPECT_EQ(good.Value()[1].site, "Beta");
    EXPECT_EQ(good.Value()[1].step3, "Done");
    dir.Write("bad.txt", "Alpha\n");
    EXPECT_FALSE(LoadExpectedOutcomes(dir / "bad.txt").HasValue());
}

} // namespace
} // namespace listrider::cli
