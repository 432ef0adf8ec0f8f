// The site list of two products through the command line, and the submission of exactly the
// rows it marks ready.
#include <filesystem>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_app.h"
#include "cli/exit_codes.h"
#include "cli_runner.h"
#include "store/date_time.h"
#include "support/recording_http_server.h"
#include "support/temp_dir.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadBytes;
using testsupport::RecordedRequest;
using testsupport::Reply;

// What "sites list" printed: each row's check box and mark, the legend of each mark, the counters.
struct ListedPage
{
    std::map<std::string, int> marks;
    std::vector<std::string> checked;
    std::map<int, std::string> legends;
    std::string counters;
};

ListedPage ParseList(const std::string& out)
{
    ListedPage page;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("[x]\t") || line.starts_with("[ ]\t")) {
            std::vector<std::string> cells;
            std::istringstream fields(line);
            for (std::string cell; std::getline(fields, cell, '\t');) {
                cells.push_back(cell);
            }
            const int mark = std::stoi(cells.at(1));
            page.marks[cells.at(2)] = mark;
            page.legends[mark] = cells.back();
            if (line.starts_with("[x]")) {
                page.checked.push_back(cells.at(2));
            }
        } else if (line.find("Sites: ") != std::string::npos || line.find(" to: ") != std::string::npos ||
                   line.find(" at: ") != std::string::npos) {
            page.counters += line + "\n";
        }
    }
    return page;
}

std::vector<std::string> ResultLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

// The site list fixture database, its scripts sending to a loopback server that accepts every
// submission, with the blacklist and Autocheck of the window's tests.
class SitesListSubmitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        server.Route("/add", [](const RecordedRequest&) { return Reply{200, {}, "Thank you"}; });
        const fs::path source = m_dir / "source";
        fs::copy(LISTRIDER_TEST_DATA "/sites/sitelist", source, fs::copy_options::recursive);
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(source)) {
            if (entry.path().filename() == "sub.txt") {
                std::string script = ReadBytes(entry.path());
                const std::size_t at = script.find("127.0.0.1:9\n");
                ASSERT_NE(at, std::string::npos) << entry.path();
                script.replace(at, 11, server.HostPort());
                m_dir.Write(fs::relative(entry.path(), m_dir.Path()).string(), script);
            }
        }
        ASSERT_EQ(Run({"sitedb", "build", source.string(), "--yes"}).code, kExitOk);
        ASSERT_EQ(Run({"prefs", "set", "Validate_Links", "N"}).code, kExitOk);
        ASSERT_EQ(Run({"prefs", "set", "Autocheck", "Y"}).code, kExitOk);
        ASSERT_EQ(Run({"blacklist", "add", "Blocked Site"}).code, kExitOk);
        ASSERT_EQ(Run({"company", "new", "Acme"}).code, kExitOk);
    }

    CliRun Run(std::vector<std::string> args) { return RunCliIn(m_dir.Path(), std::move(args)); }

    // A product whose fields pass the Submit page's validation, with the given ones on top.
    void MakeProduct(const std::string& name,
                     const std::string& version,
                     const std::vector<std::pair<std::string, std::string>>& own)
    {
        ASSERT_EQ(Run({"product", "new", "--company", "Acme", name, version}).code, kExitOk);
        m_dir.Write("files/" + name + ".zip", "zip");
        m_dir.Write("files/" + name + ".xml", "<XML_DIZ_INFO/>");
        std::vector<std::pair<std::string, std::string>> fields = {
            {"Program_Release_Status", "New Release"},
            {"Program_Install_Support", "Install Only"},
            {"Program_Release_Day", "05"},
            {"Program_Release_Month", "May"},
            {"Program_Release_Year", "2024"},
            {"Filename_Generic", "product.zip"},
            {"File_Size_Bytes", "3000000"},
            {"Program_Language", "English"},
            {"Keywords", "disk,puzzle"},
            {"Char_Desc_45", "A product"},
            {"Char_Desc_80", "A product of Acme"},
            {"Char_Desc_250", "A product of Acme."},
            {"Char_Desc_450", "A product of Acme."},
            {"Char_Desc_2000", "A product of Acme."},
            {"Company_WebSite_URL", "http://acme.example"},
            {"Contact_Email", "a@acme.example"},
            {"Author_Email", "a@acme.example"},
            {"General_Email", "a@acme.example"},
            {"Support_Email", "a@acme.example"},
            {"Sales_Email", "a@acme.example"},
            {"Application_Info_URL", "http://acme.example/product"},
            {"Application_XML_File_URL", "http://acme.example/product.xml"},
            {"Primary_Download_URL", "http://acme.example/product.zip"},
            {"Upload_File_Location", (m_dir / ("files/" + name + ".zip")).string()},
            {"Upload_PAD_Location", (m_dir / ("files/" + name + ".xml")).string()},
        };
        fields.insert(fields.end(), own.begin(), own.end());
        for (const auto& [field, value] : fields) {
            const CliRun run = Run({"product", "set", "--company", "Acme", "--product", name, field, value});
            ASSERT_EQ(run.code, kExitOk) << field << ": " << run.err;
        }
        ASSERT_EQ(Run({"accounts",
                       "set",
                       "--company",
                       "Acme",
                       "--product",
                       name,
                       "--default-login",
                       "author",
                       "--default-password",
                       "secret1"})
                      .code,
                  kExitOk);
    }

    fs::path ProductFolder(const std::string& name) const
    {
        return m_dir.Path() / "Products" / "Acme" / name;
    }

    // Runs "submit --sites suitable" and returns the rows of Result.txt.
    std::vector<std::string> SubmitSuitable(const std::string& product)
    {
        const CliRun run =
            Run({"submit", "--company", "Acme", "--product", product, "--sites", "suitable", "--no-resume"});
        EXPECT_EQ(run.code, kExitOk) << run.out << run.err;
        const std::size_t at = run.out.find("Result.txt: ");
        if (at == std::string::npos) {
            ADD_FAILURE() << run.out << run.err;
            return {};
        }
        const fs::path result(run.out.substr(at + 12, run.out.find('\n', at) - at - 12));
        return ResultLines(ReadBytes(result));
    }

    testsupport::TempDir m_dir;
    testsupport::RecordingHttpServer server;
};

TEST_F(SitesListSubmitTest, WindowsSharewareProduct)
{
    ASSERT_NO_FATAL_FAILURE(MakeProduct("Disk Wizard",
                                        "2.1",
                                        {{"Program_Type", "Shareware"},
                                         {"Program_Cost_Dollars", "19.95"},
                                         {"Program_OS_Support", "Windows 2000,Windows XP"},
                                         {"PAD_Specific_Category", "Utilities"},
                                         {"PAD_Categories", "Disk Tools"},
                                         {"Fast_Category", "Utilities - Disk Tools"},
                                         {"Links_Page", "http://diskwizard.example/links.html"},
                                         {"RegNowAff", "1234-1"}}));
    // The status of earlier runs and stats: listed at one site, submitted five days ago in the
    // previous version and eight days ago in this one, one site to select again.
    const double now = store::NowDateTimeNumber();
    m_dir.Write("Products/Acme/Disk Wizard/sites.dat",
                "<Site_Name>Alpha Downloads</Site_Name>\r\n<Listed>YES</Listed>\r\n"
                "<Site_Name>Shareware Only</Site_Name>\r\n<Submitted>" +
                    store::FormatDateTimeNumber(now - 5, '.') +
                    "</Submitted>\r\n<Version_Submitted>2.0</Version_Submitted>\r\n"
                    "<Site_Name>Resubmit Site</Site_Name>\r\n<Submitted>" +
                    store::FormatDateTimeNumber(now - 8, '.') +
                    "</Submitted>\r\n<Version_Submitted>2.1</Version_Submitted>\r\n"
                    "<Site_Name>Must Check</Site_Name>\r\n<Must_Be_Checked>YES</Must_Be_Checked>");

    const CliRun listed = Run({"sites", "list", "--company", "Acme", "--product", "Disk Wizard"});
    ASSERT_EQ(listed.code, kExitOk) << listed.err;
    EXPECT_TRUE(listed.out.starts_with("Fast category: Utilities - Disk Tools\n")) << listed.out;
    const ListedPage page = ParseList(listed.out);
    EXPECT_EQ(page.marks,
              (std::map<std::string, int>{{"Aff Club", 0},
                                          {"Alpha Downloads", 0},
                                          {"Excluded Site", 1},
                                          {"Free Corner", 2},
                                          {"Game Zone", 2},
                                          {"German Site", 0},
                                          {"Link Lovers", 0},
                                          {"Must Check", 0},
                                          {"New Engine", 10},
                                          {"Palm Garden", 8},
                                          {"Resubmit Site", 13},
                                          {"Shareware Only", 14}}));
    EXPECT_EQ(page.checked, (std::vector<std::string>{"Must Check"}));
    EXPECT_EQ(page.counters, "Showing Sites: 12\nTotal Sites: 13\nSubmitted to: 1\nListed at: 1\n");
    EXPECT_EQ(page.legends.at(13), "At least 25 days must pass before same version can be resubmitted");
    EXPECT_EQ(page.legends.at(14), "At least 10 days must pass before update can be submitted");
    EXPECT_NE(listed.out.find("\tAlpha Downloads\tDisk Utilities\t"), std::string::npos);

    const CliRun json = Run({"sites", "list", "--company", "Acme", "--product", "Disk Wizard", "--json"});
    EXPECT_NE(
        json.out.find("{\"site\":\"Excluded Site\",\"checked\":false,\"mark\":1,\"legend\":\"The site is "
                      "not available for the chosen Fast Category\""),
        std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("\"counters\":{\"showingSites\":12,\"totalSites\":13,\"submittedTo\":1,"
                            "\"listedAt\":1}"),
              std::string::npos);

    EXPECT_EQ(SubmitSuitable("Disk Wizard"),
              (std::vector<std::string>{"Aff Club - Done",
                                        "Alpha Downloads - Done",
                                        "German Site - Done",
                                        "Link Lovers - Done",
                                        "Must Check - Done"}));
    EXPECT_EQ(server.Requests().size(), 5u);
    const std::string status = ReadBytes(ProductFolder("Disk Wizard") / "sites.dat");
    EXPECT_NE(status.find("<Site_Name>Alpha Downloads</Site_Name>\r\n<Category>Disk Utilities</Category>"),
              std::string::npos)
        << "the fast category's choice was submitted and kept";

    const CliRun blocked =
        Run({"submit", "--company", "Acme", "--product", "Disk Wizard", "--sites", "Blocked Site"});
    EXPECT_EQ(blocked.code, kExitFailure);
    EXPECT_NE(blocked.err.find("\"Blocked Site\" is blacklisted"), std::string::npos) << blocked.err;
    EXPECT_EQ(server.Requests().size(), 5u);
}

TEST_F(SitesListSubmitTest, FreewarePalmProduct)
{
    ASSERT_NO_FATAL_FAILURE(MakeProduct("Palm Puzzler",
                                        "1.0",
                                        {{"Program_Type", "Freeware"},
                                         {"Program_OS_Support", "Palm OS 3.1"},
                                         {"PAD_Specific_Category", "Games"},
                                         {"PAD_Categories", "Puzzle"},
                                         {"Fast_Category", "Games - Puzzle"}}));

    const CliRun listed = Run({"sites", "list", "--company", "Acme", "--product", "Palm Puzzler"});
    ASSERT_EQ(listed.code, kExitOk) << listed.err;
    const ListedPage page = ParseList(listed.out);
    EXPECT_EQ(page.marks,
              (std::map<std::string, int>{{"Aff Club", 3},
                                          {"Alpha Downloads", 8},
                                          {"Excluded Site", 0},
                                          {"Free Corner", 0},
                                          {"Game Zone", 0},
                                          {"German Site", 9},
                                          {"Link Lovers", 9},
                                          {"Must Check", 0},
                                          {"New Engine", 10},
                                          {"Palm Garden", 0},
                                          {"Resubmit Site", 0},
                                          {"Shareware Only", 2}}));
    EXPECT_TRUE(page.checked.empty());
    EXPECT_EQ(page.counters, "Showing Sites: 12\nTotal Sites: 13\nSubmitted to: 0\nListed at: 0\n");
    EXPECT_EQ(page.legends.at(9), "The site demands to place a back link");
    // The Palm product takes the site's Palm category for the fast category's top group.
    EXPECT_NE(listed.out.find("\tPalm Garden\tPalm Games & Puzzles\t"), std::string::npos) << listed.out;

    EXPECT_EQ(SubmitSuitable("Palm Puzzler"),
              (std::vector<std::string>{"Excluded Site - Done",
                                        "Free Corner - Done",
                                        "Game Zone - Done",
                                        "Must Check - Done",
                                        "Palm Garden - Done",
                                        "Resubmit Site - Done"}));
    EXPECT_EQ(server.Requests().size(), 6u);

    // The run's status is what the site list shows next.
    const CliRun after = Run({"sites", "list", "--company", "Acme", "--product", "Palm Puzzler"});
    EXPECT_NE(after.out.find("Submitted to: 6\n"), std::string::npos) << after.out;
    EXPECT_EQ(ParseList(after.out).marks.at("Free Corner"), 13);
}

} // namespace
} // namespace listrider::cli
