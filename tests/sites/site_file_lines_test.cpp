#include <gtest/gtest.h>

#include "sites/site_file_lines.h"
#include "sites/site_text_encoder.h"

namespace listrider::sites {
namespace {

const store::SiteKey kKey{"LR-SiteData-7316", "Korvane"};

std::string Encoded(std::string_view text, const store::SiteKey& key = kKey)
{
    store::Result<std::string> encoded = EncodeSiteText(text, key);
    EXPECT_TRUE(encoded.HasValue());
    return encoded.HasValue() ? encoded.Value() : std::string();
}

SiteTable Table()
{
    SiteTable table;
    SitesR site;
    site.Name = "Alpha";
    site.Steps.Set(0, Encoded("step zero\r\nsecond line"));
    site.Steps.Set(1, Encoded("step one"));
    site.Steps.Set(200, Encoded("last slot"));
    site.Cat = "Games\r\nSite Games"; // plain
    site.Os = Encoded("Windows XP\r\nwinxp");
    site.Zam = Encoded("with a lone\nline feed\r\nnext");
    table.sites.push_back(site);
    SitesR dotted;
    dotted.Name = "Soft.com";
    dotted.Steps.Set(1, Encoded("dotted"));
    table.sites.push_back(dotted);
    return table;
}

TEST(SiteFileLinesTest, TheFileNameSelectsTheText)
{
    const SiteTable table = Table();

    struct Case
    {
        const char* file;
        std::vector<std::string> lines;
    };

    const std::vector<Case> cases = {
        {"/ws/Temp12345/Alpha.sub", {"step zero", "second line"}},
        {"Alpha.SUB", {"step zero", "second line"}},
        {"Alpha.Sub", {"step zero", "second line"}},
        {"Alpha.0", {"step zero", "second line"}},
        {"Alpha.1", {"step one"}},
        {"Alpha.200", {"last slot"}},
        {"Alpha.2", {}},
        {"Alpha.201", {}},
        {"Alpha.-1", {}},
        {"Alpha.cod", {}},
        {"Alpha.CAT", {}},
        {"alpha.sub", {}},
        {"Beta.sub", {}},
        {"Alpha.cat", {"Games", "Site Games"}},
        {"Alpha.os", {"Windows XP", "winxp"}},
        {"Alpha.zam", {"with a lone\nline feed", "next"}},
        {"/x/Soft.com.1", {"dotted"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(SiteFileLines(table, c.file, true, kKey).ToStrings(), c.lines);
    }
    EXPECT_EQ(SiteOfFileName(table, "/ws/Temp1/Soft.com.sub"), 1);
    EXPECT_EQ(SiteOfFileName(table, "Nobody.sub"), -1);
}

TEST(SiteFileLinesTest, DecodesWithTheKeyItIsGiven)
{
    SiteTable table;
    SitesR site;
    site.Name = "S";
    const store::SiteKey emptyKey{"", "Korvane"};
    site.Steps.Set(1, Encoded("built with the empty key", emptyKey));
    site.Steps.Set(2, Encoded("built with the key"));
    table.sites.push_back(site);

    EXPECT_EQ(SiteFileLines(table, "S.1", true, emptyKey).ToStrings(),
              std::vector<std::string>{"built with the empty key"});
    EXPECT_EQ(SiteFileLines(table, "S.2", true, kKey).ToStrings(),
              std::vector<std::string>{"built with the key"});
    EXPECT_NE(SiteFileLines(table, "S.2", true, emptyKey).ToStrings(),
              std::vector<std::string>{"built with the key"});
    // Without the decode flag the stored bytes come back as they are.
    EXPECT_EQ(SiteFileLines(table, "S.2", false, kKey).ToStrings(),
              store::LineList::FromText(std::string(table.sites[0].Steps.Get(2))).ToStrings());
}

} // namespace
} // namespace listrider::sites
