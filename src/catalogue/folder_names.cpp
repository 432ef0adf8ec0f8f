#include "catalogue/folder_names.h"

#include "store/ascii.h"
#include "store/text_helpers.h"

namespace listrider::catalogue {

std::string FolderName(std::string_view name, const store::CodePage& codePage)
{
    return codePage.ToUtf8(store::RIS(name));
}

bool HasFolderName(std::string_view name)
{
    const std::string folder = store::RIS(name);
    return folder.find_first_not_of(' ') != std::string::npos;
}

store::Error NoFolderNameError(std::string_view what, std::string_view name)
{
    return store::MakeError(
        store::ErrorKind::Refused,
        std::string("The ") + std::string(what) + " name \"" + std::string(name) +
            "\" cannot be used: it must hold a character other than spaces and , . / : \\",
        "its folder name would be empty");
}

store::Error SharedFolderError(std::string_view what, std::string_view name, std::string_view owner)
{
    return store::MakeError(store::ErrorKind::Refused,
                            std::string("The ") + std::string(what) + " name \"" + std::string(name) +
                                "\" cannot be used: its data would share the folder of \"" +
                                std::string(owner) + "\". Please choose another name.",
                            "both names give the folder name \"" + store::RIS(name) + "\"");
}

bool SameFolderName(std::string_view a, std::string_view b)
{
    return store::EqualsNoCase(a, b);
}

std::string FolderNameOf(const std::filesystem::path& folder)
{
    std::filesystem::path path = folder;
    if (!path.has_filename()) {
        path = path.parent_path();
    }
    return path.filename().string();
}

} // namespace listrider::catalogue
