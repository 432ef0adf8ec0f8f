#include "cli_runner.h"

#include <sstream>

#include "cli/cli_app.h"

namespace listrider::cli {

CliRun RunCliIn(const std::filesystem::path& workspace, std::vector<std::string> args)
{
    args.insert(args.begin(), {"--workspace", workspace.string()});
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.code = RunCli(args, in, out, err, false);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::vector<std::pair<std::string, std::string>> SubmittableProductFields(const std::filesystem::path& root)
{
    return {
        {"Program_Type", "Shareware"},
        {"Program_Release_Status", "New Release"},
        {"Program_Install_Support", "Install Only"},
        {"Program_Release_Day", "05"},
        {"Program_Release_Month", "May"},
        {"Program_Release_Year", "2024"},
        {"Program_Cost_Dollars", "9.95"},
        {"Filename_Generic", "zipper.zip"},
        {"File_Size_Bytes", "3000000"},
        {"Program_OS_Support", "Win95,Linux"},
        {"Program_Language", "English"},
        {"Keywords", "zip,archive"},
        {"Char_Desc_45", "Zips files"},
        {"Char_Desc_80", "Zips files fast"},
        {"Char_Desc_250", "Zips files fast."},
        {"Char_Desc_450", "Zips files fast."},
        {"Char_Desc_2000", "Zips files fast."},
        {"Company_WebSite_URL", "http://acme.example"},
        {"Contact_Email", "a@acme.example"},
        {"Author_Email", "a@acme.example"},
        {"General_Email", "a@acme.example"},
        {"Support_Email", "a@acme.example"},
        {"Sales_Email", "a@acme.example"},
        {"Application_Info_URL", "http://acme.example/zipper"},
        {"Application_XML_File_URL", "http://acme.example/zipper.xml"},
        {"Primary_Download_URL", "http://acme.example/zipper.zip"},
        {"PAD_Specific_Category", "Utilities"},
        {"PAD_Categories", "Compression"},
        {"Upload_File_Location", (root / "files/zipper.zip").string()},
        {"Upload_PAD_Location", (root / "files/zipper.xml").string()},
    };
}

} // namespace listrider::cli
