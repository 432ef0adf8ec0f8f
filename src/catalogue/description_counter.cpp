#include "catalogue/description_counter.h"

#include "store/wide_text.h"

namespace listrider::catalogue {
namespace {

template <class Description>
std::size_t LengthOf(const Description& description, FieldKind kind)
{
    switch (kind) {
    case FieldKind::Desc45:
        return description.desc45.size();
    case FieldKind::Desc80:
        return description.desc80.size();
    case FieldKind::Desc250:
        return store::CountEditChars(description.desc250);
    case FieldKind::Desc450:
        return store::CountEditChars(description.desc450);
    case FieldKind::Desc2000:
        return store::CountEditChars(description.desc2000);
    default:
        return 0;
    }
}

} // namespace

std::size_t DescriptionLimit(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Desc45:
        return 45;
    case FieldKind::Desc80:
        return 80;
    case FieldKind::Desc250:
        return 250;
    case FieldKind::Desc450:
        return 450;
    case FieldKind::Desc2000:
        return 2000;
    default:
        return 0;
    }
}

std::optional<DescriptionCounter> CheckDescriptions(const ProductEditor& editor, const FieldId& field)
{
    const std::size_t limit = DescriptionLimit(field.kind);
    const DescriptionSet& descriptions = editor.product.descriptions;
    if (limit == 0 || field.language < 0 ||
        static_cast<std::size_t>(field.language) > descriptions.others.size()) {
        return std::nullopt;
    }
    const std::size_t length =
        field.language == 0
            ? LengthOf(descriptions.english, field.kind)
            : LengthOf(descriptions.others[static_cast<std::size_t>(field.language) - 1], field.kind);
    const long remaining = static_cast<long>(limit) - static_cast<long>(length);
    return DescriptionCounter{remaining, remaining < 0};
}

} // namespace listrider::catalogue
