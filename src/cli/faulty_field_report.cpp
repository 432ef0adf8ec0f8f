#include "cli/faulty_field_report.h"

#include <ostream>

#include "catalogue/field_id.h"

namespace listrider::cli {

void PrintFaultyFields(std::ostream& out,
                       const CatalogueSession& session,
                       const catalogue::ProductEditor& editor)
{
    for (const catalogue::FieldId& field : editor.faults.Fields()) {
        const catalogue::FieldInfo& info = catalogue::InfoOf(field.kind);
        out << info.name;
        if (catalogue::IsDescriptionField(field.kind)) {
            const auto& others = editor.product.descriptions.others;
            const std::string language =
                field.language == 0 || static_cast<std::size_t>(field.language) > others.size()
                    ? std::string("English")
                    : session.ToUtf8(others[static_cast<std::size_t>(field.language) - 1].language);
            out << " [" << language << "]";
        }
        out << " (" << info.caption << "): " << session.ToUtf8(editor.faults.Message(field)) << "\n";
    }
}

} // namespace listrider::cli
