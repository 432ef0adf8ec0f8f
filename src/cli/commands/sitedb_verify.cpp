#include "cli/commands/sitedb_verify.h"

#include "engine/script_step.h"
#include "sites/package_members.h"
#include "sites/scratch_dir.h"
#include "sites/site_index.h"
#include "sites/site_integrity.h"
#include "sites/site_packages.h"
#include "store/line_list.h"

namespace listrider::cli {

VerifyReport VerifySiteDatabase(const sites::SiteDatabaseSource& source,
                                const std::filesystem::path& workspace,
                                const store::SiteKey& key)
{
    VerifyReport report;
    sites::SiteTable table = sites::LoadSites(workspace);
    sites::CheckSitesComplexity(table, workspace);
    report.loadedSites = table.sites.size();
    sites::ScratchDir scratch(workspace);
    sites::SitePackages packages(workspace, scratch);
    const store::NarrowMacroResolver keep = [](std::string_view token, std::string& out) {
        out += token;
    };

    for (const sites::SiteSource& site : source.sites) {
        if (sites::ReadSiteBlock(store::LineList(site.header)).disabled || site.members.empty()) {
            continue;
        }
        const int position = sites::FindDBIndex(table, site.name);
        if (position < 0) {
            report.errors.push_back("Site \"" + site.name + "\" is not in the site table after loading");
            continue;
        }
        packages.LoadCurrentSite(table, site.name);
        const sites::SitesR& record = table.sites[static_cast<std::size_t>(position)];
        for (const sites::SourceMember& member : site.members) {
            const sites::PackageMember* kind = sites::FindPackageMember(member.extension);
            if (kind == nullptr) {
                continue;
            }
            if (kind->presenceOnly) {
                if (!record.HasPrb) {
                    report.errors.push_back("Site \"" + site.name +
                                            "\": member prb is not found when loading");
                }
                continue;
            }
            const std::string_view stored = sites::MemberText(record, *kind);
            const std::string text = kind->encoded ? store::DecodeSiteText(stored, key) : std::string(stored);
            if (text != member.text) {
                report.errors.push_back("Site \"" + site.name + "\": member " + member.extension +
                                        " reads back differently from its source");
                continue;
            }
            if (kind->step < 0) {
                continue;
            }
            ++report.steps;
            engine::StepCategories categories;
            const std::string stepFile = engine::StepFileName(scratch.Path(), site.name, kind->step, false);
            store::Result<engine::LoadedStep> loaded =
                engine::LoadStep(stepFile, engine::StepSources{table, key, keep}, categories);
            if (!loaded) {
                report.warnings.push_back("Site \"" + site.name + "\" step " + member.extension + ": " +
                                          loaded.GetError().message);
            }
        }
    }
    for (std::string& note : packages.TakeNotes()) {
        report.warnings.push_back(std::move(note));
    }
    return report;
}

} // namespace listrider::cli
