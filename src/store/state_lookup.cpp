#include "store/state_lookup.h"

#include "store/ascii.h"
#include "store/file_io.h"

namespace listrider::store {

std::string StateLookup(std::string_view text, const std::filesystem::path& statesFile)
{
    const LineList lines = LoadLines(statesFile);
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        if (EqualsNoCase(lines[i], text)) {
            return std::string(lines[i + 1]);
        }
    }
    return std::string(text);
}

} // namespace listrider::store
