#include "sites/site_text_encoder.h"

#include <array>
#include <bitset>
#include <optional>
#include <vector>

namespace listrider::sites {
namespace {

// Texts with zero bytes need a search whose memory grows with the text; scripts never come close.
constexpr std::size_t kMaxSearchedText = 4u << 20;

// The key character of output byte j, exactly as the decoder cycles it.
class KeyStream
{
public:
    explicit KeyStream(const store::SiteKey& key)
        : m_cycle(key.key.empty() ? std::string_view(key.defaultKey).substr(0, 1) : std::string_view(key.key))
    {}

    std::uint8_t At(std::size_t j) const
    {
        return m_cycle.empty() ? 0 : static_cast<std::uint8_t>(m_cycle[j % m_cycle.size()]);
    }

private:
    std::string_view m_cycle;
};

// The decoder gives `out` from a (the stored byte XOR the key) and the previous stored byte:
// a > prev gives a - prev, otherwise a + 255 - prev. Returns the values of a that do it: one in
// general, two (255 and 0) when prev + out is 255, none for a zero unless prev is 255.
struct Choices
{
    std::array<std::uint8_t, 2> a{};
    int count = 0;
};

Choices ChoicesFor(std::uint8_t prev, std::uint8_t out)
{
    Choices choices;
    if (out == 0) {
        if (prev == 255) {
            choices.a[choices.count++] = 0;
        }
        return choices;
    }
    const int sum = prev + out;
    if (sum <= 255) {
        choices.a[choices.count++] = static_cast<std::uint8_t>(sum);
        if (sum == 255) {
            choices.a[choices.count++] = 0;
        }
    } else {
        choices.a[choices.count++] = static_cast<std::uint8_t>(sum - 255);
    }
    return choices;
}

std::string Greedy(std::string_view text, const KeyStream& keys, std::uint8_t seed)
{
    std::string stored;
    stored.reserve(text.size() + 1);
    stored.push_back(static_cast<char>(seed));
    std::uint8_t prev = seed;
    for (std::size_t j = 0; j < text.size(); ++j) {
        const Choices choices = ChoicesFor(prev, static_cast<std::uint8_t>(text[j]));
        prev = static_cast<std::uint8_t>(choices.a[0] ^ keys.At(j));
        stored.push_back(static_cast<char>(prev));
    }
    return stored;
}

store::Error Unencodable(std::size_t offset)
{
    return store::MakeError(store::ErrorKind::Malformed,
                            "The text cannot be encoded with this key",
                            "no stored byte 255 can precede the zero byte at offset " +
                                std::to_string(offset));
}

// Forward: the set of possible stored bytes after each output byte. Backward: one path through
// them that ends anywhere.
store::Result<std::string>
Search(std::string_view text, const KeyStream& keys, std::optional<std::uint8_t> seed)
{
    if (text.size() > kMaxSearchedText) {
        return store::MakeError(store::ErrorKind::Malformed,
                                "A text with zero bytes is too large to encode",
                                std::to_string(text.size()) + " bytes");
    }
    std::vector<std::bitset<256>> reachable(text.size() + 1);
    if (seed) {
        reachable[0].set(*seed);
    } else {
        reachable[0].set();
    }
    for (std::size_t j = 0; j < text.size(); ++j) {
        const auto out = static_cast<std::uint8_t>(text[j]);
        for (int prev = 0; prev < 256; ++prev) {
            if (!reachable[j].test(static_cast<std::size_t>(prev))) {
                continue;
            }
            const Choices choices = ChoicesFor(static_cast<std::uint8_t>(prev), out);
            for (int c = 0; c < choices.count; ++c) {
                reachable[j + 1].set(static_cast<std::uint8_t>(choices.a[c] ^ keys.At(j)));
            }
        }
        if (reachable[j + 1].none()) {
            return Unencodable(j);
        }
    }

    std::string stored(text.size() + 1, '\0');
    std::size_t state = 0;
    while (!reachable[text.size()].test(state)) {
        ++state;
    }
    for (std::size_t j = text.size(); j-- > 0;) {
        stored[j + 1] = static_cast<char>(state);
        const auto out = static_cast<std::uint8_t>(text[j]);
        for (std::size_t prev = 0; prev < 256; ++prev) {
            if (!reachable[j].test(prev)) {
                continue;
            }
            const Choices choices = ChoicesFor(static_cast<std::uint8_t>(prev), out);
            bool leads = false;
            for (int c = 0; c < choices.count; ++c) {
                leads = leads || static_cast<std::size_t>(choices.a[c] ^ keys.At(j)) == state;
            }
            if (leads) {
                state = prev;
                break;
            }
        }
    }
    stored[0] = static_cast<char>(state);
    return stored;
}

} // namespace

store::Result<std::string> EncodeSiteText(std::string_view text, const store::SiteKey& key)
{
    if (text.empty()) {
        return std::string();
    }
    const KeyStream keys(key);
    if (text.find('\0') == text.npos) {
        return Greedy(text, keys, kDefaultSeed);
    }
    return Search(text, keys, std::nullopt);
}

store::Result<std::string> EncodeSiteText(std::string_view text, const store::SiteKey& key, std::uint8_t seed)
{
    if (text.empty()) {
        return std::string();
    }
    const KeyStream keys(key);
    if (text.find('\0') == text.npos) {
        return Greedy(text, keys, seed);
    }
    return Search(text, keys, seed);
}

} // namespace listrider::sites
