// The families of the macro vocabulary whose values are prepared ahead of expansion. Each adds
// its names (without bars) to the run's table; the names that change while a site runs
// (categories, accounts, custom values, mapped values) are resolved live by ResolveMacro.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/value_set.h"
#include "engine/run_values.h"
#include "store/code_page.h"
#include "store/date_time.h"

namespace listrider::engine {

/// Program, release, file and date values, and the names that are always empty.
void AddProgramMacros(MacroTable& table,
                      const catalogue::ProductValues& product,
                      const store::CivilDate& today);

/// Price and expiry values. |Price|, |FullPrice|, |PriceFull| and |RoundedPrice| are entered
/// here too; the resolver empties them for "WinSite" sites.
void AddPriceMacros(MacroTable& table, const catalogue::ProductValues& product);

/// Company and contact values.
void AddCompanyMacros(MacroTable& table, const catalogue::ProductValues& product);

/// Web addresses, local files, reseller identifiers, registration codes and PAD categories.
void AddWebMacros(MacroTable& table, const catalogue::ProductValues& product);

/// The check flags: "on" when the product has the property, else the empty text.
void AddCheckFlagMacros(MacroTable& table, const catalogue::ProductValues& product);

/// The descriptions and keywords of one language, cut and converted to the code page.
void AddDescriptionMacros(MacroTable& table,
                          const catalogue::Desc& desc,
                          const catalogue::ProductValues& product,
                          const store::CodePage& codePage);

/// Returns the first `count` characters of the text.
std::string Head(std::string_view text, std::size_t count);

/// Returns a two-character number without its leading zero ("07" gives "7"); other texts as they are.
std::string WithoutLeadingZero(std::string_view text);

/// Returns the number as two digits.
std::string TwoDigits(int value);

/// Returns the address without its scheme for the |Cut...| macros: an address that does not
/// start with "HTT" or "FTP" (ASCII case ignored) gives the empty text.
std::string CutUrl(std::string_view url);

} // namespace listrider::engine
