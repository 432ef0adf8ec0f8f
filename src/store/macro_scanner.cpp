#include "store/macro_scanner.h"

namespace listrider::store {
namespace {

template <class Char, class Resolver>
std::basic_string<Char> Substitute(std::basic_string_view<Char> text, const Resolver& resolve)
{
    using View = std::basic_string_view<Char>;
    std::basic_string<Char> out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find(Char('|'), pos);
        if (open == View::npos) {
            out.append(text.substr(pos));
            break;
        }
        const std::size_t close = text.find(Char('|'), open + 1);
        if (close == View::npos) {
            out.append(text.substr(pos)); // an open token is copied as it is
            break;
        }
        out.append(text.substr(pos, open - pos));
        out.append(resolve(text.substr(open, close - open + 1)));
        pos = close + 1;
    }
    return out;
}

} // namespace

std::u16string SubstituteMacros(std::u16string_view text, const MacroResolver& resolve)
{
    return Substitute<char16_t>(text, resolve);
}

std::string SubstituteMacros(std::string_view text, const NarrowMacroResolver& resolve)
{
    return Substitute<char>(text, resolve);
}

} // namespace listrider::store
