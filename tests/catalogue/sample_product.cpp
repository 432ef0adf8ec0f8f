#include "sample_product.h"

#include <map>

#include <gtest/gtest.h>

#include "catalogue/data_set.h"
#include "store/unicode.h"
#include "support/result_matchers.h"

namespace listrider::catalogue::testing {

namespace fs = std::filesystem;

Product SampleProduct()
{
    Product p;
    ProgramInfo& g = p.program;
    g.name = "Disk Cleaner Pro";
    g.version = "2.5";
    g.type = "Shareware";
    g.releaseStatus = "Minor Update";
    g.installSupport = "Install and Uninstall";
    g.releaseDay = "07";
    g.releaseMonth = "July";
    g.releaseYear = "2005";
    g.costDollars = "19.95";
    g.costOther = "17.50";
    g.costOtherCode = "EUR";
    g.hasExpireInfo = true;
    g.expireCount = "30";
    g.expireBasedOn = "Days";
    g.expireOtherInfo = "Nag screen after 30 days";
    g.includesDirectX = true;
    g.filenameGeneric = "dcpro.exe";
    g.filenameLong = "Disk_Cleaner_Pro.exe";
    g.filenameVersioned = "dcpro25.exe";
    g.filenamePrevious = "dcpro24.exe";
    g.fileSizeBytes = "1234567";
    g.fileSizeK = "1206";
    g.fileSizeMb = "1.18";
    g.os = DecodeOsList("Win98,WinXP,Windows2000");
    g.languages.Decode("English,German");
    g.systemRequirements = "64 MB RAM";
    g.limitations = "Cleans 3 drives only";
    g.changeInfo = {"Faster scanning", "Fixed the caf\xE9 bug."};
    g.awards = {"5 stars"};
    g.permissions = {"Free to distribute on CD-ROM"};
    g.eula = {"Use at your own risk; see <b>terms</b>."};

    EnglishDescription& e = p.descriptions.english;
    e.keywords = "disk, cleaner, caf\xE9, junk, R&D";
    e.desc45 = "Cleans disks \"fast\" & safe";
    e.desc80 = "Removes junk files from your caf\xE9 computer's disks";
    e.desc250 = {"Disk Cleaner Pro removes junk files.", "It is R&D's best tool."};
    e.desc450 = {"Disk Cleaner Pro removes junk files and keeps your disks tidy."};
    e.desc2000 = {"Disk Cleaner Pro removes junk files and keeps your disks tidy.", "Second paragraph."};
    p.descriptions.others.push_back({"German",
                                     u"festplatte, reiniger",
                                     u"Räumt Festplatten auf",
                                     u"Entfernt überflüssige Dateien",
                                     {u"Entfernt überflüssige Dateien von Ihrer Festplatte."},
                                     {u"Entfernt überflüssige Dateien."},
                                     {u"Entfernt überflüssige Dateien.", u"Größer & schöner."}});
    p.descriptions.others.push_back({"Chinise Traditional",
                                     u"磁碟, 清理",
                                     u"磁碟清理工具",
                                     u"清除垃圾檔案",
                                     {u"清除垃圾檔案。"},
                                     {u"清除垃圾檔案。"},
                                     {u"清除垃圾檔案。"}});

    CompanyInfo& c = p.company;
    c.name = "Caf\xE9 Soft";
    c.address1 = "12 Main Street";
    c.city = "Springfield";
    c.state = "Illinois";
    c.zip = "62701";
    c.country = "USA";
    c.webSiteUrl = "http://www.cafesoft.example";
    c.contactFirstName = "Jos\xE9";
    c.contactLastName = "Smith";
    c.contactEmail = "jose@cafesoft.example";
    c.authorFirstName = "Jos\xE9";
    c.authorLastName = "Smith";
    c.authorEmail = "author@cafesoft.example";
    c.generalEmail = "info@cafesoft.example";
    c.supportEmail = "support@cafesoft.example";
    c.salesEmail = "sales@cafesoft.example";
    c.generalPhone = "+1 555 0100 200";
    c.aspMember = true;
    c.aspMemberNumber = "1234";
    c.tpaMemberId = "";

    ProductUrls& u = p.urls;
    u.infoUrl = "http://www.cafesoft.example/dcpro.html";
    u.orderUrl = "https://www.cafesoft.example/order.html";
    u.screenshotUrl = "http://www.cafesoft.example/dcpro.png";
    u.iconUrl = "http://www.cafesoft.example/dcpro.gif";
    u.xmlFileUrl = "http://www.cafesoft.example/dcpro.xml";
    u.primaryDownloadUrl = "http://www.cafesoft.example/dcpro.exe";
    u.secondaryDownloadUrl = "ftp://ftp.cafesoft.example/dcpro.zip";

    p.category.padSpecificCategory = "Utilities";
    p.category.padCategories = "Disk Cleaners";
    p.category.categoryClass = "System Utilities::File & Disk Management";

    AffiliateInfo& a = p.affiliates;
    a.regNowId = "12345-1";
    a.shareItId = "200100";
    a.shareItCompanyId = "20010";
    a.eSellerateCompanyId = "STR12345";
    a.eSellerateId = "SKU999";
    a.linksPage = "http://www.cafesoft.example/links.html";
    ApplyAffiliateSupportRule(a);

    p.registration.singleCode = "ABCD-1234";
    return p;
}

std::optional<bool> ScriptedPrompter::Ask(std::string_view question)
{
    questions.emplace_back(question);
    if (m_answers.empty()) {
        return std::nullopt;
    }
    const std::optional<bool> answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedPrompter::Inform(std::string_view message)
{
    messages.emplace_back(message);
}

Workspace::Workspace()
{
    m_context.workspace = m_dir.Path();
    m_context.padSpecHomePage = "http://www.asp-shareware.org/pad";
}

CompanyEntry Workspace::AddCompany(std::string_view name)
{
    store::Result<CompanyEntry> company = NewCompany(m_context, name);
    EXPECT_OK(company);
    return company.Value();
}

ProductEditor Workspace::AddSampleProduct(const CompanyEntry& company, std::string_view name)
{
    ProductEditor editor;
    Product sample = SampleProduct();
    if (!name.empty()) {
        sample.program.name = std::string(name);
    }
    sample.company.name = company.name;
    EXPECT_OK(NewProduct(editor, m_context, &company, sample.program.name, sample.program.version));
    editor.product = sample;
    editor.accounts.defaults = {"author1", "", "secret1"};
    EXPECT_OK(SaveProduct(editor, m_context));
    return editor;
}

std::map<std::string, std::string> Snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), folder).string()] = testsupport::ReadBytes(entry.path());
        }
    }
    return files;
}

fs::path TestDataPath(std::string_view name)
{
    return fs::path(LISTRIDER_TEST_DATA) / "catalogue" / name;
}

std::string ReadTestData(std::string_view name)
{
    return testsupport::ReadBytes(TestDataPath(name));
}

} // namespace listrider::catalogue::testing
