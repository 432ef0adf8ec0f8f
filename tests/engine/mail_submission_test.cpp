#include <algorithm>

#include <gtest/gtest.h>

#include "engine/mail_submission.h"
#include "support/peer_process.h"
#include "support/recording_http_server.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

using testsupport::PeerProcess;

bool Has(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

MailMessage Message()
{
    return MailMessage{SenderName("Ann", "Author"),
                       "author@example.com",
                       "submit@site.example",
                       "New: Zip & Go",
                       {"Name=Zip & Go", "Size: 1 MB"}};
}

SmtpSettings Settings(int port, bool auth, std::string password = "secret")
{
    return SmtpSettings{"127.0.0.1", std::to_string(port), auth, "user", std::move(password), {}};
}

TEST(MailSubmissionTest, ComposesTheHeadersAndTheRelayForm)
{
    EXPECT_EQ(SenderName("Ann", ""), "Ann");
    MailMessage message = Message();
    EXPECT_EQ(FromHeader(message), "Ann Author <author@example.com>");
    message.senderName = SenderName("Ann", "");
    EXPECT_EQ(FromHeader(message), "Ann <author@example.com>");
    EXPECT_EQ(RelayMessageText({"A", "B"}), "\nA\nB\n");
    EXPECT_EQ(RelayForm(Message()),
              "From=submit@site.example&To=author@example.com&FromName=Ann+Author"
              "&Subject=New%3A+Zip+%26+Go&Message=%0AName%3DZip+%26+Go%0ASize%3A+1+MB%0A");
}

TEST(MailSubmissionTest, AuthenticatesWithTheBestOfferedMethod)
{
    for (const bool withoutPlain : {false, true}) {
        SCOPED_TRACE(withoutPlain ? "LOGIN and CRAM-MD5 offered" : "PLAIN offered too");
        PeerProcess peer(std::string(LISTRIDER_PEERS_DIR) + "/smtp_peer.py",
                         withoutPlain ? std::vector<std::string>{"--exclude", "PLAIN"}
                                      : std::vector<std::string>{});
        ASSERT_GT(peer.Port(), 0) << "the SMTP peer did not start";
        SmtpSession session;
        EXPECT_EQ(session.SMTPConnect(Settings(peer.Port(), true)), "0");
        EXPECT_EQ(session.AuthType(), withoutPlain ? net::SmtpAuth::Login : net::SmtpAuth::Plain);
        EXPECT_FALSE(session.Capabilities().empty());
        EXPECT_EQ(session.SMTPSend(Message()), "0");
        session.SMTPQuit();
        EXPECT_FALSE(session.Connected());
        const std::vector<std::string> seen = peer.Lines();
        EXPECT_TRUE(Has(seen, withoutPlain ? "AUTH LOGIN ok" : "AUTH PLAIN ok"));
        EXPECT_TRUE(Has(seen, "MAIL author@example.com"));
        EXPECT_TRUE(Has(seen, "RCPT submit@site.example"));
        EXPECT_TRUE(Has(seen, "DATA From: Ann Author <author@example.com>"));
        EXPECT_TRUE(Has(seen, "DATA Reply-To: Ann Author <author@example.com>"));
        EXPECT_TRUE(Has(seen, "DATA X-Mailer: The Bat! (v1.62d) Business"));
        EXPECT_TRUE(Has(seen, "DATA Subject: New: Zip & Go"));
        EXPECT_TRUE(Has(seen, "DATA Name=Zip & Go"));
    }
}

TEST(MailSubmissionTest, GreetsWithHeloWithoutAPasswordAndReportsARefusal)
{
    PeerProcess peer(std::string(LISTRIDER_PEERS_DIR) + "/smtp_peer.py", {});
    ASSERT_GT(peer.Port(), 0);
    SmtpSession session;
    EXPECT_EQ(session.SMTPConnect(Settings(peer.Port(), true, "")), "0");
    EXPECT_EQ(session.AuthType(), net::SmtpAuth::None);
    MailMessage message = Message();
    message.recipient = "reject@site.example";
    EXPECT_EQ(session.SMTPSend(message), "550");
    session.SMTPQuit();
    EXPECT_EQ(session.SMTPConnectNoAuth(Settings(peer.Port(), true)), "0");
    session.SMTPQuit();
    const std::vector<std::string> seen = peer.Lines();
    EXPECT_EQ(
        std::count_if(seen.begin(), seen.end(), [](const std::string& l) { return l.starts_with("HELO "); }),
        2);
    EXPECT_FALSE(
        std::any_of(seen.begin(), seen.end(), [](const std::string& l) { return l.starts_with("AUTH"); }));

    SmtpSession closed;
    EXPECT_EQ(closed.SMTPSend(Message()), "") << "no session: the result code stays empty";
    EXPECT_NE(closed.SMTPConnectNoAuth(SmtpSettings{"127.0.0.1", "1", false, "", "", {}}), "0");
}

TEST(MailSubmissionTest, TheRelayGetsTheFormAndOnly200IsSuccess)
{
    testsupport::TempDir dir;
    testsupport::RecordingHttpServer relay;
    int status = 200;
    relay.Route("/cgi-bin/mail.cgi", [&status](const testsupport::RecordedRequest&) {
        testsupport::Reply reply;
        reply.status = status;
        reply.body = "Thank you";
        if (status == 302) {
            reply.headers = {{"Location", "/thanks.htm"}};
        }
        return reply;
    });
    relay.Route("/thanks.htm", [](const testsupport::RecordedRequest&) { return testsupport::Reply{}; });
    const RelayAnswer sent =
        SendThroughRelay(Message(), relay.HostPort(), {}, dir / "Site.htm2", nullptr, nullptr);
    EXPECT_TRUE(sent.sent);
    EXPECT_EQ(testsupport::ReadBytes(dir / "Site.htm2"), "Thank you");
    ASSERT_EQ(relay.Requests().size(), 1u);
    const testsupport::RecordedRequest request = relay.Requests()[0];
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.body, RelayForm(Message()));
    EXPECT_EQ(request.Header("Referer"), relay.Url("/sendmail.htm"));
    EXPECT_EQ(request.Header("Content-Type"), "application/x-www-form-urlencoded");

    for (const int failing : {302, 500}) {
        SCOPED_TRACE(failing);
        status = failing;
        const RelayAnswer answer =
            SendThroughRelay(Message(), relay.Url(), {}, dir / "Site.htm3", nullptr, nullptr);
        EXPECT_FALSE(answer.sent);
        EXPECT_EQ(answer.status, failing);
    }
    EXPECT_EQ(relay.Requests().size(), 3u) << "a redirect of the relay is not followed";
    const RelayAnswer none = SendThroughRelay(Message(), "", {}, dir / "Site.htm4", nullptr, nullptr);
    EXPECT_FALSE(none.sent);
    EXPECT_EQ(none.errorText, kNoRelayMessage);
}

} // namespace
} // namespace listrider::engine
