#include "catalogue/language_list.h"

#include "catalogue/vocabularies.h"
#include "store/ascii.h"

namespace listrider::catalogue {

LanguageList::LanguageList()
{
    Reset();
}

void LanguageList::Reset()
{
    m_entries.clear();
    for (std::string_view name : BuiltInLanguages()) {
        m_entries.push_back({std::string(name), false});
    }
}

bool LanguageList::AnyTicked() const
{
    for (const LanguageEntry& entry : m_entries) {
        if (entry.ticked) {
            return true;
        }
    }
    return false;
}

void LanguageList::SetTicked(std::size_t index, bool ticked)
{
    if (index < m_entries.size()) {
        m_entries[index].ticked = ticked;
    }
}

int LanguageList::Find(std::string_view name) const
{
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (store::EqualsNoCase(m_entries[i].name, name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void LanguageList::Append(std::string_view name, bool ticked)
{
    m_entries.push_back({std::string(name), ticked});
}

std::vector<std::string> LanguageList::TickedNames() const
{
    std::vector<std::string> names;
    for (const LanguageEntry& entry : m_entries) {
        if (entry.ticked) {
            names.push_back(entry.name);
        }
    }
    return names;
}

std::string LanguageList::Encode() const
{
    std::string text;
    for (const std::string& name : TickedNames()) {
        text.append(name).push_back(',');
    }
    for (int i = 0; i < 3 && !text.empty() && text.back() == ','; ++i) {
        text.pop_back();
    }
    return text;
}

void LanguageList::Decode(std::string_view stored)
{
    std::size_t start = 0;
    while (start <= stored.size()) {
        std::size_t comma = stored.find(',', start);
        if (comma == std::string_view::npos) {
            comma = stored.size();
        }
        const std::string name = TrimOneSpace(stored.substr(start, comma - start));
        // "English," would otherwise add a nameless language.
        if (!name.empty()) {
            const int index = Find(name);
            if (index >= 0) {
                m_entries[static_cast<std::size_t>(index)].ticked = true;
            } else {
                Append(name, true);
            }
        }
        start = comma + 1;
    }
}

std::string TrimOneSpace(std::string_view name)
{
    if (!name.empty() && name.front() == ' ') {
        name.remove_prefix(1);
    }
    if (!name.empty() && name.back() == ' ') {
        name.remove_suffix(1);
    }
    return std::string(name);
}

} // namespace listrider::catalogue
