#include <algorithm>
#include <mutex>

#include <gtest/gtest.h>

#include "companions/error_report_sender.h"
#include "engine/mail_submission.h"
#include "engine/request_composer.h"
#include "sites/zip_archive.h"
#include "store/file_io.h"
#include "store/web_encoding.h"
#include "support/recording_http_server.h"
#include "support/temp_dir.h"

namespace listrider::companions {
namespace {

namespace fs = std::filesystem;
using testsupport::RecordedRequest;
using testsupport::Reply;

std::vector<std::string> MemberNames(const fs::path& archive)
{
    std::vector<std::string> names;
    store::Result<sites::ZipContents> contents = sites::ReadZipMembers(archive);
    if (contents) {
        for (const sites::ZipMember& member : contents.Value().members) {
            names.push_back(member.name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Returns the decoded value of a field of a URL-encoded form.
std::string FormValue(const std::string& body, const std::string& name)
{
    std::size_t start = 0;
    while (start <= body.size()) {
        const std::size_t end = std::min(body.find('&', start), body.size());
        const std::string part = body.substr(start, end - start);
        if (part.starts_with(name + "=")) {
            std::string value = part.substr(name.size() + 1);
            std::replace(value.begin(), value.end(), '+', ' ');
            return engine::PercentDecode(value);
        }
        start = end + 1;
    }
    return "<missing>";
}

class RecordingSenderView final : public ErrorSenderView
{
public:
    void ShowLabel(std::string_view text) override
    {
        std::lock_guard lock(mutex);
        labels.emplace_back(text);
    }

    void ShowProgress(int percent) override
    {
        std::lock_guard lock(mutex);
        progress.push_back(percent);
    }

    std::mutex mutex;
    std::vector<std::string> labels;
    std::vector<int> progress;
};

class ErrorReportSenderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const fs::path product = dir.Path() / "Products" / "Acme" / "Zipper";
        const fs::path results = dir.Path() / "Submits" / "Zipper_09-03-2024";
        dir.Write("Products/Acme/Zipper/program.dat", "<Program_Name>Zipper</Program_Name>");
        dir.Write("Products/Acme/Zipper/password.dat", "secret");
        dir.Write("Products/Acme/Zipper/RegKey.dat", "key");
        dir.Write("Products/Acme/Zipper/shot.PNG", std::string(2000, 'p'));
        dir.Write("Products/Acme/Zipper/notes.txt", std::string(2000, 'n'));
        dir.Write("Submits/Zipper_09-03-2024/Alpha.htm1", "alpha page");
        dir.Write("Submits/Zipper_09-03-2024/alpha.htm2", "second alpha page");
        dir.Write("Submits/Zipper_09-03-2024/Alphabet.htm1", "another site");
        dir.Write("Submits/Zipper_09-03-2024/Listed.htm1", "listed page");
        dir.Write("Submits/Zipper_09-03-2024/Result.txt", "Alpha - Failed");
        fs::create_directories(dir.Path() / "Temp12345");
        errors = {{"Alpha", {"Form not accepted", "A field is missing", "Update the script"}},
                  {"Listed", {"Already there", "Latest version is already listed.", "Nothing"}}};
        inputs.sources = {product, results, dir.Path() / "Temp12345", errors};
        inputs.productName = "Zipper";
        inputs.company.generalEmail = "info@acme.example";
        inputs.company.contactFirstName = "Jane";
        inputs.company.contactLastName = "Doe & Sons";
        inputs.config.mailRelayHost = server.HostPort();
        inputs.config.reportSender = "reports@vendor.example";
        inputs.config.reportUserName = "Registered User";
        inputs.today = {2024, 3, 9};
    }

    ErrorSenderOutcome Send()
    {
        TErrorSender sender(inputs, view, control);
        return sender.Execute();
    }

    testsupport::TempDir dir;
    testsupport::RecordingHttpServer server;
    std::vector<engine::ErrorsRow> errors;
    ErrorSenderInputs inputs;
    RecordingSenderView view;
    engine::RunControl control;
};

TEST_F(ErrorReportSenderTest, TheArchiveHoldsThePublicFilesThePagesOfTheFailedSitesAndTheSummary)
{
    store::Result<fs::path> archive = WriteErrorReportArchive(inputs.sources);
    ASSERT_TRUE(archive.HasValue()) << archive.GetError().message;
    EXPECT_EQ(MemberNames(archive.Value()),
              (std::vector<std::string>{
                  "Alpha.htm1", "ErrorReport.txt", "alpha.htm2", "notes.txt", "program.dat", "shot.PNG"}));
    const std::string bytes = store::LoadFileAsString(archive.Value());
    EXPECT_NE(bytes.find(std::string(2000, 'p')), std::string::npos) << "a PNG is stored as it is";
    EXPECT_EQ(bytes.find(std::string(2000, 'n')), std::string::npos) << "text is deflated";
    EXPECT_FALSE(fs::exists(inputs.sources.scratchDir / kErrorReportSummary));

    store::Result<sites::ZipContents> contents =
        sites::ReadZipMembers(archive.Value(), {}, "ErrorReport.txt");
    ASSERT_TRUE(contents.HasValue());
    EXPECT_EQ(contents.Value().members.at(0).bytes,
              "Alpha\r\nForm not accepted\r\nA field is missing\r\nUpdate the script\r\n");
}

TEST_F(ErrorReportSenderTest, AnEmptyErrorsListStillSendsTheProductFiles)
{
    inputs.sources.errors = {};
    store::Result<fs::path> archive = WriteErrorReportArchive(inputs.sources);
    ASSERT_TRUE(archive.HasValue());
    EXPECT_EQ(MemberNames(archive.Value()),
              (std::vector<std::string>{"ErrorReport.txt", "notes.txt", "program.dat", "shot.PNG"}));
    EXPECT_EQ(ErrorReportSummaryText({}), "");
}

TEST_F(ErrorReportSenderTest, PostsTheReportAsAnEncodedFormToTheRelay)
{
    server.Route("/cgi-bin/mail.cgi", [](const RecordedRequest&) {
        return Reply{200, {}, "Message sent\r\nBye"};
    });
    const ErrorSenderOutcome outcome = Send();

    EXPECT_TRUE(outcome.sent) << outcome.detail;
    EXPECT_EQ(outcome.message, kErrorReportSent);
    EXPECT_EQ(outcome.firstLine, "Message sent");
    ASSERT_EQ(server.Requests().size(), 1u);
    const RecordedRequest request = server.Requests().at(0);
    EXPECT_EQ(request.Header("Referer"), "http://" + server.HostPort() + "/sendmail.htm");
    EXPECT_TRUE(request.body.starts_with("From=reports@vendor.example&To=info@acme.example&FromName="))
        << request.body.substr(0, 80);
    EXPECT_EQ(FormValue(request.body, "FromName"), "Jane Doe & Sons") << "an & in a name stays in its value";
    EXPECT_EQ(FormValue(request.body, "Subject"), "Error Report");
    const std::string message = FormValue(request.body, "Message");
    const std::string head = "User Name: Registered User\nProduct Name: Zipper\nDate: 09.03.2024\n\n";
    ASSERT_TRUE(message.starts_with(head)) << message.substr(0, 100);
    EXPECT_TRUE(message.substr(head.size()).starts_with("UEsDB")) << "the archive in Base64";
    EXPECT_FALSE(fs::exists(inputs.sources.scratchDir / kErrorReportArchive));
    EXPECT_EQ(view.labels.front(), kCreatingErrorReport);
    EXPECT_TRUE(view.labels.back().ends_with(" bytes sent.")) << view.labels.back();
    EXPECT_EQ(view.progress.back(), 100);
}

TEST_F(ErrorReportSenderTest, AnErrorPageOrAnEmptyAnswerIsNoSentReport)
{
    const struct
    {
        int status;
        const char* body;
    } cases[] = {{404, "<html>Not Found</html>"}, {500, "Internal Server Error"}, {200, ""}};

    for (const auto& answer : cases) {
        SCOPED_TRACE(answer.status);
        server.Route("/cgi-bin/mail.cgi", [&answer](const RecordedRequest&) {
            return Reply{answer.status, {}, answer.body};
        });
        const ErrorSenderOutcome outcome = Send();
        EXPECT_FALSE(outcome.sent);
        EXPECT_EQ(outcome.message, kErrorReportFailed);
        EXPECT_FALSE(fs::exists(inputs.sources.scratchDir / kErrorReportArchive));
    }
}

TEST_F(ErrorReportSenderTest, WithoutARelayNothingIsSent)
{
    inputs.config.mailRelayHost.clear();
    const ErrorSenderOutcome outcome = Send();
    EXPECT_FALSE(outcome.sent);
    EXPECT_EQ(outcome.detail, engine::kNoRelayMessage);
    EXPECT_TRUE(server.Requests().empty());
}

TEST(ErrorReportArchiveTest, StoresOnlyCompressedKinds)
{
    for (const char* name : {"a.gif", "b.PNG", "c.zip", "d.tgz", "e.jar", "f.GZIP", "g.z"}) {
        EXPECT_TRUE(IsStoredUncompressed(name)) << name;
    }
    for (const char* name : {"a.dat", "b.txt", "c.htm1", "zip", "d.zipx"}) {
        EXPECT_FALSE(IsStoredUncompressed(name)) << name;
    }
}

} // namespace
} // namespace listrider::companions
