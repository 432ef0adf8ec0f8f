// The descriptions and keywords of the site's language.
#include "engine/macro_families.h"
#include "store/wide_text.h"

namespace listrider::engine {
namespace {

// Cut first, then spaces reduced: a cut that ends in a run of spaces keeps one of them.
std::u16string CutDescription(std::u16string_view text, std::size_t length)
{
    std::u16string cut = store::CollapseSpaces(text.substr(0, length));
    const std::size_t first = cut.find_first_not_of(u' ');
    return first == std::u16string::npos ? std::u16string() : cut.substr(first);
}

// Commas become spaces, runs of spaces one space, and the text ends before its 13th space.
std::u16string SpaceKeywords(std::u16string_view keywords)
{
    std::u16string spaced(keywords);
    for (char16_t& c : spaced) {
        if (c == u',') {
            c = u' ';
        }
    }
    spaced = store::CollapseSpaces(spaced);
    int spaces = 0;
    for (std::size_t i = 0; i < spaced.size(); ++i) {
        if (spaced[i] == u' ' && ++spaces == 13) {
            spaced.resize(i);
            break;
        }
    }
    return spaced;
}

} // namespace

void AddDescriptionMacros(MacroTable& table,
                          const catalogue::Desc& desc,
                          const catalogue::ProductValues& product,
                          const store::CodePage& codePage)
{
    table["Desc45"] = codePage.FromWide(CutDescription(desc.Desc45, 45));
    table["Desc80"] = codePage.FromWide(CutDescription(desc.Desc80, 80));
    table["Desc250"] = codePage.FromWide(CutDescription(desc.Desc250, 250));
    table["Desc450"] = codePage.FromWide(CutDescription(desc.Desc450, 450));
    table["Desc2000"] = codePage.FromWide(CutDescription(desc.Desc2000, 2000));
    table["KeyWords"] = codePage.FromWide(desc.Keywords);
    table["KeyWordsShort"] = codePage.FromWide(std::u16string_view(desc.Keywords).substr(0, 50));
    table["KeyWordsSpace"] = codePage.FromWide(SpaceKeywords(desc.Keywords));
    for (std::size_t i = 0; i < product.keywords.size(); ++i) {
        table["KeyWord" + std::to_string(i + 1)] = product.keywords[i];
    }
}

} // namespace listrider::engine
