// The vendor's servers, the author's own pages, and the queries of what the sites received.
#include <httplib.h>

#include "sim_server.h"
#include "sites/field_checks.h"
#include "sites/sites.h"

namespace sitesim {

void AddVendorPages(SimServer& server)
{
    server.Get("vendor", "/test.txt", [](Exchange& exchange) {
        exchange.response.set_content("Listrider connection test\r\n", "text/plain");
    });
    server.Get("vendor", "/sendmail.htm", [](Exchange& exchange) {
        exchange.Page("<form action=\"/cgi-bin/mail.cgi\" method=\"post\"><input name=\"From\"><input "
                      "name=\"To\"><input name=\"Subject\"><textarea name=\"Message\"></textarea></form>");
    });
    // The relay sends the message to "From" (the site), signed by "To" (the author).
    server.Post("relay", "/cgi-bin/mail.cgi", [](Exchange& exchange) {
        FieldChecks checks(exchange.form);
        checks.Contains("From", "@")
            .Contains("To", "@")
            .Required("FromName")
            .Required("Subject")
            .Required("Message");
        if (exchange.request.get_header_value("Referer").find("/sendmail.htm") == std::string::npos) {
            exchange.response.status = 403;
            exchange.response.set_content("<html><body>Forbidden</body></html>", "text/html");
            return;
        }
        if (!checks.Passed()) {
            exchange.response.status = 400;
            exchange.response.set_content("<html><body>" + checks.Complaint() + "</body></html>",
                                          "text/html");
            return;
        }
        exchange.Page("<h2>Your message to " + exchange.form.Value("From") + " has been sent.</h2>");
    });
    // The author's web pages that the product's links name.
    for (const char* page : {"/larkspur/",
                             "/larkspur/folderpilot.html",
                             "/larkspur/folderpilot.png",
                             "/larkspur/folderpilot-small.png",
                             "/larkspur/folderpilot.gif",
                             "/larkspur/folderpilot.xml",
                             "/larkspur/folderpilot32.zip",
                             "/larkspur/order.html",
                             "/larkspur/links.html"}) {
        server.Get("larkspur", page, [](Exchange& exchange) { exchange.Page("<h2>Larkspur Software</h2>"); });
    }
    server.Get("_sim", "/_sim/received", [&server](Exchange& exchange) {
        exchange.response.set_content(server.Log().Render(exchange.form.Value("site")), "text/plain");
    });
    server.Get("_sim", "/_sim/mail", [&server](Exchange& exchange) {
        std::string text;
        for (const SentMail& mail : server.State().MailOf(exchange.form.Value("site"))) {
            text += EscapeField(mail.login) + "\t" + EscapeField(mail.password) + "\n";
        }
        exchange.response.set_content(text, "text/plain");
    });
}

} // namespace sitesim
