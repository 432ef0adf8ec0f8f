// A product value set and a small site table for the tests of the site script language.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/value_set.h"
#include "engine/run_values.h"
#include "sites/site_index.h"

namespace listrider::engine::testing {

/// The site-data key the fixtures encode with.
const store::SiteKey& TestKey();

/// Returns the value set GetValues gives for a shareware program with English and German
/// descriptions, a price typed with a comma, a 30-day trial and RegNow and ShareIt IDs.
catalogue::ProductValues SampleValues();

/// Stores a package member (encoded when the package stores it encoded) in the record.
void SetMember(sites::SitesR& site, std::string_view extension, const std::vector<std::string>& lines);

/// A site table and the run values of one run over it.
class ScriptRun
{
public:
    ScriptRun();

    /// Adds a site and returns its position.
    int AddSite(const std::string& name, const std::string& category = "-");

    sites::SitesR& Site(int position) { return m_table.sites[static_cast<std::size_t>(position)]; }

    /// Prepares the run for the product (the table must hold every site by then).
    void Prepare(catalogue::ProductValues product = SampleValues());

    /// Starts the site and prepares its first step.
    void StartAt(int position, const catalogue::AccountsList& accounts = {});

    /// Returns the text with its macros expanded.
    std::string Expand(std::string_view text);

    RunValues& Values() { return m_values; }

    sites::SiteTable& Table() { return m_table; }

private:
    sites::SiteTable m_table;
    RunValues m_values;
};

} // namespace listrider::engine::testing
