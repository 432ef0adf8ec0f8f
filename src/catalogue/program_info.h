// The program data of a product (product.dat).
#pragma once

#include <string>
#include <vector>

#include "catalogue/language_list.h"
#include "catalogue/operating_systems.h"
#include "catalogue/vocabularies.h"

namespace listrider::catalogue {

/// The lines of a multi-line field.
using MemoLines = std::vector<std::string>;

/// Everything product.dat holds. List fields hold the chosen entry, empty when none is chosen;
/// the date lists hold "Day", "Month" and "Year" when nothing is chosen.
struct ProgramInfo
{
    std::string name;
    std::string version;
    std::string editDate;         ///< dd-mm-yyyy of the last save
    std::string versionSubmitted; ///< kept and written back unchanged

    std::string type;
    std::string releaseStatus;
    std::string installSupport;
    std::string releaseDay{kNoDay};
    std::string releaseMonth{kNoMonth};
    std::string releaseYear{kNoYear};

    std::string costDollars;
    std::string costOther;
    std::string costOtherCode;

    bool hasExpireInfo = false;
    std::string expireCount;
    std::string expireBasedOn;
    std::string expireDay{kNoDay};
    std::string expireMonth{kNoMonth};
    std::string expireYear{kNoYear};
    std::string expireOtherInfo;

    bool includesJavaVm = false;
    bool includesVbRuntime = false;
    bool includesDirectX = false;

    std::string filenameGeneric;
    std::string filenameLong;
    std::string filenameVersioned;
    std::string filenamePrevious;
    std::string fileSizeBytes;
    std::string fileSizeK;
    std::string fileSizeMb;

    OsSelection os;
    LanguageList languages;

    std::string systemRequirements;
    std::string limitations;
    MemoLines changeInfo;
    MemoLines awards;
    MemoLines permissions;
    MemoLines eula;

    friend bool operator==(const ProgramInfo&, const ProgramInfo&) = default;
};

} // namespace listrider::catalogue
