#include "store/site_text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace listrider::store {

std::string DecodeSiteText(std::string_view stored, const SiteKey& key)
{
    if (stored.size() < 2) {
        return {};
    }
    const std::string_view cycle = key.key.empty() ? std::string_view(key.defaultKey).substr(0, 1) : key.key;
    // The key character for output byte j is cycle[j % length]; with an empty key every byte
    // uses the default key's first character (or zero when there is none).
    const std::size_t length = std::max<std::size_t>(cycle.size(), 1);
    const std::size_t outputSize = stored.size() - 1;

    // A key stream of whole key cycles lets the inner loop run without a modulus, which the
    // compiler turns into vector code.
    const std::size_t repeats = std::max<std::size_t>(1, 4096 / length);
    const std::size_t streamSize = std::min(outputSize, repeats * length);
    std::vector<std::uint8_t> stream(streamSize);
    for (std::size_t j = 0; j < streamSize; ++j) {
        stream[j] = cycle.empty() ? 0 : static_cast<std::uint8_t>(cycle[j % length]);
    }

    std::string out(outputSize, '\0');
    const auto* in = reinterpret_cast<const std::uint8_t*>(stored.data());
    auto* result = reinterpret_cast<std::uint8_t*>(out.data());
    for (std::size_t base = 0; base < outputSize; base += streamSize) {
        const std::size_t count = std::min(streamSize, outputSize - base);
        const std::uint8_t* prev = in + base;
        const std::uint8_t* cur = in + base + 1;
        std::uint8_t* dst = result + base;
        for (std::size_t t = 0; t < count; ++t) {
            const std::uint8_t a = cur[t] ^ stream[t];
            const std::uint8_t p = prev[t];
            // a > p gives a - p; otherwise a + 255 - p, which is a - p - 1 in byte arithmetic.
            dst[t] = static_cast<std::uint8_t>(a - p - (a <= p ? 1 : 0));
        }
    }
    return out;
}

std::string HexBytes(std::string_view text)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 0x0F]);
    }
    return out;
}

LineList UnpackLines(std::string_view stored, bool decode, const SiteKey& key)
{
    return LineList::FromText(decode ? DecodeSiteText(stored, key) : std::string(stored));
}

} // namespace listrider::store
