// The simulated sites, one group of flows per file.
#pragma once

namespace sitesim {

class SimServer;

/// "plain": a GET submission; "post": a URL-encoded POST; "mixer": fields of every macro
/// family; "lingua": a German site that wants the German description.
void AddFormSites(SimServer& server);

/// "portal": a log-in that sets a session cookie on a 302 and a submission that needs it;
/// "signup": an account created pending an e-mail confirmation, used on the next run.
void AddAccountSites(SimServer& server);

/// "tokens": a preview page with two forms whose second carries a hidden token to send back.
void AddTokenSite(SimServer& server);

/// "upload": a multipart upload of the PAD file and the program file.
void AddUploadSite(SimServer& server);

/// "watch": lists the product in an older version; "hub": lists it in the same version.
void AddSearchSites(SimServer& server);

/// "broken": a failure page; "crash": an HTTP 500 page; "slow": answers after the run gave up.
void AddTroubleSites(SimServer& server);

/// The vendor's connection-test file and mail relay, the author's product pages, and the
/// queries of what the sites received and mailed (/_sim/received, /_sim/mail).
void AddVendorPages(SimServer& server);

} // namespace sitesim
