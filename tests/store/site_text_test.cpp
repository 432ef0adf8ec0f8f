#include <random>

#include <gtest/gtest.h>

#include "store/site_text.h"

namespace listrider::store {
namespace {

// The decoding routine step by step, on the hexadecimal form, as the stored format defines it.
std::string ReferenceDecode(std::string_view stored, std::string_view key, std::string_view defaultKey)
{
    const std::string hex = HexBytes(stored);
    std::vector<int> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    if (bytes.size() < 2) {
        return {};
    }
    const std::size_t cycle = key.size();
    const std::string_view used = key.empty() ? defaultKey : key;
    std::size_t k = 0;
    int prev = bytes[0];
    std::string out;
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        k = k < cycle ? k + 1 : 1;
        const int keyChar = used.empty() ? 0 : static_cast<unsigned char>(used[k - 1]);
        const int a = bytes[i] ^ keyChar;
        out.push_back(static_cast<char>(a > prev ? a - prev : a + 255 - prev));
        prev = bytes[i];
    }
    return out;
}

TEST(SiteTextTest, DecodesHandComputedVectors)
{
    // 0x53^'A'=0x12 > 0x10 gives 0x02; 0x20^'B'=0x62 > 0x53 gives 0x0F.
    EXPECT_EQ(DecodeSiteText("\x10\x53\x20", SiteKey{"AB", "Korvane"}), "\x02\x0F");
    // a below prev: 0 + 255 - 0x50.
    EXPECT_EQ(DecodeSiteText("\x50\x41", SiteKey{"A", "Korvane"}), "\xAF");
    // a equal to prev gives 255.
    EXPECT_EQ(DecodeSiteText("\x05\x44", SiteKey{"A", "Korvane"}), "\xFF");
    // The key cycles: the third output byte uses 'A' again (0x41^0x41=0 <= 0x20: 0+255-0x20).
    EXPECT_EQ(DecodeSiteText("\x10\x53\x20\x41", SiteKey{"AB", ""}), "\x02\x0F\xDF");
}

TEST(SiteTextTest, ShortTextsDecodeToNothing)
{
    EXPECT_EQ(DecodeSiteText("", SiteKey{"key", "Korvane"}), "");
    EXPECT_EQ(DecodeSiteText("x", SiteKey{"key", "Korvane"}), "");
    EXPECT_EQ(DecodeSiteText("xy", SiteKey{"key", "Korvane"}).size(), 1u);
}

TEST(SiteTextTest, EmptyKeyUsesOnlyTheDefaultKeysFirstCharacter)
{
    std::mt19937 random(7);
    std::string stored;
    for (int i = 0; i < 300; ++i) {
        stored.push_back(static_cast<char>(random() & 0xFF));
    }
    const std::string withDefault = DecodeSiteText(stored, SiteKey{"", "Korvane"});
    EXPECT_EQ(withDefault, DecodeSiteText(stored, SiteKey{"K", "other"}));
    EXPECT_NE(withDefault, DecodeSiteText(stored, SiteKey{"Ko", "other"}));
}

TEST(SiteTextTest, MatchesTheStepByStepRoutineOnRandomTexts)
{
    std::mt19937 random(42);
    for (int round = 0; round < 300; ++round) {
        const std::size_t length = round < 250 ? random() % 200 : 4000 + random() % 9000;
        std::string stored;
        for (std::size_t i = 0; i < length; ++i) {
            stored.push_back(static_cast<char>(random() & 0xFF));
        }
        std::string key;
        const std::size_t keyLength = round % 10 == 0 ? 5000 + random() % 100 : random() % 20;
        for (std::size_t i = 0; i < keyLength; ++i) {
            key.push_back(static_cast<char>(1 + random() % 255));
        }
        SCOPED_TRACE("length " + std::to_string(length) + ", key length " + std::to_string(keyLength));
        ASSERT_EQ(DecodeSiteText(stored, SiteKey{key, "Korvane"}), ReferenceDecode(stored, key, "Korvane"));
    }
}

TEST(SiteTextTest, HexBytesAndUnpackLines)
{
    EXPECT_EQ(HexBytes(std::string("A\0\xFF", 3)), "4100FF");
    EXPECT_EQ(UnpackLines("one\r\ntwo", false, SiteKey{}).ToStrings(),
              (std::vector<std::string>{"one", "two"}));
    // Decoding happens before the split: these stored bytes decode to "a", CR, LF, "b" with the
    // key character 0x01 (each byte is prev + wanted, XORed with the key).
    const SiteKey key{"", "\x01"};
    std::string stored(1, '\0');
    int prev = 0;
    for (const unsigned char wanted : std::string("a\r\nb")) {
        const int a = prev + wanted <= 255 ? prev + wanted : prev + wanted - 255;
        prev = a ^ 0x01;
        stored.push_back(static_cast<char>(prev));
    }
    ASSERT_EQ(DecodeSiteText(stored, key), "a\r\nb");
    EXPECT_EQ(UnpackLines(stored, true, key).ToStrings(), (std::vector<std::string>{"a", "b"}));
}

} // namespace
} // namespace listrider::store
