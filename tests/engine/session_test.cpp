#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/session.h"
#include "sites/site_database_builder.h"
#include "sites/site_source.h"
#include "support/result_matchers.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

// Records the loading window's first lines.
class RecordingLoadView final : public sites::SiteLoadView
{
public:
    void ShowLoading(std::string_view firstLine, std::string_view) override
    {
        if (firstLines.empty() || firstLines.back() != firstLine) {
            firstLines.emplace_back(firstLine);
        }
    }

    std::vector<std::string> firstLines;
};

TEST(SessionStartUpTest, OpensTheSitesPageInStartUpOrder)
{
    testsupport::TempDir workspace;
    store::Result<sites::SiteDatabaseSource> source =
        sites::ReadSiteSource(LISTRIDER_TEST_DATA "/sites/sitelist");
    ASSERT_OK(source);
    ASSERT_OK(sites::BuildSiteDatabase(
        source.Value(), workspace.Path(), store::LoadInstallationConfig(workspace.Path()).GetSiteKey()));
    workspace.Write("Prefs.ini", "<Hide_UnSuitable>N</Hide_UnSuitable>");
    workspace.Write("blacklist.ini", "Blocked Site");

    RecordingLoadView view;
    store::Result<std::unique_ptr<Session>> opened = Session::Open(workspace.Path(), {true, &view});
    ASSERT_OK(opened);
    Session& session = *opened.Value();
    const std::vector<std::string> stages(view.firstLines.begin(), view.firstLines.begin() + 3);
    EXPECT_EQ(stages,
              (std::vector<std::string>{"Loading custom sites columns...",
                                        "Loading custom site filters...",
                                        "Loading site database..."}));
    const std::vector<std::string> last(view.firstLines.end() - 4, view.firstLines.end());
    EXPECT_EQ(last,
              (std::vector<std::string>{"Loading passwords base...",
                                        "Loading fast categories...",
                                        "Checking integrity of the sites index...",
                                        "Checking integrity of the site database..."}));

    const sites::SitesPage& page = session.Page();
    EXPECT_EQ(page.columns.size(), 20u) << "the default column set is written";
    EXPECT_EQ(page.filter, sites::ShowAllFilter(page.filter.submittedBeforeDate))
        << "without filter.ini every site is shown";
    EXPECT_EQ(page.list.Rows().size(), 12u) << "every site but the blacklisted one";
    EXPECT_EQ(page.list.BackLinks(),
              (std::vector<std::string>{" -= ALL SITES =- ", "German Site", "Link Lovers"}));
    EXPECT_EQ(page.fastCategories.Entries().size(), 4u);
    EXPECT_GT(session.Today(), 40000.0);

    // A changed filter is written and the list rebuilt at once.
    sites::FilterSettings filter = page.filter;
    filter.SetFlag(sites::FilterFlag::Freeware, false);
    ASSERT_OK(session.ChangeFilter(filter));
    EXPECT_EQ(session.Page().list.FindRow("Free Corner"), nullptr);
    EXPECT_EQ(session.Page().list.Rows().size(), 11u);
}

} // namespace
} // namespace listrider::engine
