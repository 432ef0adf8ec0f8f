// The supported operating systems of a product and their list encodings.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace listrider::catalogue {

/// The number of operating systems in the "Supported Operating Systems" list.
inline constexpr std::size_t kOsCount = 33;

/// Returns the captions of the list, in list order.
std::span<const std::string_view> OsCaptions();

/// Returns the word a PAD file and product.dat use for the entry (the Windows entries have
/// their own words, every other entry is its caption).
std::string_view OsPadWord(std::size_t index);

/// Which entries are ticked.
struct OsSelection
{
    std::array<bool, kOsCount> ticked{};

    bool Any() const;

    friend bool operator==(const OsSelection&, const OsSelection&) = default;
};

/// Returns the stored form: the PAD words of the ticked entries, comma-separated.
std::string EncodeOsList(const OsSelection& selection);

/// Returns the entries ticked by a stored text: an entry is ticked when the text contains its
/// PAD word or its caption (ASCII case ignored); unknown words are ignored.
OsSelection DecodeOsList(std::string_view stored);

/// Returns the short form for the sites ("Win 95 98 XP Linux").
std::string OsShortList(const OsSelection& selection);

/// Returns the index of the entry whose caption or PAD word equals the text (ASCII case
/// ignored), or kOsCount.
std::size_t FindOs(std::string_view text);

} // namespace listrider::catalogue
