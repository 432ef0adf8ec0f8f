// The fields of a request as a site's form handler sees them: query, URL-encoded body or
// multipart parts.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace httplib {
struct Request;
}

namespace sitesim {

/// One field of a submitted form.
struct FormField
{
    std::string name;
    std::string value;                   ///< the decoded value; a file part's content
    std::optional<std::string> filename; ///< set for a file part
    std::string contentType;             ///< a file part's declared type
};

/// The fields of one request, in the order they came.
struct Form
{
    std::vector<FormField> fields;

    /// Returns the value of the first field of that name, or nothing.
    std::optional<std::string> Get(std::string_view name) const;

    /// Returns the value of the first field of that name, or "".
    std::string Value(std::string_view name) const { return Get(name).value_or(""); }

    /// Returns the first file part of that name.
    const FormField* File(std::string_view name) const;
};

/// Returns the text with "+" as a space and every %XX turned into its byte.
std::string FormDecode(std::string_view text);

/// Returns the pairs of a URL-encoded text ("a=1&b=2"), decoded.
std::vector<FormField> ParseUrlEncoded(std::string_view text);

/// Returns the fields of the request: its query, then its body when the body is URL-encoded,
/// or its parts when the request was multipart (as the server library parsed them).
Form ReadForm(const httplib::Request& request);

/// Returns the value of a cookie sent with the request, or "".
std::string CookieValue(const httplib::Request& request, std::string_view name);

} // namespace sitesim
