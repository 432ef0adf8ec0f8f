// Sites that take the whole submission in one request, in the query or in a URL-encoded body.
#include <sstream>

#include <httplib.h>

#include "sim_server.h"
#include "sites/field_checks.h"
#include "sites/sites.h"

namespace sitesim {
namespace {

std::size_t WordCount(const std::string& text)
{
    std::istringstream words(text);
    std::size_t count = 0;
    for (std::string word; words >> word;) {
        ++count;
    }
    return count;
}

void Answer(Exchange& exchange, const FieldChecks& checks, const std::string& thanks)
{
    exchange.Page(checks.Passed() ? thanks : "<h2>" + checks.Complaint() + "</h2>");
}

} // namespace

void AddFormSites(SimServer& server)
{
    server.Get("plain", "/plain/add.php", [](Exchange& exchange) {
        FieldChecks checks(exchange.form);
        checks.Required("title")
            .Matches("version", R"(\d+(\.\d+)*)")
            .OneOf("type", {"free", "share", "demo"})
            .Matches("download", "http://.+")
            .Required("desc")
            .AtMost("desc", 80);
        Answer(exchange, checks, "<h2>Thank you for adding " + exchange.form.Value("title") + "</h2>");
    });

    server.Post("post", "/post/submit.cgi", [](Exchange& exchange) {
        FieldChecks checks(exchange.form);
        checks.Required("program")
            .Required("version")
            .OneOf("os", {"win9x", "winnt", "linux", "mac"})
            .OneOf("size", {"small", "medium", "large"})
            .Matches("trial", R"(none|short|\d+ days)")
            .Matches("category", R"(\d+)")
            .Contains("email", "@");
        if (exchange.request.get_header_value("Content-Type").rfind("application/x-www-form-urlencoded", 0) !=
            0) {
            exchange.Page("<h2>Please use the form</h2>");
            return;
        }
        Answer(exchange, checks, "<h2>Submission received</h2><p>Our editors will review it.</p>");
    });

    server.Get("mixer", "/mixer/submit.php", [](Exchange& exchange) {
        FieldChecks checks(exchange.form);
        checks.Required("company")
            .Matches("contact", R"(\S+ \S+)")
            .Contains("email", "@")
            .Matches("price", R"(\d+\.\d\d)")
            .Matches("rounded", R"(\d+)")
            .Matches("release", R"(\d\d/\d\d/\d{4})")
            .Required("short")
            .AtMost("short", 20)
            .Matches("keys", "[^,]+")
            .Required("file")
            .Matches("dl", "(?!https?:)[^/]+/.+")
            .OneOf("type", {"SW", "FW", "DM"})
            .OneOf("install", {"both", "install", "none"})
            .Matches("category", "util-[a-z]+");
        if (WordCount(exchange.form.Value("keys")) > 13) {
            exchange.Page("<h2>Too many keywords</h2>");
            return;
        }
        Answer(exchange, checks, "<h2>Accepted</h2>");
    });

    server.Get("lingua", "/lingua/eintragen.php", [](Exchange& exchange) {
        FieldChecks checks(exchange.form);
        checks.Required("name")
            .Contains("beschreibung", "Ordner")
            .Required("stichworte")
            .OneOf("sprache", {"multi", "de", "en"});
        Answer(exchange, checks, "<h2>Vielen Dank! Ihr Programm wurde eingetragen.</h2>");
    });
}

} // namespace sitesim
