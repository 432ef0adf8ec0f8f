// The scored mapping lists and the keywords each is scored with.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/value_set.h"
#include "engine/mapping_list.h"

namespace listrider::engine {

/// The mapping lists chosen from by score.
enum class ScoredList
{
    OperatingSystem, ///< |OSSupportSelect|, .os
    Affiliate,       ///< |AffiliateSelect|, .aff
    InstallSupport,  ///< |InstallSupportSelect|, .ins
    ProgramType,     ///< |ProgramTypeSelect|, .typ
    Country,         ///< |CountrySelect|, .cou
    State,           ///< |StateSelect|, .sta
    Month,           ///< |MonthSelect|, .mon
    Beta,            ///< |BetaSelect|, .bet
    ReleaseStatus,   ///< |ReleaseStatusSelect|, .rel
    Language,        ///< |LanguageSelect|, .lng
};

/// Returns the package member extension of the list ("os", "aff" ...).
std::string_view ListExtension(ScoredList list);

/// Returns the scored list a selection macro name (without bars) names, or nothing.
std::optional<ScoredList> ScoredListOfMacro(std::string_view name);

/// Returns the keywords the list's keys are scored with, built from the product; the .os words
/// depend on the site's keys, the .bet word on the run's beta word.
std::vector<std::string> MappingKeywords(ScoredList list,
                                         const catalogue::ProductValues& product,
                                         std::span<const MappingPair> pairs,
                                         std::string_view betaWord);

} // namespace listrider::engine
