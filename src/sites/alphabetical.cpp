#include "sites/alphabetical.h"

#include <algorithm>

#include "store/ascii.h"

namespace listrider::sites {

bool AlphabeticalLess(std::string_view a, std::string_view b)
{
    const auto folded = [](char x, char y) {
        return static_cast<unsigned char>(store::AsciiUpper(x)) <
               static_cast<unsigned char>(store::AsciiUpper(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded)) {
        return true;
    }
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded)) {
        return false;
    }
    return a < b;
}

} // namespace listrider::sites
