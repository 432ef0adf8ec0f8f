// The list of faulty fields and the messages the fields carry.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "catalogue/field_id.h"

namespace listrider::catalogue {

/// The editor fields that break a rule, in the order they became faulty, with each field's
/// message. Runs and PAD generation refuse to start while the list is not empty.
class FaultyFields
{
public:
    /// Returns whether the field is on the list.
    bool CheckIfExists(const FieldId& field) const;

    /// Appends the field unless it is on the list.
    void AddFlashingField(const FieldId& field);

    /// Removes the field from the list (when it is there) and clears its message.
    void DeleteFlashingField(const FieldId& field);

    /// Empties the list (the messages stay until their fields are examined again).
    void Clear();

    const std::vector<FieldId>& Fields() const { return m_fields; }

    bool Empty() const { return m_fields.empty(); }

    /// Returns the field's message, empty when the field is not faulty.
    std::string Message(const FieldId& field) const;

    void SetMessage(const FieldId& field, std::string message);

    /// Drops the fields of the description language tab `index` (1-based), which is gone, and
    /// moves the fields of later tabs down one place.
    void RemoveLanguage(int index);

    /// Whether the typing state is on: set while the user corrects a field that carries a message.
    bool typing = false;

    /// Whether the faulty fields blink; switched on after a full validation or when the user
    /// leaves a field while the list is not empty.
    bool flashing = false;

private:
    std::vector<FieldId> m_fields;
    std::map<FieldId, std::string> m_messages;
};

} // namespace listrider::catalogue
