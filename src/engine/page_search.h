// The searches the text commands make in a page: plain occurrences, the value after one, and
// the smart occurrence that reads past tags and extra spaces. Every comparison ignores ASCII case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace listrider::engine {

/// Returns the offset of the last occurrence of `text`, or npos (also for an empty text).
std::size_t FindLastNoCase(std::string_view page, std::string_view text);

/// Returns the page from the first occurrence on; empty when absent.
std::string FromFirst(std::string_view page, std::string_view text);

/// Returns the page up to the last occurrence; empty when absent.
std::string BeforeLast(std::string_view page, std::string_view text);

/// Returns the page up to the first occurrence; empty when absent.
std::string BeforeFirst(std::string_view page, std::string_view text);

/// Returns the value that starts at `start`: the characters up to a '<', '>' or quote; a quote
/// at the start opens the value and is not part of it.
std::string_view ValueAt(std::string_view page, std::size_t start);

/// Returns the value after the first occurrence, or nothing when the text is absent.
std::optional<std::string> ValueAfter(std::string_view page, std::string_view text);

/// Returns the value after the last occurrence, or nothing when the text is absent.
std::optional<std::string> ValueAfterLast(std::string_view page, std::string_view text);

/// Finds one letter in either ASCII case at positions that never move back. Each case is searched
/// again only once the scan has passed its last hit, so a case the page lacks is looked for once
/// and not once per call.
class LetterFinder
{
public:
    LetterFinder(std::string_view page, char letter);

    /// Returns the first position at or after `from` that holds the letter, or npos. `from` must
    /// not be below the previous call's.
    std::size_t Next(std::size_t from);

private:
    struct Hit
    {
        char letter = 0;
        bool searched = false;
        std::size_t at = 0; ///< npos: none after where it was searched from
    };

    std::size_t NextOf(Hit& hit, std::size_t from) const;

    std::string_view m_page;
    Hit m_upper;
    Hit m_lower;
};

/// Finds a text ignoring ASCII case at positions that never move back (see LetterFinder).
class TextFinder
{
public:
    TextFinder(std::string_view page, std::string_view text);

    /// Returns the first occurrence at or after `from`, or npos; `from` never decreasing.
    std::size_t Next(std::size_t from);

private:
    std::string_view m_page;
    std::string_view m_text;
    LetterFinder m_first;
};

/// A smart occurrence: the text's characters in order, with tags between them, and spaces and
/// CRs after a matched space, read past.
struct SmartOccurrence
{
    std::size_t start = 0; ///< the candidate: the page character equal to the text's first
    std::size_t end = 0;   ///< one past the last matched character
};

/// Finds smart occurrences in one page. Each candidate is tried in time proportional to the
/// text's length: tags and space runs are jumped over through tables built once per page.
class SmartSearch
{
public:
    /// Builds the tables of the page, which must outlive the search.
    explicit SmartSearch(std::string_view page);

    /// Returns the end of the smart occurrence that starts at `start`, or npos.
    std::size_t MatchAt(std::size_t start, std::string_view text) const;

    /// Returns the first occurrence whose candidate lies at or after `from`.
    std::optional<SmartOccurrence> First(std::string_view text, std::size_t from = 0) const;

    /// As First, taking the candidates from a finder of the text's first letter that the caller
    /// keeps across calls with growing `from`.
    std::optional<SmartOccurrence>
    First(std::string_view text, std::size_t from, LetterFinder& candidates) const;

    /// Returns the occurrence whose candidate lies last in the page.
    std::optional<SmartOccurrence> Last(std::string_view text) const;

private:
    std::size_t AfterTags(std::size_t pos) const;
    std::size_t AfterTagsAndSpace(std::size_t pos) const;

    std::string_view m_page;
    // Filled only where the page holds '<', ' ' or CR: after a '<', the first position past its
    // run of adjacent tags; after a space or CR, the first position past its run of spaces, CRs
    // and tags.
    std::unique_ptr<std::uint32_t[]> m_jump;
};

/// Returns the page after the first smart occurrence; empty when absent.
std::string SmartAfter(std::string_view page, std::string_view text);

/// Returns the page before the last smart occurrence; empty when absent.
std::string SmartBefore(std::string_view page, std::string_view text);

/// Returns the page with every smart occurrence, scanned from the start, replaced by the text
/// itself; an occurrence followed by a tag (and at least three characters) loses that tag too.
std::string Unsmart(std::string_view page, std::string_view text);

} // namespace listrider::engine
