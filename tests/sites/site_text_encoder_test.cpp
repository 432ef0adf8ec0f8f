#include <array>
#include <bitset>
#include <random>

#include <gtest/gtest.h>

#include "sites/site_text_encoder.h"
#include "support/result_matchers.h"

namespace listrider::sites {
namespace {

const store::SiteKey kEmptyKey{"", "Korvane"};

// Worked by hand from the decoding rule: a = stored XOR key; a > prev gives a - prev, else
// a + 255 - prev; prev is the stored byte.
TEST(SiteTextEncoderTest, MatchesHandComputedVectors)
{
    // Empty key: every byte uses 'K' (0x4B). '[' is 0x5B: a = 0x10 + 0x5B = 0x6B, stored
    // 0x6B ^ 0x4B = 0x20; then a = 0x20 + 0x5B = 0x7B, stored 0x30.
    store::Result<std::string> empty = EncodeSiteText("[[", kEmptyKey, 0x10);
    ASSERT_OK(empty);
    EXPECT_EQ(empty.Value(), "\x10\x20\x30");
    EXPECT_EQ(store::DecodeSiteText("\x10\x20\x30", kEmptyKey), "[[");

    // Key "AB", seed 0xF0. 0x20: 0xF0 + 0x20 > 255, so a = 0x11 (a <= prev: 17 + 255 - 240 = 32),
    // stored 0x11 ^ 'A' = 0x50. 0x0F: a = 0x50 + 0x0F = 0x5F, stored 0x5F ^ 'B' = 0x1D.
    const store::SiteKey ab{"AB", "Korvane"};
    store::Result<std::string> twoBytes = EncodeSiteText("\x20\x0F", ab, 0xF0);
    ASSERT_OK(twoBytes);
    EXPECT_EQ(twoBytes.Value(), "\xF0\x50\x1D");
    EXPECT_EQ(store::DecodeSiteText("\xF0\x50\x1D", ab), "\x20\x0F");

    // A zero byte needs a stored 255 before it: the seed 255, then a = 0, stored 0 ^ 'A'.
    const store::SiteKey a{"A", "Korvane"};
    store::Result<std::string> zero = EncodeSiteText(std::string(1, '\0'), a);
    ASSERT_OK(zero);
    EXPECT_EQ(zero.Value(), "\xFF\x41");
    EXPECT_ERROR_KIND(EncodeSiteText(std::string(1, '\0'), a, 0x10), store::ErrorKind::Malformed);
    // After a zero the stored byte is the key character, never 255 here: a second zero cannot follow.
    EXPECT_ERROR_KIND(EncodeSiteText(std::string(2, '\0'), a), store::ErrorKind::Malformed);

    store::Result<std::string> nothing = EncodeSiteText("", a);
    ASSERT_OK(nothing);
    EXPECT_EQ(nothing.Value(), "");
}

// The two-byte texts the decoder can produce at all, found with the decoder itself: the first
// output byte depends on stored bytes 0 and 1, the second on bytes 1 and 2. Row o1 holds o2.
std::array<std::bitset<256>, 256> DecodableTwoByteTexts(const store::SiteKey& key)
{
    const store::SiteKey secondKey =
        key.key.size() >= 2 ? store::SiteKey{key.key.substr(1, 1), key.defaultKey} : key;
    std::vector<std::bitset<256>> firsts(256);  // by stored byte 1
    std::vector<std::bitset<256>> seconds(256); // by stored byte 1
    for (int x = 0; x < 256; ++x) {
        for (int y = 0; y < 256; ++y) {
            const std::string stored{static_cast<char>(x), static_cast<char>(y)};
            firsts[static_cast<std::size_t>(y)].set(
                static_cast<unsigned char>(store::DecodeSiteText(stored, key)[0]));
            seconds[static_cast<std::size_t>(x)].set(
                static_cast<unsigned char>(store::DecodeSiteText(stored, secondKey)[0]));
        }
    }
    std::array<std::bitset<256>, 256> texts{};
    for (std::size_t middle = 0; middle < 256; ++middle) {
        for (std::size_t first = 0; first < 256; ++first) {
            if (firsts[middle].test(first)) {
                texts[first] |= seconds[middle];
            }
        }
    }
    return texts;
}

TEST(SiteTextEncoderTest, EncodesEveryTwoByteTextTheDecoderCanProduce)
{
    for (const store::SiteKey& key :
         {kEmptyKey, store::SiteKey{"AB", "Korvane"}, store::SiteKey{"\xFF\x01", "Korvane"}}) {
        SCOPED_TRACE(store::HexBytes(key.key));
        const std::array<std::bitset<256>, 256> decodable = DecodableTwoByteTexts(key);
        // A stored 255 is the key character after a zero only with the key character 255.
        EXPECT_EQ(decodable[0].test(0), key.key == "\xFF\x01");
        for (int value = 0; value < 65536; ++value) {
            const std::string text{static_cast<char>(value / 256), static_cast<char>(value % 256)};
            const store::Result<std::string> encoded = EncodeSiteText(text, key);
            ASSERT_EQ(
                encoded.HasValue(),
                decodable[static_cast<std::size_t>(value / 256)].test(static_cast<std::size_t>(value % 256)))
                << value;
            if (encoded.HasValue()) {
                ASSERT_EQ(store::DecodeSiteText(encoded.Value(), key), text) << value;
            }
        }
    }
}

TEST(SiteTextEncoderTest, RoundTripsRandomTextsAndKeys)
{
    std::mt19937 random(20240);
    for (int round = 0; round < 400; ++round) {
        std::string key;
        const std::size_t keyLength = round % 7 == 0 ? 0 : 1 + random() % 24;
        for (std::size_t i = 0; i < keyLength; ++i) {
            key.push_back(static_cast<char>(random() & 0xFF));
        }
        const store::SiteKey siteKey{key, round % 11 == 0 ? "" : "Korvane"};
        std::string text;
        const std::size_t length = random() % (round < 350 ? 300 : 20000);
        const bool withZeros = round % 3 == 0;
        for (std::size_t i = 0; i < length; ++i) {
            char c = static_cast<char>(random() & 0xFF);
            if (!withZeros && c == '\0') {
                c = 'z';
            }
            text.push_back(c);
        }
        SCOPED_TRACE("round " + std::to_string(round));
        const store::Result<std::string> encoded = EncodeSiteText(text, siteKey);
        if (!withZeros) {
            ASSERT_OK(encoded);
        }
        if (encoded.HasValue()) {
            EXPECT_EQ(encoded.Value().size(), text.empty() ? 0 : text.size() + 1);
            EXPECT_EQ(store::DecodeSiteText(encoded.Value(), siteKey), text);
        }
    }
}

TEST(SiteTextEncoderTest, ATextWithOneZeroByteAlwaysEncodes)
{
    // Any seed will do for the bytes before the first zero, so some seed puts a 255 before it.
    const store::SiteKey key{"LR-SiteData-7316", "Korvane"};
    for (std::size_t at : {0, 1, 7, 200, 999}) {
        SCOPED_TRACE(at);
        std::string text(1000, 'x');
        text[at] = '\0';
        const store::Result<std::string> encoded = EncodeSiteText(text, key);
        ASSERT_OK(encoded);
        EXPECT_EQ(store::DecodeSiteText(encoded.Value(), key), text);
    }
}

} // namespace
} // namespace listrider::sites
