// The check after sitedb build: the database loads as start-up loads it and reads back as written.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "sites/site_source.h"
#include "store/site_text.h"

namespace listrider::cli {

/// What loading the built database back showed.
struct VerifyReport
{
    std::size_t loadedSites = 0;       ///< sites in the table after the integrity check
    std::size_t steps = 0;             ///< step members that decode to their source text
    std::vector<std::string> warnings; ///< steps the step loader rejects, unpack notes
    std::vector<std::string> errors;   ///< sites missing from the table, texts that read back differently
};

/// Returns the result of loading the workspace's database (index, integrity check, each site's
/// package) and comparing every member with its source text, and of loading every step.
VerifyReport VerifySiteDatabase(const sites::SiteDatabaseSource& source,
                                const std::filesystem::path& workspace,
                                const store::SiteKey& key);

} // namespace listrider::cli
