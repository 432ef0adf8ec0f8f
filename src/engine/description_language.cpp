#include "engine/description_language.h"

#include "store/ascii.h"

namespace listrider::engine {

const catalogue::Desc& ChooseDescription(const std::vector<catalogue::Desc>& descs,
                                         store::LineSpan lanLines,
                                         const store::CodePage& codePage)
{
    std::vector<std::string> codes;
    codes.reserve(descs.size());
    for (const catalogue::Desc& desc : descs) {
        codes.push_back(
            store::AsciiUpper(codePage.FromWide(std::u16string_view(desc.Language).substr(0, 3))));
    }
    for (std::string_view line : lanLines) {
        for (std::size_t i = 1; i < descs.size(); ++i) {
            if (codes[i] == line) {
                return descs[i];
            }
        }
    }
    return descs.front();
}

} // namespace listrider::engine
