#include <gtest/gtest.h>
#include <libxml/HTMLparser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include "engine/error_report.h"
#include "engine/submission_report.h"
#include "store/file_io.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

const store::LocalDateTime kNow{{2024, 3, 5}, 14, 3, 9};
const ReportProduct kProduct{"Tool <Box>", "2.0"};

constexpr const char* kEvilSite = "<script>alert(1)</script>Evil & \"Co\"";
constexpr const char* kEvilReason = "</td></tr></table><img src=x onerror=alert(2)>";

// A report parsed by libxml2's HTML parser, with every error it reported.
class HtmlDocument
{
public:
    explicit HtmlDocument(const std::string& text)
    {
        xmlSetStructuredErrorFunc(&m_errors, &Collect);
        m_doc = htmlReadMemory(
            text.data(), static_cast<int>(text.size()), "report.html", "ISO-8859-1", HTML_PARSE_NONET);
        xmlSetStructuredErrorFunc(nullptr, nullptr);
    }

    HtmlDocument(const HtmlDocument&) = delete;
    HtmlDocument& operator=(const HtmlDocument&) = delete;

    ~HtmlDocument() { xmlFreeDoc(m_doc); }

    const std::vector<std::string>& Errors() const { return m_errors; }

    bool Parsed() const { return m_doc != nullptr; }

    /// Returns the elements of that name in document order.
    std::vector<xmlNode*> Elements(std::string_view name) const
    {
        std::vector<xmlNode*> found;
        Walk(xmlDocGetRootElement(m_doc), name, found);
        return found;
    }

    static std::string Text(xmlNode* node)
    {
        xmlChar* content = xmlNodeGetContent(node);
        std::string text = content != nullptr ? reinterpret_cast<const char*>(content) : "";
        xmlFree(content);
        return text;
    }

    static std::string Attribute(xmlNode* node, const char* name)
    {
        xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
        std::string text = value != nullptr ? reinterpret_cast<const char*>(value) : "";
        xmlFree(value);
        return text;
    }

    /// Returns the names of every attribute in the document.
    std::vector<std::string> AttributeNames() const
    {
        std::vector<std::string> names;
        for (xmlNode* node : Elements("")) {
            for (xmlAttr* attr = node->properties; attr != nullptr; attr = attr->next) {
                names.emplace_back(reinterpret_cast<const char*>(attr->name));
            }
        }
        return names;
    }

private:
    static void Collect(void* errors,
                        xmlError* error) // NOLINT(readability-non-const-parameter): libxml2 2.9 signature
    {
        static_cast<std::vector<std::string>*>(errors)->push_back(error->message != nullptr ? error->message
                                                                                            : "?");
    }

    static void Walk(xmlNode* node, std::string_view name, std::vector<xmlNode*>& found)
    {
        for (; node != nullptr; node = node->next) {
            if (node->type == XML_ELEMENT_NODE &&
                (name.empty() || name == reinterpret_cast<const char*>(node->name))) {
                found.push_back(node);
            }
            Walk(node->children, name, found);
        }
    }

    std::vector<std::string> m_errors;
    xmlDoc* m_doc = nullptr;
};

// Returns the first tag that does not close in order (the HTML parser closes open tables by itself
// without a word); empty when every element but the void ones closes where it should.
std::string FirstUnbalancedTag(const std::string& text)
{
    std::vector<std::string> open;
    for (std::size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
        const std::size_t end = text.find('>', at);
        if (end == std::string::npos) {
            return "unterminated tag at " + std::to_string(at);
        }
        const bool closing = text[at + 1] == '/';
        const std::size_t nameStart = at + (closing ? 2 : 1);
        const std::size_t nameEnd = text.find_first_of(" \r\n>", nameStart);
        const std::string name = text.substr(nameStart, nameEnd - nameStart);
        if (name == "meta" || name == "br") {
            continue;
        }
        if (!closing) {
            open.push_back(name);
        } else if (open.empty() || open.back() != name) {
            return "</" + name + "> closes " +
                   (open.empty() ? std::string("nothing") : "<" + open.back() + ">");
        } else {
            open.pop_back();
        }
    }
    return open.empty() ? std::string() : "<" + open.back() + "> never closed";
}

ReportSite SiteOf(std::string_view site)
{
    if (site == kEvilSite) {
        return {"http://evil.example/\" onmouseover=\"alert(3)", "Utilities"};
    }
    if (site == "Scripted") {
        return {"javascript:alert(4)", "Tools"};
    }
    if (site == "Beta") {
        return {"HTTPS://beta.example/", "-"};
    }
    return {"ftp://files.example/", "Games"};
}

ReportSummary SampleSummary()
{
    ReportSummary summary;
    summary.successful = {{kEvilSite, "New program information was submitted. "},
                          {"Beta", "E-Mail submission was sent. "},
                          {"Scripted", "Step - Done"}};
    summary.failed = {{"Gamma", kEvilReason}};
    return summary;
}

ReportTotals SampleTotals()
{
    ReportTotals totals;
    totals.sitesSubmitted = 4;
    totals.successful = 3;
    totals.failed = 1;
    totals.submissionTime = "01:02:05";
    totals.percentage = "75%";
    totals.httpRequests = 12;
    totals.bytesReceived = 4096;
    totals.bytesSent = 1024;
    return totals;
}

std::string Submission(const ReportSummary& summary = SampleSummary())
{
    return JoinReportLines(SubmissionReportLines(kProduct, SampleTotals(), summary, &SiteOf, kNow));
}

TEST(SubmissionReportTest, WellFormedWithTheSectionsThatHaveRows)
{
    const std::string text = Submission();
    const HtmlDocument doc(text);
    ASSERT_TRUE(doc.Parsed());
    EXPECT_TRUE(doc.Errors().empty()) << doc.Errors().front() << "\n" << text;
    EXPECT_EQ(FirstUnbalancedTag(text), "");

    std::vector<std::string> headings;
    for (xmlNode* cell : doc.Elements("td")) {
        if (HtmlDocument::Attribute(cell, "bgcolor") == "#000080") {
            headings.push_back(HtmlDocument::Text(cell));
        }
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"SUCCESSFUL", "FAILED"}));
    ASSERT_EQ(doc.Elements("title").size(), 1u);
    EXPECT_EQ(HtmlDocument::Text(doc.Elements("title")[0]), "Listrider Submission report for Tool <Box> 2.0");
    EXPECT_NE(text.find("Submission Report was created 05 Mar 2024  14:03:09"), std::string::npos);
    EXPECT_NE(text.find("<b>75%</b>"), std::string::npos);
    EXPECT_NE(text.find("Sumbission Time"), std::string::npos);
    // Every line ends with CR LF.
    EXPECT_EQ(text.substr(text.size() - 9), "</html>\r\n");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
}

TEST(SubmissionReportTest, InsertedTextsStayText)
{
    const HtmlDocument doc(Submission());
    ASSERT_TRUE(doc.Parsed());
    EXPECT_TRUE(doc.Errors().empty());
    EXPECT_TRUE(doc.Elements("script").empty());
    EXPECT_TRUE(doc.Elements("img").empty());
    for (const std::string& name : doc.AttributeNames()) {
        EXPECT_NE(name.rfind("on", 0), 0u) << name;
    }
    const std::vector<xmlNode*> headers = doc.Elements("th");
    ASSERT_EQ(headers.size(), 4u);
    EXPECT_EQ(HtmlDocument::Text(headers[0]), kEvilSite);

    // Only web and FTP addresses are links, each as the site gave it.
    std::vector<std::string> links;
    for (xmlNode* link : doc.Elements("a")) {
        links.push_back(HtmlDocument::Attribute(link, "href"));
        EXPECT_EQ(HtmlDocument::Attribute(link, "target"), "_blank");
    }
    EXPECT_EQ(links,
              (std::vector<std::string>{"http://evil.example/\" onmouseover=\"alert(3)",
                                        "HTTPS://beta.example/",
                                        "ftp://files.example/"}));
    EXPECT_EQ(HtmlDocument::Text(headers[2]), "Scripted");

    bool reasonShown = false;
    for (xmlNode* cell : doc.Elements("td")) {
        reasonShown = reasonShown || HtmlDocument::Text(cell) == kEvilReason;
    }
    EXPECT_TRUE(reasonShown);
}

TEST(SubmissionReportTest, CategoryLinesOnlyForSuccessfulSitesWithACategory)
{
    ReportSummary summary = SampleSummary();
    summary.skipped = {{"Delta", "Latest version was found."}};
    const std::string text = Submission(summary);
    EXPECT_EQ(FirstUnbalancedTag(text), "");
    EXPECT_NE(text.find("Category: Utilities"), std::string::npos);
    EXPECT_NE(text.find("Category: Tools"), std::string::npos);
    EXPECT_EQ(text.find("Category: -"), std::string::npos);
    // Gamma (failed) and Delta (skipped) have the category "Games", which is not shown.
    EXPECT_EQ(text.find("Category: Games"), std::string::npos);
    EXPECT_NE(text.find("Result: Skipped"), std::string::npos);
    EXPECT_NE(text.find("Result: Failure"), std::string::npos);
}

TEST(SubmissionReportTest, ARunWithoutSitesHasNoSections)
{
    const HtmlDocument doc(Submission(ReportSummary{}));
    ASSERT_TRUE(doc.Parsed());
    EXPECT_TRUE(doc.Errors().empty());
    EXPECT_TRUE(doc.Elements("th").empty());
}

TEST(ErrorReportTest, WellFormedAndInert)
{
    const std::vector<ErrorsRow> errors = {
        {kEvilSite,
         {"Error creating new account", kEvilReason, "Retrieve account login information and resubmit"}},
        {"Scripted", {"Unknown", "Unknown", "Unknown"}},
    };
    const std::string text = JoinReportLines(ErrorReportLines(kProduct, errors, &SiteOf, kNow));
    const HtmlDocument doc(text);
    ASSERT_TRUE(doc.Parsed());
    EXPECT_TRUE(doc.Errors().empty()) << doc.Errors().front() << "\n" << text;
    EXPECT_EQ(FirstUnbalancedTag(text), "");
    EXPECT_TRUE(doc.Elements("script").empty());
    EXPECT_TRUE(doc.Elements("img").empty());

    std::vector<std::string> cells;
    for (xmlNode* cell : doc.Elements("td")) {
        cells.push_back(HtmlDocument::Text(cell));
    }
    ASSERT_EQ(cells.size(), 13u); // the headline, the header row and two rows of four
    EXPECT_EQ(std::vector<std::string>(cells.begin() + 1, cells.end()),
              (std::vector<std::string>{"Site",
                                        "Problem",
                                        "Possible Reason",
                                        "Suggested Solution",
                                        kEvilSite,
                                        "Error creating new account",
                                        kEvilReason,
                                        "Retrieve account login information and resubmit",
                                        "Scripted",
                                        "Unknown",
                                        "Unknown",
                                        "Unknown"}));
    ASSERT_EQ(doc.Elements("a").size(), 1u);
    EXPECT_EQ(HtmlDocument::Text(doc.Elements("title")[0]), "Listrider Error report for Tool <Box> 2.0");
    EXPECT_NE(text.find("Error Report was created 05 Mar 2024  14:03:09"), std::string::npos);
}

TEST(ReportFileTest, SuggestedNamesAndTheWrittenFile)
{
    EXPECT_EQ(SubmissionReportFileName({"Tool Box", "2.0"}, {2024, 3, 5}), "Tool Box_2.0_05-Mar-2024.html");
    EXPECT_EQ(ErrorReportFileName({"Tool/Box", "2.0"}, {2024, 12, 25}),
              "Tool_Box_2.0_errors_25-Dec-2024.html");

    testsupport::TempDir dir;
    ASSERT_OK(SaveReport(dir / "report.html", {"<html>", "</html>"}));
    EXPECT_EQ(store::LoadFileAsString(dir / "report.html"), "<html>\r\n</html>\r\n");
    EXPECT_ERROR_KIND(SaveReport(dir / "missing" / "report.html", {"<html>"}), store::ErrorKind::Io);
}

} // namespace
} // namespace listrider::engine
