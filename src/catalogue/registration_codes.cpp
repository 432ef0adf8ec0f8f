#include "catalogue/registration_codes.h"

namespace listrider::catalogue {

std::string_view CodeKindWord(CodeKind kind)
{
    switch (kind) {
    case CodeKind::Personal:
        return "Personal";
    case CodeKind::Complex:
        return "Complex";
    case CodeKind::Single:
        break;
    }
    return "Single";
}

std::optional<CodeKind> CodeKindFromWord(std::string_view word)
{
    for (CodeKind kind : {CodeKind::Single, CodeKind::Personal, CodeKind::Complex}) {
        if (CodeKindWord(kind) == word) {
            return kind;
        }
    }
    return std::nullopt;
}

std::string_view CodeKindCaption(CodeKind kind)
{
    switch (kind) {
    case CodeKind::Personal:
        return "Registration code is generated for each name individually.";
    case CodeKind::Complex:
        return "Product registration requires more than 1 code or other complicated method is used. Describe "
               "it below and enter codes in one line.";
    case CodeKind::Single:
        break;
    }
    return "Registration code does not depend on Regsitration name.";
}

void SelectKindByTyping(RegistrationCodes& codes, CodeField field)
{
    switch (field) {
    case CodeField::SingleCode:
        codes.kind = CodeKind::Single;
        break;
    case CodeField::RegistrationName:
    case CodeField::RegistrationCode:
        codes.kind = CodeKind::Personal;
        break;
    case CodeField::ComplexCode:
        codes.kind = CodeKind::Complex;
        break;
    }
}

std::string RegistrationCodeValue(const RegistrationCodes& codes)
{
    switch (codes.kind) {
    case CodeKind::Personal:
        return "Name: \"" + codes.registrationName + "\"; Code: \"" + codes.registrationCode + "\"";
    case CodeKind::Complex:
        return codes.complexCode;
    case CodeKind::Single:
        break;
    }
    return codes.singleCode;
}

} // namespace listrider::catalogue
