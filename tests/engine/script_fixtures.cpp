#include "script_fixtures.h"

#include <gtest/gtest.h>

#include "catalogue/operating_systems.h"
#include "engine/macro_resolver.h"
#include "sites/package_members.h"
#include "sites/site_text_encoder.h"
#include "store/line_list.h"

namespace listrider::engine::testing {

const store::SiteKey& TestKey()
{
    static const store::SiteKey key{"LR-SiteData-7316", "Korvane"};
    return key;
}

catalogue::ProductValues SampleValues()
{
    catalogue::ProductValues values;
    catalogue::ProgramValues& p = values.program;
    p.name = "Photo Resizer Deluxe";
    p.version = "2.1";
    p.nameWithDashes = catalogue::NameWithDashes(p.name);
    p.type = "Shareware";
    p.releaseStatus = "Major Update";
    p.installSupport = "Install and Uninstall";
    p.releaseDay = "07";
    p.releaseMonth = "03";
    p.releaseYear = "2005";
    p.priceDollars = "19,95";
    p.priceOther = "17";
    p.currency = "EUR";
    p.hasExpireInfo = "Y";
    p.expireCount = "30";
    p.expireBasedOn = "Days";
    p.expireOtherInfo = "Watermark on saved images";
    p.includesJavaVm = "N";
    p.includesVbRuntime = "N";
    p.includesDirectX = "Y";
    p.filenameVersioned = "resizer21.exe";
    p.fileSizeBytes = "3,000,000";
    p.fileSizeK = "2930";
    p.fileSizeMb = "2.86";
    const catalogue::OsSelection os = catalogue::DecodeOsList("Win95,Win98,Windows2000,WinXP");
    p.osList = catalogue::EncodeOsList(os);
    p.osShortList = catalogue::OsShortList(os);
    p.languageList = "English,German,Chinise Traditional";
    p.mainLanguage = "English";
    p.extraLanguages = "German,Chinise Traditional";
    p.changeInfo = "Faster resizing. ";
    p.eula = "Use at your own risk.";
    p.permissions = "Free to distribute.";

    catalogue::CompanyInfo& c = values.company;
    c.name = "Acme Soft";
    c.address1 = "1 Main Street";
    c.city = "Springfield";
    c.zip = "12345";
    c.country = "United Kingdom";
    c.webSiteUrl = "http://www.acme.example";
    c.contactFirstName = "Jane";
    c.contactEmail = "jane@acme.example";
    c.generalEmail = "info@acme.example";
    c.salesEmail = "sales@acme.example";
    c.supportEmail = "help@acme.example";
    c.faxPhone = "555-0199";
    c.aspMemberNumber = "A-77";
    values.aspMember = "Y";
    values.aspMemberDigit = "1";
    values.tpaMember = "N";
    values.tpaMemberDigit = "0";

    catalogue::ProductUrls& u = values.web.urls;
    u.infoUrl = "https://www.acme.example/resizer";
    u.screenshotUrl = "www.acme.example/shot.png";
    u.xmlFileUrl = "http://www.acme.example/resizer.xml";
    u.primaryDownloadUrl = "ftp://ftp.acme.example/pub/resizer21.zip";
    u.orderUrl = "http://www.acme.example/buy";
    values.web.downloadFtp = u.primaryDownloadUrl;
    values.web.padPath = "-empty text-";
    values.web.filePath = "-empty binary-";
    values.web.iconPath = "-empty binary-";
    values.web.screenshotPath = "-empty binary-";

    catalogue::AffiliateValues& a = values.affiliates;
    a.regNowId = "1234-5";
    a.regNowCompanyId = "1234";
    a.regNowOrderUrl = "https://www.regnow.com/softsell/nph-softsell.cgi?item=1234-5";
    a.shareItId = "300100";
    a.shareItCompanyId = "2001";
    a.shareItOrderUrl = "http://www.shareit.com/product.html?productid=300100";
    a.affiliateOrderUrl = a.regNowOrderUrl;
    values.registration.registrationCode = "RC-2222";

    values.descriptions.push_back({u"English",
                                   u"Resize photos in batches",
                                   u"Resize   many photos at once",
                                   u"  Photo Resizer resizes photos.",
                                   u"A long text",
                                   u"A longer text",
                                   u"photo, resize, batch, image"});
    values.descriptions.push_back({u"German",
                                   u"Fotos verkleinern",
                                   u"Viele Fotos auf einmal verkleinern",
                                   u"Gr\u00f6\u00dfen \u00e4ndern \u2192 schnell.",
                                   u"Ein langer Text",
                                   u"Ein l\u00e4ngerer Text",
                                   u"foto, bild"});
    values.keywords = {"photo", "resize", "batch", "image", ""};
    return values;
}

void SetMember(sites::SitesR& site, std::string_view extension, const std::vector<std::string>& lines)
{
    const sites::PackageMember* member = sites::FindPackageMember(extension);
    ASSERT_NE(member, nullptr) << extension;
    std::string text = store::JoinLines(store::LineList(lines));
    if (member->encoded) {
        store::Result<std::string> encoded = sites::EncodeSiteText(text, TestKey());
        ASSERT_TRUE(encoded.HasValue()) << encoded.GetError().message;
        text = encoded.Value();
    }
    sites::SetMemberText(site, *member, std::move(text));
}

ScriptRun::ScriptRun() = default;

int ScriptRun::AddSite(const std::string& name, const std::string& category)
{
    sites::SitesR& site = m_table.sites.emplace_back();
    site.Name = name;
    site.Category = category;
    site.Loaded = true;
    return static_cast<int>(m_table.sites.size() - 1);
}

void ScriptRun::Prepare(catalogue::ProductValues product)
{
    RunEnvironment environment;
    environment.table = &m_table;
    environment.key = TestKey();
    environment.today = {2024, 3, 9};
    environment.randomSeed = 7;
    environment.specials.names = {"D1 Site", "D2 Site", "D3 Site", "D4 Site", "D5 Site", "D6 Site", "D7"};
    environment.specials.downloadThatTerms = "Line one\r\nLine two";
    environment.specials.d4Pairs = {{"111111", "222222"}, {"333333", "444444"}};
    environment.specials.d6AffiliateEmail = "aff@d6.example";
    environment.specials.d6DeveloperEmail = "dev@d6.example";
    PrepareRunValues(m_values, std::move(product), std::move(environment));
}

void ScriptRun::StartAt(int position, const catalogue::AccountsList& accounts)
{
    StartSiteValues(m_values, position, accounts);
    PrepareStepValues(m_values);
}

std::string ScriptRun::Expand(std::string_view text)
{
    return ExpandMacros(m_values, text);
}

} // namespace listrider::engine::testing
