#include "catalogue/faulty_fields.h"

#include <algorithm>

namespace listrider::catalogue {

bool FaultyFields::CheckIfExists(const FieldId& field) const
{
    return std::find(m_fields.begin(), m_fields.end(), field) != m_fields.end();
}

void FaultyFields::AddFlashingField(const FieldId& field)
{
    if (!CheckIfExists(field)) {
        m_fields.push_back(field);
    }
}

void FaultyFields::DeleteFlashingField(const FieldId& field)
{
    m_fields.erase(std::remove(m_fields.begin(), m_fields.end(), field), m_fields.end());
    m_messages.erase(field);
}

void FaultyFields::Clear()
{
    m_fields.clear();
}

std::string FaultyFields::Message(const FieldId& field) const
{
    const auto it = m_messages.find(field);
    return it == m_messages.end() ? std::string() : it->second;
}

void FaultyFields::SetMessage(const FieldId& field, std::string message)
{
    if (message.empty()) {
        m_messages.erase(field);
    } else {
        m_messages[field] = std::move(message);
    }
}

void FaultyFields::RemoveLanguage(int index)
{
    auto shift = [index](FieldId field) {
        if (field.language > index) {
            --field.language;
        }
        return field;
    };
    std::vector<FieldId> fields;
    for (const FieldId& field : m_fields) {
        if (field.language != index) {
            fields.push_back(shift(field));
        }
    }
    m_fields = std::move(fields);
    std::map<FieldId, std::string> messages;
    for (auto& [field, message] : m_messages) {
        if (field.language != index) {
            messages.emplace(shift(field), std::move(message));
        }
    }
    m_messages = std::move(messages);
}

} // namespace listrider::catalogue
