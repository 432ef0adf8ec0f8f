// Sites with a search page: one lists the product in an older version, one in the same version.
#include <algorithm>

#include <httplib.h>

#include "sim_server.h"
#include "sites/field_checks.h"
#include "sites/sites.h"

namespace sitesim {
namespace {

struct Listing
{
    std::string id;
    std::string name;
    std::string version;
    std::string company;
};

bool SameNoCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// What the sites already list: the demo product among others.
const std::vector<Listing> kWatchListings = {
    {"4702", "ZipWizard", "9.1", "Other Soft"},
    {"4711", "FolderPilot", "3.1", "Larkspur Software"},
};
const std::vector<Listing> kHubListings = {
    {"88", "FolderPilot", "3.2", "Larkspur Software"},
    {"91", "FolderPilot Pro", "5.0", "Larkspur Software"},
};

const Listing* Find(const std::vector<Listing>& listings, const std::string& query)
{
    for (const Listing& listing : listings) {
        if (SameNoCase(listing.name, query)) {
            return &listing;
        }
    }
    return nullptr;
}

void AddWatch(SimServer& server)
{
    server.Get("watch", "/watch/search.php", [](Exchange& exchange) {
        // Every program lists, and the one asked for is among them when the site has it.
        std::string page = "<h2>Search results</h2>\r\n";
        const Listing* hit = Find(kWatchListings, exchange.form.Value("q"));
        if (hit == nullptr) {
            page += "<p>No programs found</p>";
        } else {
            for (const Listing& listing : kWatchListings) {
                page += "<div class=\"hit\"><b>" + listing.name + "</b> Version: " + listing.version +
                        " <i>" + listing.company +
                        "</i>\r\n<input type=\"hidden\" name=\"listing\" value=\"" + listing.id +
                        "\"></div>\r\n";
            }
        }
        exchange.Page(page);
    });
    server.Get("watch", "/watch/listing.php", [](Exchange& exchange) {
        const std::string id = exchange.form.Value("id");
        const bool known = std::any_of(
            kWatchListings.begin(), kWatchListings.end(), [&](const Listing& l) { return l.id == id; });
        exchange.Page(known ? "<h2>Listing " + id + "</h2>" : "<h2>No such listing</h2>");
    });
    server.Post("watch", "/watch/update.php", [](Exchange& exchange) {
        FieldChecks checks(exchange.form);
        checks.OneOf("listing", {"4711"}).Matches("version", R"(\d+(\.\d+)*)").Required("changes");
        if (checks.Passed() && exchange.form.Value("version") == "3.1") {
            exchange.Page("<h2>This version is already listed</h2>");
            return;
        }
        exchange.Page(checks.Passed() ? "<h2>Listing updated</h2>" : "<h2>" + checks.Complaint() + "</h2>");
    });
    server.Post("watch", "/watch/add.php", [](Exchange& exchange) {
        FieldChecks checks(exchange.form);
        checks.Required("name").Required("version");
        exchange.Page(checks.Passed() ? "<h2>Program added</h2>" : "<h2>" + checks.Complaint() + "</h2>");
    });
}

void AddHub(SimServer& server)
{
    server.Get("hub", "/hub/find.php", [](Exchange& exchange) {
        std::string page = "<h2>Results</h2>\r\n<ul>\r\n";
        for (const Listing& listing : kHubListings) {
            if (SameNoCase(listing.name.substr(0, exchange.form.Value("name").size()),
                           exchange.form.Value("name"))) {
                page += "<li>" + listing.name + " - Version " + listing.version + " - " + listing.company +
                        "</li>\r\n";
            }
        }
        exchange.Page(page + "</ul>");
    });
    server.Post("hub", "/hub/add.php", [](Exchange& exchange) {
        // The product is listed in this version already: a second submission is refused.
        exchange.Page("<h2>Duplicate submission</h2>");
    });
}

} // namespace

void AddSearchSites(SimServer& server)
{
    AddWatch(server);
    AddHub(server);
}

} // namespace sitesim
