// The descriptions of a product in English and further languages (description.dat).
#pragma once

#include <string>
#include <vector>

namespace listrider::catalogue {

/// The English descriptions, in the code page.
struct EnglishDescription
{
    std::string keywords;
    std::string desc45;
    std::string desc80;
    std::vector<std::string> desc250;
    std::vector<std::string> desc450;
    std::vector<std::string> desc2000;

    friend bool operator==(const EnglishDescription&, const EnglishDescription&) = default;
};

/// The descriptions of one further language; the texts are Unicode.
struct LanguageDescription
{
    std::string language; ///< the name on its tab, in the code page
    std::u16string keywords;
    std::u16string desc45;
    std::u16string desc80;
    std::vector<std::u16string> desc250;
    std::vector<std::u16string> desc450;
    std::vector<std::u16string> desc2000;

    friend bool operator==(const LanguageDescription&, const LanguageDescription&) = default;
};

/// English first, then the further languages in tab order.
struct DescriptionSet
{
    EnglishDescription english;
    std::vector<LanguageDescription> others;

    /// Returns the index into `others` of the language (ASCII case ignored), or -1.
    int FindLanguage(std::string_view name) const;

    friend bool operator==(const DescriptionSet&, const DescriptionSet&) = default;
};

/// The most characters the 45 and 80 character descriptions take.
inline constexpr std::size_t kDesc45Limit = 45;
inline constexpr std::size_t kDesc80Limit = 80;

} // namespace listrider::catalogue
