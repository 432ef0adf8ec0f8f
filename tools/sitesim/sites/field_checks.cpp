#include "sites/field_checks.h"

#include <algorithm>
#include <regex>

namespace sitesim {

void FieldChecks::Problem(std::string_view name)
{
    if (std::find(m_problems.begin(), m_problems.end(), name) == m_problems.end()) {
        m_problems.emplace_back(name);
    }
}

FieldChecks& FieldChecks::Required(std::string_view name)
{
    if (m_form.Value(name).empty()) {
        Problem(name);
    }
    return *this;
}

FieldChecks& FieldChecks::Matches(std::string_view name, const std::string& pattern)
{
    if (!std::regex_match(m_form.Value(name), std::regex(pattern))) {
        Problem(name);
    }
    return *this;
}

FieldChecks& FieldChecks::OneOf(std::string_view name, const std::vector<std::string>& options)
{
    if (std::find(options.begin(), options.end(), m_form.Value(name)) == options.end()) {
        Problem(name);
    }
    return *this;
}

FieldChecks& FieldChecks::Contains(std::string_view name, std::string_view text)
{
    if (m_form.Value(name).find(text) == std::string::npos) {
        Problem(name);
    }
    return *this;
}

FieldChecks& FieldChecks::AtMost(std::string_view name, std::size_t limit)
{
    if (m_form.Value(name).size() > limit) {
        Problem(name);
    }
    return *this;
}

std::string FieldChecks::Complaint() const
{
    std::string text = "Missing or invalid field:";
    for (std::size_t i = 0; i < m_problems.size(); ++i) {
        text += (i == 0 ? " " : ", ") + m_problems[i];
    }
    return text;
}

} // namespace sitesim
