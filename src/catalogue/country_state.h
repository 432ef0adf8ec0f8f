// The country and state normalisation of the company record.
#pragma once

#include <filesystem>

#include "catalogue/company_info.h"

namespace listrider::catalogue {

/// Writes England and "gb" as "United Kingdom", the United States and "usa"/"us" as "USA"; a US
/// state is then replaced by its full name from the state list file (kept when it has none).
void NormaliseCountryAndState(CompanyInfo& company, const std::filesystem::path& statesFile);

} // namespace listrider::catalogue
