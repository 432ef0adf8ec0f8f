#include "sites/caseless_names.h"

#include <algorithm>
#include <filesystem>

#include "store/ascii.h"

namespace listrider::sites {

CaselessNames::CaselessNames(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    for (std::string& name : names) {
        m_caseless.emplace(store::AsciiLower(name), name); // keeps the first of equal keys
        m_exact.insert(std::move(name));
    }
}

CaselessNames CaselessNames::OfDirectory(const std::string& directory)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    return CaselessNames(std::move(names));
}

const std::string* CaselessNames::Find(std::string_view name) const
{
    if (const auto it = m_exact.find(std::string(name)); it != m_exact.end()) {
        return &*it;
    }
    if (const auto it = m_caseless.find(store::AsciiLower(name)); it != m_caseless.end()) {
        return &it->second;
    }
    return nullptr;
}

} // namespace listrider::sites
