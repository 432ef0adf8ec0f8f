// Sites that want an author account: one where the author has one, one where it is created.
#include <httplib.h>

#include "sim_server.h"
#include "sites/field_checks.h"
#include "sites/sites.h"

namespace sitesim {
namespace {

constexpr const char* kPortalCookie = "PORTALSID";
constexpr const char* kSignupCookie = "AMSESSION";

// The account the author already has at the portal: the demo's default login and password.
constexpr const char* kPortalLogin = "larkspur";
constexpr const char* kPortalPassword = "lark-2024";

std::optional<std::string>
LoggedIn(SimServer& server, const std::string& site, Exchange& exchange, const char* cookie)
{
    return server.State().SessionLogin(site, CookieValue(exchange.request, cookie));
}

void AddPortal(SimServer& server)
{
    server.State().AddAccount("portal", kPortalLogin, kPortalPassword);
    server.Post("portal", "/portal/login.php", [&server](Exchange& exchange) {
        const std::string user = exchange.form.Value("user");
        if (!server.State().CheckAccount("portal", user, exchange.form.Value("pass"))) {
            exchange.Page("<h2>Invalid login or password</h2>");
            return;
        }
        const std::string session = server.State().OpenSession("portal", user);
        exchange.response.status = 302;
        exchange.response.set_header("Set-Cookie",
                                     std::string(kPortalCookie) + "=" + session + "; path=/; HttpOnly");
        exchange.response.set_header("Location", "/portal/welcome.php");
        exchange.response.set_content("<html><body>Moved</body></html>", "text/html");
    });
    server.Get("portal", "/portal/welcome.php", [&server](Exchange& exchange) {
        const std::optional<std::string> login = LoggedIn(server, "portal", exchange, kPortalCookie);
        exchange.Page(login ? "<h2>Welcome back, " + *login + "</h2>" : "<h2>Please log in</h2>");
    });
    server.Get("portal", "/portal/form.php", [](Exchange& exchange) {
        exchange.Page("<form action=\"/portal/submit.php\" method=\"post\"><input name=\"name\"></form>");
    });
    server.Post("portal", "/portal/submit.php", [&server](Exchange& exchange) {
        if (!LoggedIn(server, "portal", exchange, kPortalCookie)) {
            exchange.Page("<h2>Please log in first</h2>");
            return;
        }
        const std::string referer = exchange.request.get_header_value("Referer");
        if (referer.size() < 16 || referer.compare(referer.size() - 16, 16, "/portal/form.php") != 0) {
            exchange.Page("<h2>Please use the submission form</h2>");
            return;
        }
        FieldChecks checks(exchange.form);
        checks.Required("name").Required("version").Contains("email", "@").Matches("price", R"(\d+\.\d\d)");
        exchange.Page(checks.Passed() ? "<h2>Program information saved</h2>"
                                      : "<h2>" + checks.Complaint() + "</h2>");
    });
}

void AddSignup(SimServer& server)
{
    server.Post("signup", "/signup/login.php", [&server](Exchange& exchange) {
        const std::string email = exchange.form.Value("email");
        if (!server.State().CheckAccount("signup", email, exchange.form.Value("password"))) {
            exchange.Page("<h2>Unknown account or wrong password</h2>");
            return;
        }
        const std::string session = server.State().OpenSession("signup", email);
        exchange.response.set_header("Set-Cookie",
                                     std::string(kSignupCookie) + "=" + session + "; path=/signup");
        exchange.Page("<h2>Author area</h2><p>Logged in as " + email + "</p>");
    });
    server.Post("signup", "/signup/register.php", [&server](Exchange& exchange) {
        FieldChecks checks(exchange.form);
        checks.Contains("email", "@").Required("company").Required("first");
        if (!checks.Passed()) {
            exchange.Page("<h2>" + checks.Complaint() + "</h2>");
            return;
        }
        const std::string email = exchange.form.Value("email");
        if (server.State().HasAccount("signup", email)) {
            exchange.Page("<h2>An account with this e-mail already exists</h2>");
            return;
        }
        // The account waits for its owner: the password goes out by e-mail only.
        const std::string password = "am" + std::to_string(server.State().NextNumber());
        server.State().AddAccount("signup", email, password);
        server.State().SendMail(SentMail{"signup", email, password});
        exchange.Page(
            "<h2>Thank you for registering</h2><p>Please confirm your e-mail: your password was sent to " +
            email + ".</p>");
    });
    server.Post("signup", "/signup/submit.php", [&server](Exchange& exchange) {
        if (!LoggedIn(server, "signup", exchange, kSignupCookie)) {
            exchange.Page("<h2>Please log in first</h2>");
            return;
        }
        FieldChecks checks(exchange.form);
        checks.Required("name").Required("version").Matches("url", "http://.+");
        exchange.Page(checks.Passed() ? "<h2>Program added</h2>" : "<h2>" + checks.Complaint() + "</h2>");
    });
}

} // namespace

void AddAccountSites(SimServer& server)
{
    AddPortal(server);
    AddSignup(server);
}

} // namespace sitesim
