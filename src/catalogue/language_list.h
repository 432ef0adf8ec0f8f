// The "Supported Languages" list of a product and its stored form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace listrider::catalogue {

/// One entry of the list; names are code-page text.
struct LanguageEntry
{
    std::string name;
    bool ticked = false;

    friend bool operator==(const LanguageEntry&, const LanguageEntry&) = default;
};

/// The nine built-in languages followed by the ones the user or a file added.
class LanguageList
{
public:
    /// Returns the list with the built-in languages, none ticked.
    LanguageList();

    const std::vector<LanguageEntry>& Entries() const { return m_entries; }

    /// Returns whether any entry is ticked.
    bool AnyTicked() const;

    /// Ticks or clears the entry at `index`.
    void SetTicked(std::size_t index, bool ticked);

    /// Clears every tick and removes the added entries.
    void Reset();

    /// Returns the index of the entry equal to the name ignoring ASCII case, or -1.
    int Find(std::string_view name) const;

    /// Appends a new entry.
    void Append(std::string_view name, bool ticked);

    /// Returns the stored form: the ticked names in list order, comma-separated.
    std::string Encode() const;

    /// Returns the ticked names in list order.
    std::vector<std::string> TickedNames() const;

    /// Ticks the entries named in a stored text: split at commas, one leading and one trailing
    /// space dropped from each name; a name without an entry is appended ticked; empty names
    /// are skipped.
    void Decode(std::string_view stored);

    friend bool operator==(const LanguageList&, const LanguageList&) = default;

private:
    std::vector<LanguageEntry> m_entries;
};

/// Returns the name with one leading and one trailing space removed.
std::string TrimOneSpace(std::string_view name);

} // namespace listrider::catalogue
