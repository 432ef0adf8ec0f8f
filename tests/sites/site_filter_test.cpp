#include <gtest/gtest.h>

#include "sites/site_filter.h"
#include "store/date_time.h"
#include "store/file_io.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::sites {
namespace {

catalogue::AccountRow Account(std::string site, std::string login = {}, std::string password = {})
{
    catalogue::AccountRow row;
    row.siteName = std::move(site);
    row.login = std::move(login);
    row.password = std::move(password);
    return row;
}

SitesR Site(std::string name)
{
    SitesR site;
    site.Name = std::move(name);
    site.Submitted.clear();
    site.Accepts = "Commercial";
    return site;
}

catalogue::AccountsList AccountsFor(std::initializer_list<std::string> sites)
{
    catalogue::AccountsList accounts;
    for (const std::string& site : sites) {
        accounts.rows.push_back(Account(site));
    }
    return accounts;
}

// Each row: a site of one kind, which its flag alone hides when it is off.
TEST(SiteFilterTest, EachFlagHidesItsKindOfSiteWhenOff)
{
    struct Case
    {
        FilterFlag flag;
        void (*make)(SitesR&);
    };

    const Case cases[] = {
        {FilterFlag::Shareware,
         [](SitesR& s) {
             s.Accepts = "All";
         }},
        {FilterFlag::Freeware,
         [](SitesR& s) {
             s.Accepts = "Freeware only";
         }},
        {FilterFlag::Games,
         [](SitesR& s) {
             s.Accepts = "Games only";
         }},
        {FilterFlag::Submitted,
         [](SitesR& s) {
             s.Submitted = "39450,5";
         }},
        {FilterFlag::NotSubmitted,
         [](SitesR& s) {
             s.Submitted = "0";
         }},
        {FilterFlag::LatestListed,
         [](SitesR& s) {
             s.VersionListed = "2.0";
         }},
        {FilterFlag::LatestSubmitted,
         [](SitesR& s) {
             s.VersionSubmitted = "2.0";
         }},
        {FilterFlag::OlderListed,
         [](SitesR& s) {
             s.VersionListed = "1.0";
         }},
        {FilterFlag::NotListed,
         [](SitesR& s) {
             s.Listed = "NO";
         }},
        {FilterFlag::Affiliate,
         [](SitesR& s) {
             s.Affiliate = "Required";
         }},
        {FilterFlag::RegNowAff,
         [](SitesR& s) {
             s.RegNowAffiliate = "Supported";
         }},
        {FilterFlag::ShareItAff,
         [](SitesR& s) {
             s.ShareItAffiliate = "supported";
         }},
        {FilterFlag::RegSoftAff,
         [](SitesR& s) {
             s.RegSoftAffiliate = "supported";
         }},
        {FilterFlag::ESellerateAff,
         [](SitesR& s) {
             s.ESellerateAffiliate = "supported";
         }},
        {FilterFlag::Pad,
         [](SitesR& s) {
             s.PadSupport = "YES";
         }},
        {FilterFlag::ReqAuth,
         [](SitesR& s) {
             s.Name = "Needs Account";
         }},
    };
    const catalogue::AccountsList accounts = AccountsFor({"Needs Account"});
    FilterSettings all = ShowAllFilter(store::DateTimeNumber({2024, 5, 1}));
    // A plain site: no account, so "Not requires authentication" is the flag that hides it.
    SitesR plain = Site("Plain");
    plain.Submitted = "0";
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.flag));
        SitesR site = Site("Some Site");
        c.make(site);
        FilterSettings settings = all;
        EXPECT_TRUE(SiteFilter(settings, "2.0", accounts).Matches(site));
        settings.SetFlag(c.flag, false);
        EXPECT_FALSE(SiteFilter(settings, "2.0", accounts).Matches(site));
        if (c.flag != FilterFlag::NotSubmitted) {
            EXPECT_TRUE(SiteFilter(settings, "2.0", accounts).Matches(plain));
        }
    }
    FilterSettings noPlain = all;
    noPlain.SetFlag(FilterFlag::NotReqAuth, false);
    EXPECT_FALSE(SiteFilter(noPlain, "2.0", accounts).Matches(plain));
}

TEST(SiteFilterTest, ValuesThatDoNotCountAsTheirKind)
{
    FilterSettings settings = ShowAllFilter(0);
    for (FilterFlag flag : {FilterFlag::Submitted,
                            FilterFlag::LatestListed,
                            FilterFlag::OlderListed,
                            FilterFlag::NotListed,
                            FilterFlag::Affiliate,
                            FilterFlag::RegNowAff}) {
        settings.SetFlag(flag, false);
    }
    const catalogue::AccountsList accounts;
    SitesR site = Site("Quiet");
    site.Submitted = " "; // never submitted
    site.VersionListed = "-";
    site.Listed = "-";
    site.Affiliate = "-";
    site.RegNowAffiliate = "-";
    EXPECT_TRUE(SiteFilter(settings, "2.0", accounts).Matches(site));
    site.Listed = "no"; // only "NO" means not listed
    EXPECT_TRUE(SiteFilter(settings, "2.0", accounts).Matches(site));
}

TEST(SiteFilterTest, SharewareOffHidesAllSitesButKeepsFreewareOnes)
{
    FilterSettings settings = ShowAllFilter(0);
    settings.SetFlag(FilterFlag::Shareware, false);
    const catalogue::AccountsList accounts;
    SitesR all = Site("All");
    all.Accepts = "All";
    SitesR free = Site("Free");
    free.Accepts = "Freeware only";
    const SiteFilter filter(settings, "1.0", accounts);
    EXPECT_FALSE(filter.Matches(all));
    EXPECT_TRUE(filter.Matches(free));
}

TEST(SiteFilterTest, NotSubmittedAfterHidesLaterDatesOfEitherForm)
{
    FilterSettings settings = ShowAllFilter(0);
    settings.SetFlag(FilterFlag::SubmittedBefore, true);
    settings.submittedBeforeDate = store::DateTimeNumber({2024, 3, 10}, 9, 30);
    const catalogue::AccountsList accounts;

    const struct
    {
        const char* submitted;
        bool shown;
    } cases[] = {
        {"", true},
        {"-", true},
        {"0", true},
        {"45361.75", true},  // 10 March 2024 in the evening: the same day
        {"45362", false},    // 11 March 2024
        {"45362,25", false}, // written with a decimal comma
        {"09-Mar-2024", true},
        {"11-mar-2024", false},
        {"11-03-2024", false},
        {"garbage", true},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.submitted);
        SitesR site = Site("Dated");
        site.Submitted = c.submitted;
        EXPECT_EQ(SiteFilter(settings, "1.0", accounts).Matches(site), c.shown);
    }
    settings.SetFlag(FilterFlag::SubmittedBefore, false);
    SitesR later = Site("Later");
    later.Submitted = "45400";
    EXPECT_TRUE(SiteFilter(settings, "1.0", accounts).Matches(later));
}

TEST(SiteFilterTest, LanguageSettingKeepsOnlyItsLanguages)
{
    FilterSettings settings = ShowAllFilter(0);
    const catalogue::AccountsList accounts;
    SitesR german = Site("Deutsch");
    german.Language = "German";
    settings.language = "English, german, ";
    EXPECT_TRUE(SiteFilter(settings, "1.0", accounts).Matches(german));
    settings.language = "English, ";
    EXPECT_FALSE(SiteFilter(settings, "1.0", accounts).Matches(german));
    settings.language = "ALL";
    EXPECT_TRUE(SiteFilter(settings, "1.0", accounts).Matches(german));
}

TEST(SiteFilterTest, UseFilterMapsHiddenSitesToMinusOne)
{
    SiteTable table;
    table.sites = {Site("A"), Site("B"), Site("C")};
    table.sites[1].Accepts = "Games only";
    FilterSettings settings = ShowAllFilter(0);
    settings.SetFlag(FilterFlag::Games, false);
    const catalogue::AccountsList accounts;
    EXPECT_EQ(UseFilter(table, SiteFilter(settings, "1.0", accounts)), (std::vector<int>{0, -1, 2}));
}

TEST(SiteFilterTest, FileRoundTripAndReading)
{
    testsupport::TempDir workspace;
    const double now = store::DateTimeNumber({2024, 5, 1}, 12);

    // No filter.ini: every site shown.
    const FilterSettings fresh = LoadFilter(workspace.Path(), now);
    EXPECT_EQ(fresh, ShowAllFilter(now));
    EXPECT_FALSE(fresh.Flag(FilterFlag::SubmittedBefore));

    FilterSettings saved = fresh;
    saved.SetFlag(FilterFlag::SubmittedBefore, true);
    saved.SetFlag(FilterFlag::Games, false);
    saved.submittedBeforeDate = store::DateTimeNumber({2024, 2, 29});
    saved.language = "English, German, ";
    ASSERT_OK(SavefILTER(workspace.Path(), saved));
    const std::string text = testsupport::ReadBytes(workspace / "filter.ini");
    EXPECT_EQ(text.substr(0, 40), "<Shareware>Y</Shareware>\r\n<Freeware>Y</F");
    EXPECT_NE(text.find("<Submitted_Before>Y</Submitted_Before>\r\n<Submitted_Before_Date>45351"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("<Site_Language>English, German, </Site_Language>"));
    // A restart keeps "Not submitted after" on.
    EXPECT_EQ(LoadFilter(workspace.Path(), now + 3), saved);

    // Lines are read by their own tags in any case; missing ones keep the reset values.
    workspace.Write("filter.ini",
                    "<req_AUTH>Y</Req_auth>\r\n<Submitted_Before_Date>45000</Submitted_Before_Date>\r\n"
                    "<Games>Y</Games>");
    const FilterSettings read = LoadFilter(workspace.Path(), now);
    FilterSettings expected = ResetFilter(now);
    expected.submittedBeforeDate = 45000;
    expected.SetFlag(FilterFlag::ReqAuth, true);
    expected.SetFlag(FilterFlag::Games, true);
    EXPECT_EQ(read, expected);
    EXPECT_FALSE(read.Flag(FilterFlag::SubmittedBefore));
    EXPECT_TRUE(read.Flag(FilterFlag::LatestSubmitted));
}

TEST(SiteFilterTest, LanguageListOfTheDialog)
{
    SiteTable table;
    for (const char* language : {"English", "German", "English", "Russian"}) {
        SitesR site = Site(language);
        site.Language = language;
        table.sites.push_back(site);
    }
    std::vector<FilterLanguage> languages = FilterLanguages(table, "German, ");
    ASSERT_EQ(languages.size(), 3u);
    EXPECT_EQ(languages[0].language, "English");
    EXPECT_FALSE(languages[0].checked);
    EXPECT_TRUE(languages[1].checked);
    EXPECT_EQ(LanguageSetting(languages), "German, ");

    for (FilterLanguage& language : languages) {
        language.checked = true;
    }
    // All checked: "ALL", so languages of a later database are shown too.
    EXPECT_EQ(LanguageSetting(languages), "ALL");
    for (const FilterLanguage& language : FilterLanguages(table, "ALL")) {
        EXPECT_TRUE(language.checked);
    }
}

} // namespace
} // namespace listrider::sites
