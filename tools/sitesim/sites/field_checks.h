// The checks a site's form handler makes before it takes a submission.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form_reader.h"

namespace sitesim {

/// Collects what is wrong with a submitted form, in the site's own words.
class FieldChecks
{
public:
    explicit FieldChecks(const Form& form)
        : m_form(form)
    {}

    /// The field must be there and not empty.
    FieldChecks& Required(std::string_view name);

    /// The field must match the regular expression as a whole.
    FieldChecks& Matches(std::string_view name, const std::string& pattern);

    /// The field must be one of the site's own option values.
    FieldChecks& OneOf(std::string_view name, const std::vector<std::string>& options);

    /// The field must hold the text.
    FieldChecks& Contains(std::string_view name, std::string_view text);

    /// The field must not be longer than `limit` bytes.
    FieldChecks& AtMost(std::string_view name, std::size_t limit);

    bool Passed() const { return m_problems.empty(); }

    /// Returns the site's error page text: "Missing or invalid field: a, b".
    std::string Complaint() const;

private:
    void Problem(std::string_view name);

    const Form& m_form;
    std::vector<std::string> m_problems;
};

} // namespace sitesim
