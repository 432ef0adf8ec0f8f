#include "store/macro_scanner.h"

#include <bit>
#include <cstring>

namespace listrider::store {
namespace {

// Returns the offset of the next '|' at or after `from`, or npos. Wide texts are searched with
// memchr for the low byte of '|', which skips most of a long text at memory speed.
std::size_t FindBar(std::u16string_view text, std::size_t from)
{
    static_assert(std::endian::native == std::endian::little, "the search reads the low byte first");
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size() * 2;
    std::size_t pos = from * 2;
    while (pos < size) {
        const void* hit = std::memchr(bytes + pos, '|', size - pos);
        if (hit == nullptr) {
            return std::u16string_view::npos;
        }
        const auto offset = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - bytes);
        if (offset % 2 == 0 && text[offset / 2] == u'|') {
            return offset / 2;
        }
        pos = offset + 1;
    }
    return std::u16string_view::npos;
}

std::size_t FindBar(std::string_view text, std::size_t from)
{
    return text.find('|', from);
}

template <class Char, class Resolver>
std::basic_string<Char> Substitute(std::basic_string_view<Char> text, const Resolver& resolve)
{
    using View = std::basic_string_view<Char>;
    std::basic_string<Char> out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = FindBar(text, pos);
        if (open == View::npos) {
            out.append(text.substr(pos));
            break;
        }
        const std::size_t close = FindBar(text, open + 1);
        if (close == View::npos) {
            out.append(text.substr(pos)); // an open token is copied as it is
            break;
        }
        out.append(text.substr(pos, open - pos));
        resolve(text.substr(open, close - open + 1), out);
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
