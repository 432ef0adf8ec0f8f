#include <gtest/gtest.h>

#include "catalogue/operating_systems.h"
#include "sites/product_os_text.h"
#include "sites/suitability.h"
#include "store/date_time.h"

namespace listrider::sites {
namespace {

catalogue::OsSelection Os(std::initializer_list<std::string_view> captions)
{
    catalogue::OsSelection selection;
    for (const std::string_view caption : captions) {
        const std::size_t index = catalogue::FindOs(caption);
        EXPECT_LT(index, catalogue::kOsCount) << caption;
        if (index < catalogue::kOsCount) {
            selection.ticked[index] = true;
        }
    }
    return selection;
}

SuitabilityProduct Product(std::string type = "Shareware", std::string version = "2.0")
{
    SuitabilityProduct product;
    product.type = std::move(type);
    product.version = std::move(version);
    product.category = "Utilities";
    product.osText = ProductOsText(Os({"Windows XP"}));
    product.linksPage = "http://links.example/";
    return product;
}

SitesR Site(std::string name = "Site")
{
    SitesR site;
    site.Name = std::move(name);
    site.Submitted.clear();
    site.OsSupport = "Windows"; // as the index gives a site that names no system
    return site;
}

const double kToday = store::DateTimeNumber({2024, 5, 20}, 12);

TEST(ProductOsTextTest, MapsEachCheckedCaption)
{
    EXPECT_EQ(
        ProductOsText(Os({"Windows 3.1x", "Windows 95", "Windows ME", "Windows NT 4.x", "Windows 2000"})),
        "Win 3.1x,Win95,WinME,WinNT 4.x,Windows2000");
    EXPECT_EQ(ProductOsText(Os({"Windows XP", "Windows 2003", "Windows CE", "Palm OS 3.1", "Mac OS X"})),
              "WinXP,Windows2003,Windows CE,Palm OS 3.1,Mac OS X");
    EXPECT_EQ(ProductOsText(Os({})), "");
}

TEST(SuitabilityTest, OperatingSystems)
{
    const struct
    {
        const char* osSupport;
        std::initializer_list<std::string_view> product;
        bool suits;
    } cases[] = {
        {"Windows", {"Windows XP"}, true},
        {"Mac", {"Windows XP"}, false},
        {"ALL", {"Linux"}, true},
        {"Windows", {"Linux"}, false},
        {"Windows, Palm", {"Palm OS 4.0"}, true},
        {"palm", {"Palm OS 5"}, true},
        {"WinCE", {"Windows CE"}, true},
        {"Pocket PC", {"Pocket PC"}, true},
        {"MS-DOS", {"MS-DOS"}, true},
        {"OS/2", {"OS/2 Warp"}, true},
        {"Mac", {"MAC 68k"}, true},
        {"BeOS", {"BEOS"}, true},
        {"Linux", {"Linux"}, false}, // a word the rules do not know
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.osSupport);
        SitesR site = Site();
        site.OsSupport = c.osSupport;
        EXPECT_EQ(SuitsOs(site, ProductOsText(Os(c.product))), c.suits);
        SuitabilityProduct product = Product();
        product.osText = ProductOsText(Os(c.product));
        EXPECT_EQ(SiteMark(site, product, kToday), c.suits ? marks::kReady : marks::kWrongOs);
    }
}

TEST(SuitabilityTest, TypesOfProgram)
{
    const struct
    {
        const char* accepts;
        const char* type;
        const char* category;
        bool suits;
    } cases[] = {
        {"Freeware only", "Shareware", "Utilities", false},
        {"Freeware only", "Adware", "Utilities", true},
        {"Freeware only", "Freeware", "Utilities", true},
        {"All", "Shareware", "Utilities", true},
        {"Games only", "Shareware", "Utilities", false},
        {"Games only", "Shareware", "Games - Arcade", true},
        {"Free games", "Shareware", "Games", false},
        {"shareware only", "Freeware", "Utilities", false},
        {"shareware only", "Adware", "Utilities", false},
        {"shareware only", "Demo", "Utilities", true},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.accepts) + " / " + c.type);
        SitesR site = Site();
        site.Accepts = c.accepts;
        SuitabilityProduct product = Product(c.type);
        product.category = c.category;
        EXPECT_EQ(SiteMark(site, product, kToday), c.suits ? marks::kReady : marks::kWrongType);
    }
}

TEST(SuitabilityTest, ProductCategoryFallsBackToTheFastCategory)
{
    catalogue::Product product;
    product.category.fastCategory = "Games - Arcade";
    EXPECT_EQ(SuitabilityOf(product).category, "Games - Arcade");
    product.category.padSpecificCategory = "Utilities";
    EXPECT_EQ(SuitabilityOf(product).category, "Utilities");
    product.affiliates.eSellerateCompanyId = "STR1";
    product.affiliates.shareItCompanyId = "200";
    EXPECT_EQ(SuitabilityOf(product).eSellerateId, "STR1");
    EXPECT_EQ(SuitabilityOf(product).shareItCompanyId, "200");
}

TEST(SuitabilityTest, AffiliateProgramRequired)
{
    SitesR site = Site();
    site.Affiliate = "Required";
    site.RegNowAffiliate = "supported";
    SuitabilityProduct product = Product();
    product.regNowId = "1234-5";
    EXPECT_EQ(SiteMark(site, product, kToday), marks::kReady);
    product.regNowId.clear();
    product.shareItCompanyId = "200";
    EXPECT_EQ(SiteMark(site, product, kToday), marks::kNeedsAffiliate);
    site.ShareItAffiliate = "supported";
    EXPECT_EQ(SiteMark(site, product, kToday), marks::kReady);

    // Every service "-": no identifier can serve.
    SitesR demanding = Site();
    demanding.Affiliate = "required";
    product.regNowId = "1234-5";
    EXPECT_EQ(SiteMark(demanding, product, kToday), marks::kNeedsAffiliate);
    demanding.Affiliate = "-";
    EXPECT_EQ(SiteMark(demanding, product, kToday), marks::kReady);
}

TEST(SuitabilityTest, BackLink)
{
    SitesR site = Site();
    site.LinkRequired = "YES";
    SuitabilityProduct product = Product();
    EXPECT_EQ(SiteMark(site, product, kToday), marks::kReady);
    for (const char* empty : {"", "http://"}) {
        product.linksPage = empty;
        EXPECT_EQ(SiteMark(site, product, kToday), marks::kNeedsBackLink);
    }
    site.LinkRequired = "Yes";
    EXPECT_EQ(SiteMark(site, product, kToday), marks::kReady);
}

TEST(SuitabilityTest, ResubmissionWaits)
{
    const struct
    {
        int daysAgo;
        const char* versionSubmitted;
        const char* productVersion;
        int mark;
    } cases[] = {
        {8, "2.0", "2.1", marks::kUpdateTooSoon},
        {8, "2.0", "2.0", marks::kResubmitTooSoon},
        {11, "2.0", "2.1", marks::kReady},
        {24, "2.0", "2.0", marks::kResubmitTooSoon},
        {26, "2.0", "2.0", marks::kReady},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.daysAgo) + " days, " + c.productVersion);
        SitesR site = Site();
        site.Submitted = store::FormatDateTimeNumber(kToday - c.daysAgo, '.');
        site.VersionSubmitted = c.versionSubmitted;
        EXPECT_EQ(SiteMark(site, Product("Shareware", c.productVersion), kToday), c.mark);
        // A status written with the other decimal mark protects the site just the same.
        site.Submitted = store::FormatDateTimeNumber(kToday - c.daysAgo + 0.25, ',');
        EXPECT_EQ(SiteMark(site, Product("Shareware", c.productVersion), kToday), c.mark);
        site.Skipped = true;
        EXPECT_EQ(SiteMark(site, Product("Shareware", c.productVersion), kToday), marks::kReady);
    }
    SitesR never = Site();
    never.Submitted = "";
    EXPECT_EQ(SiteMark(never, Product(), kToday), marks::kReady);
}

TEST(SuitabilityTest, MinimumVersionWithAPointInAnyLocale)
{
    SitesR site = Site();
    for (const auto& [minimum, mark] : std::initializer_list<std::pair<const char*, int>>{
             {"1.5", marks::kNeedsNewerProgram},
             {"1.32", marks::kReady},
             {"1.0", marks::kReady},
             {"1,5", marks::kReady}, // not a number with a point
             {"", marks::kReady}}) {
        SCOPED_TRACE(minimum);
        site.MinimumVersion = minimum;
        EXPECT_EQ(SiteMark(site, Product(), kToday), mark);
    }
}

TEST(SuitabilityTest, LaterRulesWin)
{
    SitesR site = Site();
    site.LinkRequired = "YES";
    site.OsSupport = "Mac";
    site.Accepts = "Freeware only";
    site.MinimumVersion = "9.0";
    SuitabilityProduct product = Product();
    product.linksPage.clear();
    EXPECT_EQ(SiteMark(site, product, kToday), marks::kNeedsNewerProgram);
    site.MinimumVersion = "1.0";
    EXPECT_EQ(SiteMark(site, product, kToday), marks::kWrongType);
    site.Accepts = "All";
    EXPECT_EQ(SiteMark(site, product, kToday), marks::kWrongOs);
    site.OsSupport = "Windows";
    EXPECT_EQ(SiteMark(site, product, kToday), marks::kNeedsBackLink);
}

class MarkingPassTest : public ::testing::Test
{
protected:
    MarkingPassTest()
    {
        SitesR ready = Site("Ready");
        ready.Listed = "YES";
        ready.VersionSubmitted = "2.0";
        SitesR linked = Site("Linked");
        linked.LinkRequired = "YES";
        SitesR excluded = Site("\xe8\xf1\xea\xeb"); // small Cyrillic letters in Windows-1251
        SitesR mac = Site("Mac Site");
        mac.OsSupport = "Mac";
        mac.Listed = "yes";
        SitesR hidden = Site("Hidden"); // not in the list: still counted in the totals
        hidden.VersionSubmitted = "2.0";
        m_table.sites = {ready, linked, excluded, mac, hidden};
        m_list.RefreshColumns(DefaultColumns());
        const FilterSettings filter = ShowAllFilter(0);
        const catalogue::AccountsList accounts;
        const std::vector<std::string> blacklist = {"Hidden"};
        m_list.RefreshSites(m_table, {filter, blacklist, accounts, "2.0", false});
        for (SiteRow& row : m_list.Rows()) {
            row.checked = true;
        }
    }

    int ImageOf(std::string_view name)
    {
        const SiteRow* row = m_list.FindRow(name);
        return row == nullptr ? -1 : row->image;
    }

    SiteTable m_table;
    SiteList m_list;
};

TEST_F(MarkingPassTest, MarksUncheckAndCount)
{
    SuitabilityProduct product = Product();
    product.linksPage.clear();
    // The exclusion list names the site in capitals (Cyrillic letters upper-cased too), and the
    // linked site, whose back-link mark wins over the fast-category mark.
    const std::vector<std::string> exclusions = {"\xc8\xd1\xca\xcb", "LINKED"};
    const SiteCounters counters =
        ApplySuitabilityMarks(m_list, m_table, {product, exclusions, false, kToday});
    EXPECT_EQ(ImageOf("Ready"), marks::kReady);
    EXPECT_EQ(ImageOf("Linked"), marks::kNeedsBackLink);
    EXPECT_EQ(ImageOf("\xe8\xf1\xea\xeb"), marks::kNotInFastCategory);
    EXPECT_EQ(ImageOf("Mac Site"), marks::kWrongOs);
    EXPECT_EQ(m_list.CheckedSites(), (std::vector<std::string>{"Ready"}));
    EXPECT_EQ(counters, (SiteCounters{4, 5, 2, 1}));

    const SiteCounters hiding = ApplySuitabilityMarks(m_list, m_table, {product, exclusions, true, kToday});
    EXPECT_EQ(hiding, (SiteCounters{1, 5, 2, 1}));
    ASSERT_EQ(m_list.Rows().size(), 1u);
    EXPECT_EQ(m_list.Rows()[0].name, "Ready");
}

TEST(MarkLegendTest, ListsTheMarksInLegendOrder)
{
    std::vector<int> images;
    for (const MarkLegend& entry : MarkLegends()) {
        images.push_back(entry.image);
    }
    EXPECT_EQ(images, (std::vector<int>{0, 2, 1, 3, 8, 9, 10, 14, 13}));
    EXPECT_EQ(MarkText(8), "The site does not accepts programs for the chosen OS");
    EXPECT_EQ(MarkText(5), "");
}

TEST(AffiliateMarksTest, RequiredSitesNeedACheckedService)
{
    std::vector<AffiliateRow> rows = {
        {"Needs RegNow", "supported", "-", "-", "-", "Required"},
        {"All dashes", "-", "-", "-", "-", "Required"},
        {"Optional", "-", "-", "-", "-", "Optional"},
    };
    catalogue::AffiliateSupport support;
    ApplyAffiliateMarks(rows, support);
    EXPECT_EQ(rows[0].image, marks::kNeedsAffiliate);
    EXPECT_EQ(rows[1].image, marks::kNeedsAffiliate);
    EXPECT_EQ(rows[2].image, marks::kReady);
    support.regNow = true;
    support.shareIt = true;
    ApplyAffiliateMarks(rows, support);
    EXPECT_EQ(rows[0].image, marks::kReady);
    EXPECT_EQ(rows[1].image, marks::kNeedsAffiliate);
}

} // namespace
} // namespace listrider::sites
