#include "catalogue/description_languages.h"

#include "store/ascii.h"

namespace listrider::catalogue {

int DescriptionSet::FindLanguage(std::string_view name) const
{
    for (std::size_t i = 0; i < others.size(); ++i) {
        if (store::EqualsNoCase(others[i].language, name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

store::Result<void> AddDescriptionLanguage(DescriptionSet& descriptions, std::string_view name)
{
    if (store::EqualsNoCase(name, "English") || descriptions.FindLanguage(name) >= 0) {
        return store::MakeError(store::ErrorKind::Refused,
                                std::string(name) + " description is already created.");
    }
    if (name.empty()) {
        return store::MakeError(store::ErrorKind::Usage, "Enter a language");
    }
    LanguageDescription language;
    language.language = name;
    descriptions.others.push_back(std::move(language));
    return {};
}

store::Result<bool> DeleteDescriptionLanguage(ProductEditor& editor, int index, store::Prompter& prompter)
{
    if (index == 0) {
        return store::MakeError(store::ErrorKind::Refused, "English language cannot be deleted");
    }
    std::vector<LanguageDescription>& others = editor.product.descriptions.others;
    if (index < 0 || static_cast<std::size_t>(index) > others.size()) {
        return store::MakeError(store::ErrorKind::NotFound, "No such description language");
    }
    const std::optional<bool> answer = prompter.Ask("Are you sure you want to delete this language?");
    if (!answer) {
        return store::MakeError(store::ErrorKind::Cancelled, "Deleting the language needs an answer");
    }
    if (!*answer) {
        return false;
    }
    others.erase(others.begin() + (index - 1));
    editor.faults.RemoveLanguage(index);
    editor.modified = true;
    return true;
}

store::Result<void> AddSupportedLanguage(LanguageList& languages, std::string_view name)
{
    if (store::EqualsNoCase(name, "English") || languages.Find(name) >= 0) {
        return store::MakeError(store::ErrorKind::Refused,
                                std::string(name) + " language already is in the list.");
    }
    if (name.empty()) {
        return store::MakeError(store::ErrorKind::Usage, "Enter a language");
    }
    languages.Append(name, false);
    return {};
}

} // namespace listrider::catalogue
