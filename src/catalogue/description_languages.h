// Adding and removing description languages and supported languages.
#pragma once

#include <string_view>

#include "catalogue/descriptions.h"
#include "catalogue/language_list.h"
#include "catalogue/product_editor.h"
#include "store/prompter.h"
#include "store/result.h"

namespace listrider::catalogue {

/// Creates the description tab of a language (CreateTab); refuses English and a language that
/// has a tab (ASCII case ignored) with "<name> description is already created.".
store::Result<void> AddDescriptionLanguage(DescriptionSet& descriptions, std::string_view name);

/// Removes the description tab `index` (1-based, English is 0) after asking; the texts of later
/// tabs move down one place. Returns false when the user declines.
store::Result<bool> DeleteDescriptionLanguage(ProductEditor& editor, int index, store::Prompter& prompter);

/// Appends a language to the supported languages (not ticked); refuses English and a listed
/// language with "<name> language already is in the list.".
store::Result<void> AddSupportedLanguage(LanguageList& languages, std::string_view name);

} // namespace listrider::catalogue
