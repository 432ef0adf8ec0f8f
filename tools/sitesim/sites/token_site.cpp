// A site whose preview page carries two forms; the second one's hidden token must come back.
#include <httplib.h>

#include "sim_server.h"
#include "sites/field_checks.h"
#include "sites/sites.h"

namespace sitesim {

void AddTokenSite(SimServer& server)
{
    server.Get("tokens", "/tokens/add.html", [&server](Exchange& exchange) {
        const std::string ticket = "K" + std::to_string(server.State().NextNumber());
        server.State().Remember("ticket:" + ticket, "issued");
        exchange.Page("<h2>Add your program</h2>\r\n"
                      "<form action=\"/tokens/preview.php\" method=\"post\">\r\n"
                      "<input type=\"hidden\" name=\"ticket\" value=\"" +
                      ticket +
                      "\">\r\n"
                      "<input type=\"text\" name=\"title\" value=\"\">\r\n"
                      "<textarea name=\"desc\"></textarea>\r\n"
                      "</form>");
    });
    server.Post("tokens", "/tokens/preview.php", [&server](Exchange& exchange) {
        FieldChecks checks(exchange.form);
        checks.Required("title").Required("version").Required("desc");
        if (!server.State().Recall("ticket:" + exchange.form.Value("ticket"))) {
            exchange.Page("<h2>Your session has expired</h2>");
            return;
        }
        if (!checks.Passed()) {
            exchange.Page("<h2>" + checks.Complaint() + "</h2>");
            return;
        }
        const std::string draft = "D" + std::to_string(server.State().NextNumber());
        const std::string token = "T" + std::to_string(server.State().NextNumber() * 31);
        server.State().Remember("draft:" + draft, token);
        exchange.Page("<h2>Please confirm your submission</h2>\r\n"
                      "<form action=\"/tokens/search.php\" method=\"get\">\r\n"
                      "<input type=\"text\" name=\"q\" value=\"\">\r\n"
                      "</form>\r\n"
                      "<p>" +
                      exchange.form.Value("title") + " " + exchange.form.Value("version") +
                      "</p>\r\n"
                      "<form action=\"/tokens/confirm.php\" method=\"post\">\r\n"
                      "<input type=\"hidden\" name=\"draft\" value=\"" +
                      draft +
                      "\">\r\n"
                      "<input type=\"hidden\" name=\"token\" value=\"" +
                      token +
                      "\">\r\n"
                      "<input type=\"submit\" name=\"confirm\" value=\"Confirm\">\r\n"
                      "</form>");
    });
    server.Post("tokens", "/tokens/confirm.php", [&server](Exchange& exchange) {
        const std::optional<std::string> token =
            server.State().Recall("draft:" + exchange.form.Value("draft"));
        if (!token || *token != exchange.form.Value("token")) {
            exchange.Page("<h2>Invalid or expired token</h2>");
            return;
        }
        exchange.Page("<h2>Your program has been added</h2>");
    });
}

} // namespace sitesim
