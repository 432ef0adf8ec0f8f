// The character counters beside the description fields.
#pragma once

#include <optional>

#include "catalogue/field_id.h"
#include "catalogue/product_editor.h"

namespace listrider::catalogue {

/// What a counter panel shows.
struct DescriptionCounter
{
    long remaining = 0; ///< the limit minus the characters (line breaks not counted)
    bool red = false;   ///< below 0

    friend bool operator==(const DescriptionCounter&, const DescriptionCounter&) = default;
};

/// Returns the character limit of a description field (45, 80, 250, 450, 2000), or 0.
std::size_t DescriptionLimit(FieldKind kind);

/// Returns the counter of a description field of any language (CheckDescriptions), or nothing
/// for a field without one.
std::optional<DescriptionCounter> CheckDescriptions(const ProductEditor& editor, const FieldId& field);

} // namespace listrider::catalogue
