#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

#include "net/smtp_client.h"
#include "support/peer_process.h"
#include "support/temp_dir.h"

namespace listrider::net {
namespace {

using testsupport::PeerProcess;

std::string PeerScript()
{
    return std::string(LISTRIDER_PEERS_DIR) + "/smtp_peer.py";
}

bool Has(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

void Prepare(SmtpClient& client, int port)
{
    client.host = "127.0.0.1";
    client.port = std::to_string(port);
    client.localAddr = "127.0.0.1";
    client.signOn = "tester";
    client.username = "user";
    client.password = "secret";
    client.fromName = "author@example.com";
    client.hdrFrom = "Ann Author <author@example.com>";
    client.hdrTo = "submit@site.example";
    client.hdrSubject = "New program";
    client.xMailer = "The Bat! (v1.62d) Business";
    client.rcptName = {"submit@site.example"};
    client.messageLines = {"Program: My App", ".dot line"};
    // Choose the method from the server's list, as the e-mail submission does.
    client.onResponse = [&client](const std::string& line) {
        client.authType = ChooseAuthType(line, client.authType);
    };
}

TEST(SmtpClientTest, AuthChoiceFollowsTheServersList)
{
    const struct
    {
        const char* line;
        SmtpAuth expected;
    } cases[] = {
        {"250-AUTH LOGIN CRAM-MD5 PLAIN", SmtpAuth::Plain},
        {"250 AUTH LOGIN CRAM-MD5", SmtpAuth::Login},
        {"250-AUTH cram-md5", SmtpAuth::CramMd5},
        {"250-AUTH=LOGIN PLAIN", SmtpAuth::None},
        {"250-SIZE 1000", SmtpAuth::None},
        {"250 AUTH GSSAPI", SmtpAuth::None},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(ChooseAuthType(c.line, SmtpAuth::None), c.expected);
    }
}

TEST(SmtpClientTest, AuthenticatesWithPlainOrLoginAndSendsTheMessage)
{
    for (const bool withoutPlain : {false, true}) {
        SCOPED_TRACE(withoutPlain ? "server offers LOGIN only" : "server offers LOGIN and PLAIN");
        PeerProcess peer(PeerScript(),
                         withoutPlain ? std::vector<std::string>{"--exclude", "PLAIN"}
                                      : std::vector<std::string>{});
        ASSERT_GT(peer.Port(), 0) << "the SMTP peer did not start";
        SmtpClient client;
        Prepare(client, peer.Port());
        client.authType = SmtpAuth::CramMd5; // a method is wanted; the server's list decides which
        ASSERT_EQ(client.Open(), 0);
        EXPECT_EQ(client.authType, withoutPlain ? SmtpAuth::Login : SmtpAuth::Plain);
        ASSERT_EQ(client.SendMail(), 0);
        EXPECT_EQ(client.Quit(), 0);
        const auto sent = client.Transcript();
        EXPECT_TRUE(Has(sent, "> EHLO tester"));
        EXPECT_TRUE(Has(sent, withoutPlain ? "> AUTH LOGIN" : "> AUTH PLAIN ********"));
        const auto seen = peer.Lines();
        EXPECT_TRUE(Has(seen, withoutPlain ? "AUTH LOGIN ok" : "AUTH PLAIN ok"));
        EXPECT_TRUE(Has(seen, "MAIL author@example.com"));
        EXPECT_TRUE(Has(seen, "DATA From: Ann Author <author@example.com>"));
        EXPECT_TRUE(Has(seen, "DATA Mime-Version: 1.0"));
        EXPECT_TRUE(Has(seen, "DATA Content-Type: text/plain; charset=\"iso-8859-1\""));
        EXPECT_TRUE(Has(seen, "DATA X-Mailer: The Bat! (v1.62d) Business"));
        EXPECT_TRUE(Has(seen, "DATA .dot line"));
    }
}

TEST(SmtpClientTest, NoAuthenticationGreetsWithHeloAndReportsARefusedRecipient)
{
    PeerProcess peer(PeerScript(), {});
    ASSERT_GT(peer.Port(), 0) << "the SMTP peer did not start";
    SmtpClient client;
    Prepare(client, peer.Port());
    client.onResponse = nullptr;
    std::vector<std::pair<SmtpRequest, std::uint16_t>> done;
    client.onRequestDone = [&](SmtpRequest request, std::uint16_t error) {
        done.emplace_back(request, error);
    };
    ASSERT_EQ(client.Open(), 0);
    client.rcptName = {"reject@site.example"};
    EXPECT_EQ(client.SendMail(), 550);
    EXPECT_EQ(client.LastError(), 550);
    EXPECT_EQ(client.Quit(), 0);
    EXPECT_TRUE(Has(client.Transcript(), "> HELO tester"));
    const auto seen = peer.Lines();
    EXPECT_TRUE(Has(seen, "HELO tester"));
    EXPECT_FALSE(
        std::any_of(seen.begin(), seen.end(), [](const std::string& l) { return l.starts_with("EHLO"); }));
    EXPECT_FALSE(
        std::any_of(seen.begin(), seen.end(), [](const std::string& l) { return l.starts_with("AUTH"); }));
    ASSERT_FALSE(done.empty());
    EXPECT_EQ(done.back().first, SmtpRequest::Quit);
}

TEST(SmtpClientTest, UpgradesToTlsWhenTheServerOffersStartTls)
{
    testsupport::TempDir dir;
    const std::string cert = (dir / "cert.pem").string();
    const std::string key = (dir / "key.pem").string();
    const std::string command = "openssl req -x509 -newkey rsa:2048 -nodes -subj /CN=127.0.0.1 -addext "
                                "subjectAltName=IP:127.0.0.1 -days 1 -keyout " +
                                key + " -out " + cert + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << "openssl could not make a test certificate";
    PeerProcess peer(PeerScript(), {"--tls", cert, key});
    ASSERT_GT(peer.Port(), 0) << "the SMTP peer did not start";
    SmtpClient client;
    Prepare(client, peer.Port());
    client.caFile = cert;
    client.authType = SmtpAuth::Plain;
    ASSERT_EQ(client.Open(), 0);
    ASSERT_EQ(client.SendMail(), 0);
    EXPECT_EQ(client.Quit(), 0);
    EXPECT_TRUE(Has(client.Transcript(), "> STARTTLS"));
    EXPECT_EQ(std::count(client.Transcript().begin(), client.Transcript().end(), "> EHLO tester"), 2);

    // Without trusting the certificate the handshake fails.
    SmtpClient untrusting;
    Prepare(untrusting, peer.Port());
    untrusting.authType = SmtpAuth::Plain;
    EXPECT_NE(untrusting.Open(), 0);
}

TEST(SmtpClientTest, RefusedConnectionGivesASocketErrorCode)
{
    SmtpClient client;
    client.host = "127.0.0.1";
    client.port = "1";
    EXPECT_EQ(client.Open(), kSmtpRefused);
    EXPECT_FALSE(client.Connected());
    EXPECT_EQ(client.SendMail(), kSmtpNotConnected);
}

} // namespace
} // namespace listrider::net
