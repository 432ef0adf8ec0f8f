// A set of file or member names looked up by exact name first, then ignoring ASCII case.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace listrider::sites {

/// Names as a case-insensitive file system would find them: the exact name when present, else
/// the lexically first name that differs only in ASCII case.
class CaselessNames
{
public:
    explicit CaselessNames(std::vector<std::string> names);

    /// Returns the names of a directory's entries.
    static CaselessNames OfDirectory(const std::string& directory);

    /// Returns the name that `name` finds, or null.
    const std::string* Find(std::string_view name) const;

private:
    std::unordered_set<std::string> m_exact;
    std::unordered_map<std::string, std::string> m_caseless;
};

} // namespace listrider::sites
