// The checks a PAD validator applies to field values: lengths, character sets, URLs, e-mail
// addresses, phone numbers, dates, prices and word lists. Values are Unicode code points.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace listrider::catalogue::detail {

using Text = std::u32string_view;
using Check = std::function<bool(Text)>;

bool IsDigit(char32_t c);
bool IsAsciiLetter(char32_t c);

/// Returns whether the code point is one of U+00BC..U+00FF, the letters a validator takes.
bool IsLatinLetter(char32_t c);

/// Returns a check for min..max characters of anything but `forbidden`.
Check FreeText(std::size_t min, std::size_t max, std::u32string forbidden);

/// Returns a check for min..max characters that `allowed` takes.
Check CharSet(std::size_t min, std::size_t max, std::function<bool(char32_t)> allowed);

/// Returns a check for one of the words (or nothing, when `optional`).
Check Choice(std::span<const std::string_view> words, bool optional);

/// Returns a check for a scheme, min..max characters and, when given, "." and one of the
/// extensions at the end.
Check Url(std::vector<std::string_view> schemes,
          std::size_t min,
          std::size_t max,
          std::vector<std::string_view> extensions,
          bool optional);

/// Returns whether the text is 2-30 characters, "@", 2-20, ".", 2-20.
bool Email(Text text);

/// Returns whether the text is up to two "+" and nothing or 7-40 phone characters with spaces.
bool Phone(Text text);

/// Returns whether the text is two digits between low and high.
bool TwoDigitRange(Text text, int low, int high);

/// Returns whether the text is a year 1900-2199.
bool Year(Text text);

/// Returns whether the text is empty or digits with an optional "." and two decimals.
bool Price(Text text);

/// Returns whether the text is a run of the words, each followed by any of the separators
/// (or, with `separatorIsWord`, with separators as words of their own).
bool WordSequence(Text text,
                  std::span<const std::string_view> words,
                  std::u32string_view separators,
                  bool separatorIsWord);

/// Returns the ASCII text as code points.
std::u32string Wide(std::string_view ascii);

} // namespace listrider::catalogue::detail
