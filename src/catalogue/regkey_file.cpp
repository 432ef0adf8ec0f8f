#include "catalogue/regkey_file.h"

#include <vector>

#include "catalogue/element_lines.h"
#include "store/tag_document.h"

namespace listrider::catalogue {

void ReadRegkeyFile(store::LineSpan lines, RegistrationCodes& codes)
{
    const std::vector<detail::ElementRule> rules = {
        {"Code_Type",
         [&codes](const std::string& value) {
             if (const std::optional<CodeKind> kind = CodeKindFromWord(value)) {
                 codes.kind = *kind;
             }
         }},
        detail::TextRule("Single_Registration_Code", codes.singleCode),
        detail::TextRule("Registration_Name", codes.registrationName),
        detail::TextRule("Registration_Code", codes.registrationCode),
        detail::TextRule("Complex_Code", codes.complexCode),
        detail::TextRule("WinPicks_Code", codes.winPicksCode),
        detail::TextRule("FDepot_Code", codes.fDepotCode),
    };
    detail::ApplyElements(lines, rules);
}

store::LineList RegkeyFileLines(const RegistrationCodes& codes)
{
    store::TagWriter writer;
    writer.Element("Code_Type", CodeKindWord(codes.kind));
    writer.Element("Single_Registration_Code", codes.singleCode);
    writer.Element("Registration_Name", codes.registrationName);
    writer.Element("Registration_Code", codes.registrationCode);
    writer.Element("Complex_Code", codes.complexCode);
    writer.Element("WinPicks_Code", codes.winPicksCode);
    writer.Element("FDepot_Code", codes.fDepotCode);
    return writer.Lines();
}

} // namespace listrider::catalogue
