// Taking over a page's forms: their input fields, action and method (FINDFORM).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace listrider::engine {

/// The fields of the forms read so far and the last opened form's action and method.
struct FormFields
{
    std::vector<std::string> names;
    std::vector<std::string> values;
    std::string action;
    std::string method;
};

/// Returns the fields of forms 1 .. n of the page, in order, with the action and method of form
/// n (of the last form when the page has fewer). A tag that holds "ACTION" and "FORM" opens a
/// form, a tag that is exactly "/FORM" closes the open one (ASCII case ignored).
FormFields FindForm(std::string_view page, long long formNumber);

/// Appends one field per input tag of the form's text (a tag holding "INPUT" and either no
/// "SRC=" or "HIDDEN"): its NAME and VALUE attributes, empty when missing.
void ExtractValues(std::string_view formText,
                   std::vector<std::string>& names,
                   std::vector<std::string>& values);

/// Returns an attribute of a tag's text by key ("NAME=" ...): what follows each place of the key
/// up to the next space, joined, without quote characters, less the key's length at the front.
/// The key is looked for again only after the text taken for the previous place.
std::string ExtractValueFromTag(std::string_view tag, std::string_view key);

} // namespace listrider::engine
