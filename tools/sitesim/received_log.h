// What each simulated site received, kept for the query that tests and the demo make.
#pragma once

#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form_reader.h"

namespace sitesim {

/// One request as a site received it.
struct ReceivedRequest
{
    std::string site; ///< the site's path prefix without slashes ("plain"), or "vendor"
    std::string method;
    std::string path;
    std::vector<std::pair<std::string, std::string>> headers; ///< Cookie, Referer, Content-Type
    std::vector<FormField> fields;
};

/// Returns the text with "\\", tab, CR and LF written as \\, \t, \r and \n.
std::string EscapeField(std::string_view text);

/// The requests of every site, in the order they came.
class ReceivedLog
{
public:
    void Add(ReceivedRequest request);

    /// Returns the requests of one site.
    std::vector<ReceivedRequest> Of(std::string_view site) const;

    /// Returns the requests of one site as lines of tab-separated, escaped words:
    ///   request METHOD PATH
    ///   header NAME VALUE
    ///   field NAME VALUE
    ///   file NAME FILENAME CONTENT-TYPE CONTENT
    std::string Render(std::string_view site) const;

private:
    mutable std::mutex m_mutex;
    std::vector<ReceivedRequest> m_requests;
};

} // namespace sitesim
