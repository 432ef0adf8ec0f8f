#include "catalogue/program_file.h"

#include <vector>

#include "catalogue/element_lines.h"
#include "store/ascii.h"
#include "store/file_io.h"
#include "store/tag_document.h"

namespace listrider::catalogue {
namespace {

using detail::ElementRule;
using detail::FlagRule;
using detail::TextRule;

ElementRule ChoiceRule(std::string_view tag, std::string& field, std::span<const std::string_view> list)
{
    return {tag, [&field, list](const std::string& value) {
                if (HasEntry(list, value)) {
                    field = value;
                }
            }};
}

ElementRule YearRule(std::string_view tag, std::string& field)
{
    return {tag, [&field](const std::string& value) {
                if (IsYearEntry(value)) {
                    field = value;
                }
            }};
}

struct BlockField
{
    std::string_view tag;
    MemoLines* memo;
};

std::vector<std::string> Copy(store::LineSpan lines)
{
    return {lines.begin(), lines.end()};
}

} // namespace

ProgramFileMarks ReadProgramFile(store::LineSpan lines, ProgramInfo& program)
{
    const BlockField blocks[] = {
        {"Program_Change_Info", &program.changeInfo},
        {"Program_Awards", &program.awards},
        {"Distribution_Permissions", &program.permissions},
        {"EULA", &program.eula},
    };
    // Block lines are the memo's text, never element lines of their own.
    std::vector<std::string_view> elementLines;
    for (std::size_t i = 0; i < lines.size();) {
        const BlockField* block = nullptr;
        for (const BlockField& candidate : blocks) {
            if (store::ContainsNoCase(lines[i], store::OpenTag(candidate.tag))) {
                block = &candidate;
                break;
            }
        }
        if (block == nullptr) {
            elementLines.push_back(lines[i]);
            ++i;
            continue;
        }
        if (store::ContainsNoCase(lines[i], store::CloseTag(block->tag))) {
            // An element line where a block belongs: its value is the memo's only line.
            const std::string value = store::TagValue(lines[i]);
            *block->memo = value.empty() ? MemoLines{} : MemoLines{value};
            ++i;
            continue;
        }
        const store::Block read = store::ReadBlock(lines, i, block->tag);
        *block->memo = Copy(read.lines);
        i = read.next;
    }

    ProgramFileMarks marks;
    const std::vector<ElementRule> rules = {
        TextRule("Program_Name", program.name),
        TextRule("Program_Version", program.version),
        TextRule("Edit_Date", program.editDate),
        TextRule("Version_Submitted", program.versionSubmitted),
        {"PAD_Imported",
         [&marks](const std::string& value) {
             marks.imported = value != "NO";
         }},
        ChoiceRule("Program_Type", program.type, ProgramTypes()),
        ChoiceRule("Program_Release_Status", program.releaseStatus, ReleaseStatuses()),
        ChoiceRule("Program_Install_Support", program.installSupport, InstallSupports()),
        ChoiceRule("Program_Release_Day", program.releaseDay, DayEntries()),
        ChoiceRule("Program_Release_Month", program.releaseMonth, MonthEntries()),
        YearRule("Program_Release_Year", program.releaseYear),
        TextRule("Program_Cost_Dollars", program.costDollars),
        TextRule("Program_Cost_Other", program.costOther),
        ChoiceRule("Program_Cost_Other_Code", program.costOtherCode, CurrencyCodes()),
        FlagRule("Has_Expire_Info", program.hasExpireInfo),
        TextRule("Expire_Count", program.expireCount),
        ChoiceRule("Expire_Based_On", program.expireBasedOn, ExpireUnits()),
        ChoiceRule("Expire_Day", program.expireDay, DayEntries()),
        ChoiceRule("Expire_Month", program.expireMonth, MonthEntries()),
        YearRule("Expire_Year", program.expireYear),
        TextRule("Expire_Other_Info", program.expireOtherInfo),
        FlagRule("Includes_JAVA_VM", program.includesJavaVm),
        FlagRule("Includes_VB_Runtime", program.includesVbRuntime),
        FlagRule("Includes_DirectX", program.includesDirectX),
        TextRule("Filename_Generic", program.filenameGeneric),
        TextRule("Filename_Long", program.filenameLong),
        TextRule("Filename_Versioned", program.filenameVersioned),
        TextRule("Filename_Previous", program.filenamePrevious),
        TextRule("File_Size_Bytes", program.fileSizeBytes),
        TextRule("File_Size_K", program.fileSizeK),
        TextRule("File_Size_MB", program.fileSizeMb),
        {"Program_OS_Support",
         [&program](const std::string& value) {
             program.os = DecodeOsList(value);
         }},
        {"Program_Language",
         [&program](const std::string& value) {
             program.languages.Decode(value);
         }},
        TextRule("Program_System_Requirements", program.systemRequirements),
        TextRule("Program_Limitations", program.limitations),
    };
    detail::ApplyElements(elementLines, rules);
    return marks;
}

store::LineList ProgramFileLines(const ProgramInfo& program, bool imported)
{
    store::TagWriter writer;
    writer.Element("Program_Name", program.name);
    writer.Element("Program_Version", program.version);
    writer.Element("Edit_Date", program.editDate);
    writer.Element("Version_Submitted", program.versionSubmitted);
    if (!imported) {
        writer.Line("<PAD_Imported>NO</PAD_Imported>");
    }
    writer.Element("Program_Type", program.type);
    writer.Element("Program_Release_Status", program.releaseStatus);
    writer.Element("Program_Install_Support", program.installSupport);
    writer.Element("Program_Release_Day", program.releaseDay);
    writer.Element("Program_Release_Month", program.releaseMonth);
    writer.Element("Program_Release_Year", program.releaseYear);
    writer.Element("Program_Cost_Dollars", program.costDollars);
    writer.Element("Program_Cost_Other", program.costOther);
    writer.Element("Program_Cost_Other_Code", program.costOtherCode);
    writer.Flag("Has_Expire_Info", program.hasExpireInfo, store::kYnFlags);
    writer.Element("Expire_Count", program.expireCount);
    writer.Element("Expire_Based_On", program.expireBasedOn);
    writer.Element("Expire_Day", program.expireDay);
    writer.Element("Expire_Month", program.expireMonth);
    writer.Element("Expire_Year", program.expireYear);
    writer.Element("Expire_Other_Info", program.expireOtherInfo);
    writer.Flag("Includes_JAVA_VM", program.includesJavaVm, store::kYnFlags);
    writer.Flag("Includes_VB_Runtime", program.includesVbRuntime, store::kYnFlags);
    writer.Flag("Includes_DirectX", program.includesDirectX, store::kYnFlags);
    writer.Element("Filename_Generic", program.filenameGeneric);
    writer.Element("Filename_Long", program.filenameLong);
    writer.Element("Filename_Versioned", program.filenameVersioned);
    writer.Element("Filename_Previous", program.filenamePrevious);
    writer.Element("File_Size_Bytes", program.fileSizeBytes);
    writer.Element("File_Size_K", program.fileSizeK);
    writer.Element("File_Size_MB", program.fileSizeMb);
    writer.Element("Program_OS_Support", EncodeOsList(program.os));
    writer.Element("Program_Language", program.languages.Encode());
    writer.Element("Program_System_Requirements", program.systemRequirements);
    writer.Element("Program_Limitations", program.limitations);
    writer.Block("Program_Change_Info", program.changeInfo);
    writer.Block("Program_Awards", program.awards);
    writer.Block("Distribution_Permissions", program.permissions);
    writer.Block("EULA", program.eula);
    return writer.Lines();
}

store::Result<void> WriteProgramInfoFile(const std::filesystem::path& file,
                                         std::string_view name,
                                         std::string_view version,
                                         std::string_view editDate)
{
    std::string text;
    for (const auto& [tag, value] : {std::pair{"Program_Name", name},
                                     std::pair{"Program_Version", version},
                                     std::pair{"Edit_Date", editDate}}) {
        text.append(store::ElementLine(tag, value)).append("\r\n");
    }
    return store::SaveStringToFile(file, text);
}

} // namespace listrider::catalogue
