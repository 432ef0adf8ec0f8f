#include <gtest/gtest.h>

#include "sites/package_members.h"
#include "sites/site_database_builder.h"
#include "sites/site_database_unpacker.h"
#include "sites/site_file_lines.h"
#include "sites/site_fixtures.h"
#include "sites/site_integrity.h"
#include "sites/site_packages.h"
#include "sites/source_text.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::sites {
namespace {

namespace fs = std::filesystem;

const fs::path kFixture = fs::path(LISTRIDER_TEST_DATA) / "sites" / "source";
const store::SiteKey kKey{"LR-SiteData-7316", "Korvane"};

SiteDatabaseSource Fixture()
{
    store::Result<SiteDatabaseSource> source = ReadSiteSource(kFixture);
    EXPECT_TRUE(source.HasValue()) << (source.HasValue() ? "" : source.GetError().message);
    return source.HasValue() ? source.Value() : SiteDatabaseSource{};
}

void ExpectSameSource(const SiteDatabaseSource& a, const SiteDatabaseSource& b)
{
    ASSERT_EQ(a.sites.size(), b.sites.size());
    for (std::size_t i = 0; i < a.sites.size(); ++i) {
        SCOPED_TRACE(a.sites[i].name);
        EXPECT_EQ(a.sites[i].name, b.sites[i].name);
        EXPECT_EQ(a.sites[i].header, b.sites[i].header);
        ASSERT_EQ(a.sites[i].members.size(), b.sites[i].members.size());
        for (std::size_t m = 0; m < a.sites[i].members.size(); ++m) {
            EXPECT_EQ(a.sites[i].members[m].extension, b.sites[i].members[m].extension);
            EXPECT_EQ(a.sites[i].members[m].text, b.sites[i].members[m].text);
        }
    }
    EXPECT_EQ(a.fastCategories.present, b.fastCategories.present);
    EXPECT_EQ(a.fastCategories.info, b.fastCategories.info);
    ASSERT_EQ(a.fastCategories.members.size(), b.fastCategories.members.size());
    for (std::size_t m = 0; m < a.fastCategories.members.size(); ++m) {
        EXPECT_EQ(a.fastCategories.members[m].name, b.fastCategories.members[m].name);
        EXPECT_EQ(a.fastCategories.members[m].bytes, b.fastCategories.members[m].bytes);
    }
}

TEST(SourceTextTest, LineEndsBetweenFilesAndTexts)
{
    struct Case
    {
        std::string file;
        std::string text;
    };

    for (const Case& c : std::vector<Case>{{"a\nb\n", "a\r\nb\r\n"},
                                           {"a\r\nb", "a\r\nb"},
                                           {"", ""},
                                           {"\n\n", "\r\n\r\n"},
                                           {"lone\rcr", "lone\rcr"}}) {
        EXPECT_EQ(TextFromSourceFile(c.file), c.text);
        const std::optional<std::string> back = SourceFileFromText(c.text);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(TextFromSourceFile(*back), c.text);
    }
    EXPECT_FALSE(SourceFileFromText("a lone\nline feed").has_value());
    EXPECT_FALSE(SourceFileFromText("a\r\r\nb").has_value());
}

TEST(SiteDatabaseTest, TheFixtureBuildsAndEveryMemberReadsBackAsWritten)
{
    const SiteDatabaseSource source = Fixture();
    ASSERT_EQ(source.sites.size(), 4u);
    testsupport::TempDir workspace;
    const store::Result<BuildReport> report = BuildSiteDatabase(source, workspace.Path(), kKey);
    ASSERT_OK(report);
    EXPECT_EQ(report.Value().packages, 4u);
    EXPECT_TRUE(report.Value().fastCategories);

    SiteTable table = LoadSites(workspace.Path());
    CheckSitesComplexity(table, workspace.Path());
    ASSERT_EQ(table.sites.size(), 3u); // "Old Site" is disabled
    EXPECT_EQ(table.sites[0].Name, "Alpha Soft");
    EXPECT_EQ(table.sites[1].Name, "Searchy");
    EXPECT_EQ(table.sites[2].Name, "MailBox Downloads");
    EXPECT_EQ(table.sites[1].Accepts, "Freeware only");

    ScratchDir scratch(workspace.Path());
    SitePackages packages(workspace.Path(), scratch);
    for (const SiteSource& site : source.sites) {
        const int position = FindDBIndex(table, site.name);
        if (site.name == "Old Site") {
            EXPECT_EQ(position, -1);
            continue;
        }
        SCOPED_TRACE(site.name);
        packages.LoadCurrentSite(table, site.name);
        const SitesR& record = table.sites[static_cast<std::size_t>(position)];
        for (const SourceMember& member : site.members) {
            SCOPED_TRACE(member.extension);
            const PackageMember* kind = FindPackageMember(member.extension);
            ASSERT_NE(kind, nullptr);
            if (kind->presenceOnly) {
                EXPECT_TRUE(record.HasPrb);
                continue;
            }
            const std::string_view stored = MemberText(record, *kind);
            EXPECT_EQ(kind->encoded ? store::DecodeSiteText(stored, kKey) : std::string(stored), member.text);
            EXPECT_EQ(kind->encoded, stored != member.text);
            if (member.extension != "cod") {
                EXPECT_EQ(SiteFileLines(table, site.name + "." + member.extension, true, kKey).ToStrings(),
                          store::LineList::FromText(member.text).ToStrings());
            }
        }
    }

    const store::Result<ZipContents> fast = ReadZipMembers(workspace / "Sites" / "fastcats.dat");
    ASSERT_OK(fast);
    ASSERT_EQ(fast.Value().members.size(), 3u);
    EXPECT_EQ(fast.Value().members[0].name, "Categories.lst");
    EXPECT_EQ(fast.Value().members[0].bytes, "Games - Arcade\r\nUtilities - File Managers\r\n");
    EXPECT_EQ(testsupport::ReadBytes(workspace / "Sites" / "fastcatsinfo.dat"), "3\r\n");
}

TEST(SiteDatabaseTest, UnpackThenBuildGivesTheSameTexts)
{
    SiteDatabaseSource source = Fixture();
    // A text whose lone line feed a plain file cannot hold travels as exact bytes.
    source.sites[0].members.push_back(SourceMember{"bet", "lone\nline feed\r\nnext"});
    testsupport::TempDir dir;
    ASSERT_OK(BuildSiteDatabase(source, dir / "ws", kKey));

    store::Result<UnpackedDatabase> unpacked = UnpackSiteDatabase(dir / "ws", kKey);
    ASSERT_OK(unpacked);
    ExpectSameSource(source, unpacked.Value().source);
    ASSERT_OK(WriteSiteSource(unpacked.Value().source, dir / "out"));
    EXPECT_TRUE(fs::exists(dir / "out" / "sites" / "Alpha Soft" / "bet.raw"));
    EXPECT_TRUE(fs::exists(dir / "out" / "sites" / "Alpha Soft" / "sub.txt"));
    EXPECT_ERROR_KIND(WriteSiteSource(unpacked.Value().source, dir / "out"), store::ErrorKind::Refused);

    store::Result<SiteDatabaseSource> reread = ReadSiteSource(dir / "out");
    ASSERT_OK(reread);
    ExpectSameSource(source, reread.Value());
    ASSERT_OK(BuildSiteDatabase(reread.Value(), dir / "ws2", kKey));
    store::Result<UnpackedDatabase> again = UnpackSiteDatabase(dir / "ws2", kKey);
    ASSERT_OK(again);
    ExpectSameSource(source, again.Value().source);
}

TEST(SiteDatabaseTest, OnePackageUnpacksWithItsHeaderFromTheIndexBesideIt)
{
    testsupport::TempDir dir;
    ASSERT_OK(BuildSiteDatabase(Fixture(), dir / "ws", kKey));
    store::Result<UnpackedDatabase> one = UnpackSitePackage(dir / "ws" / "Sites" / "Searchy.dat", kKey);
    ASSERT_OK(one);
    ASSERT_EQ(one.Value().source.sites.size(), 1u);
    EXPECT_EQ(one.Value().source.sites[0].header, Fixture().sites[1].header);
    EXPECT_EQ(one.Value().source.sites[0].members.size(), 7u);

    fs::copy_file(dir / "ws" / "Sites" / "Searchy.dat", dir / "Searchy.dat");
    store::Result<UnpackedDatabase> alone = UnpackSitePackage(dir / "Searchy.dat", kKey);
    ASSERT_OK(alone);
    EXPECT_EQ(alone.Value().source.sites[0].header, std::vector<std::string>{"<SITENAME>Searchy</SITENAME>"});
}

TEST(SiteDatabaseTest, BuildRefusesSourcesThatWouldWriteUnsafeOrBrokenDatabases)
{
    struct Case
    {
        const char* what;
        std::string name;
        std::string text;
    };

    const std::vector<Case> cases = {
        {"a slash", "../evil", "x"},
        {"a backslash", "a\\b", "x"},
        {"dot dot", "..", "x"},
        {"a NUL", std::string("a\0b", 3), "x"},
        {"no name", "", "x"},
        {"an unencodable step", "Fine", std::string(2, '\0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempDir workspace;
        SiteDatabaseSource source;
        source.sites.push_back(
            SiteSource{c.name, {"<SITENAME>" + c.name + "</SITENAME>"}, {{"sub", c.text}}});
        EXPECT_ERROR_KIND(BuildSiteDatabase(source, workspace.Path(), kKey), store::ErrorKind::Malformed);
        EXPECT_FALSE(fs::exists(workspace / "Sites"));
    }
    testsupport::TempDir workspace;
    SiteDatabaseSource twice;
    twice.sites.push_back(SiteSource{"Same", {"<SITENAME>Same</SITENAME>"}, {{"sub", "a"}}});
    twice.sites.push_back(twice.sites.front());
    EXPECT_ERROR_KIND(BuildSiteDatabase(twice, workspace.Path(), kKey), store::ErrorKind::Malformed);
}

TEST(SiteDatabaseTest, SourceTreesWithUnknownOrMisplacedFilesAreRefused)
{
    struct Case
    {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;
    };

    const std::vector<Case> cases = {
        {"an unknown member", {{"sites/A/site.txt", "<SITENAME>A</SITENAME>\n"}, {"sites/A/31.txt", "x"}}},
        {"a member twice", {{"sites/A/site.txt", ""}, {"sites/A/sub.txt", "x"}, {"sites/A/sub.raw", "x"}}},
        {"a block line in the header", {{"sites/A/site.txt", "<SITE>\n<SITENAME>A</SITENAME>\n"}}},
        {"no header", {{"sites/A/sub.txt", "x"}}},
        {"an order naming a missing site", {{"sites.lst", "A\nB\n"}, {"sites/A/site.txt", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempDir dir;
        for (const auto& [name, bytes] : c.files) {
            dir.Write(name, bytes);
        }
        EXPECT_FALSE(ReadSiteSource(dir.Path()).HasValue());
    }

    testsupport::TempDir dir;
    dir.Write("sites/Beta/site.txt", "<URL>http://beta/</URL>\n");
    dir.Write("sites/Beta/sub.txt~", "editor backup, ignored");
    dir.Write("sites/Alpha/site.txt", "<SITENAME>Alpha Site</SITENAME>\n");
    store::Result<SiteDatabaseSource> source = ReadSiteSource(dir.Path());
    ASSERT_OK(source);
    ASSERT_EQ(source.Value().sites.size(), 2u);
    EXPECT_EQ(source.Value().sites[0].name, "Alpha Site");
    EXPECT_EQ(source.Value().sites[1].name, "Beta"); // named after its directory
    EXPECT_EQ(source.Value().sites[1].header.front(), "<SITENAME>Beta</SITENAME>");
    EXPECT_TRUE(source.Value().sites[1].members.empty());
}

TEST(SiteDatabaseTest, TheEmptyKeyBuildsWithTheDefaultKey)
{
    const store::SiteKey emptyKey{"", "Korvane"};
    testsupport::TempDir workspace;
    SiteDatabaseSource source;
    source.sites.push_back(SiteSource{"S", {"<SITENAME>S</SITENAME>"}, {{"sub", "a\r\nb"}}});
    ASSERT_OK(BuildSiteDatabase(source, workspace.Path(), emptyKey));
    SiteTable table = LoadSites(workspace.Path());
    ScratchDir scratch(workspace.Path());
    SitePackages packages(workspace.Path(), scratch);
    packages.LoadCurrentSite(table, "S");
    EXPECT_EQ(SiteFileLines(table, "S.sub", true, emptyKey).ToStrings(),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SiteFileLines(table, "S.sub", true, store::SiteKey{"K", "x"}).ToStrings(),
              (std::vector<std::string>{"a", "b"}));
}

} // namespace
} // namespace listrider::sites
