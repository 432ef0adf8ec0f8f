// Sites that fail in the ways real ones do: a refusal page, a server error, no answer in time.
#include <chrono>

#include <httplib.h>

#include "sim_server.h"
#include "sites/sites.h"

namespace sitesim {

void AddTroubleSites(SimServer& server)
{
    server.Post("broken", "/broken/submit.php", [](Exchange& exchange) {
        exchange.Page("<h2>Error 17: Category not selected</h2>\r\n<p>Your submission was not saved.</p>");
    });
    server.Get("crash", "/crash/add.php", [](Exchange& exchange) {
        exchange.response.status = 500;
        exchange.response.set_content("<html><body><h1>500 Internal Server Error</h1>\r\n<p>The server "
                                      "encountered an internal error.</p>"
                                      "</body></html>\r\n",
                                      "text/html");
    });
    server.Get("slow", "/slow/add.php", [&server](Exchange& exchange) {
        // Longer than any run waits; a stopping server answers at once.
        server.Wait(std::chrono::seconds(20));
        exchange.Page("<h2>Thank you</h2>");
    });
}

} // namespace sitesim
