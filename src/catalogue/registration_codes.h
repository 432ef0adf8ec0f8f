// The registration codes a product gives reviewers (regkey.dat).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace listrider::catalogue {

/// How the product's registration code depends on the user.
enum class CodeKind
{
    Single,   ///< "Registration code does not depend on Regsitration name."
    Personal, ///< "Registration code is generated for each name individually."
    Complex,  ///< more than one code or another method, described in one line
};

/// Returns the stored word of a kind ("Single", "Personal", "Complex").
std::string_view CodeKindWord(CodeKind kind);

/// Returns the kind of a stored word, or nothing for another word.
std::optional<CodeKind> CodeKindFromWord(std::string_view word);

/// Returns the caption of a kind's choice.
std::string_view CodeKindCaption(CodeKind kind);

struct RegistrationCodes
{
    CodeKind kind = CodeKind::Single;
    std::string singleCode;       ///< "Registration Code:" of the first choice
    std::string registrationName; ///< "Registration Name:" of the second choice
    std::string registrationCode; ///< "Registration Code:" of the second choice
    std::string complexCode;      ///< the code line of the third choice
    std::string winPicksCode;     ///< licensed to "Winpicks Review"
    std::string fDepotCode;       ///< licensed to "fdepot"

    friend bool operator==(const RegistrationCodes&, const RegistrationCodes&) = default;
};

/// The fields whose typing chooses the kind.
enum class CodeField
{
    SingleCode,
    RegistrationName,
    RegistrationCode,
    ComplexCode,
};

/// Chooses the kind the way typing into a code field does.
void SelectKindByTyping(RegistrationCodes& codes, CodeField field);

/// Returns the registration code of the value set: the single code, the name and code of a
/// personal code, or the complex code text.
std::string RegistrationCodeValue(const RegistrationCodes& codes);

} // namespace listrider::catalogue
