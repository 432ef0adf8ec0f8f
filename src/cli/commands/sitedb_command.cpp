// sitedb: builds, unpacks, lists and shows site databases.
#include <ostream>

#include "cli/arguments.h"
#include "cli/commands/commands.h"
#include "cli/commands/sitedb_expand.h"
#include "cli/commands/sitedb_output.h"
#include "cli/commands/sitedb_verify.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "engine/script_step.h"
#include "engine/search_settings.h"
#include "sites/package_members.h"
#include "sites/scratch_dir.h"
#include "sites/site_database_builder.h"
#include "sites/site_database_unpacker.h"
#include "sites/site_index.h"
#include "sites/site_integrity.h"
#include "sites/site_packages.h"
#include "sites/update_server_layout.h"
#include "store/installation_config.h"
#include "store/version.h"
#include "store/workspace.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "Usage: listrider-cli sitedb build SRC_DIR\n"
    "       listrider-cli sitedb unpack WORKSPACE_OR_PACKAGE [--out DIR]\n"
    "       listrider-cli sitedb list [--json]\n"
    "       listrider-cli sitedb show NAME [--step N] [--category TEXT] [--subcategory TEXT] [--json]\n"
    "       listrider-cli sitedb show NAME --step N --expand --company C --product P [--category TEXT]\n"
    "                                      [--subcategory TEXT] [--json]\n"
    "       listrider-cli sitedb publish DIR [--program-version V]\n"
    "\n"
    "build   compiles a readable site source tree (see docs/site-database.md) into the workspace's\n"
    "        Sites/sites.dat, Sites/<Name>.dat packages and fast categories, encoded with the\n"
    "        workspace's site-data key, then loads the result back to check it (asks before\n"
    "        replacing an existing site database)\n"
    "unpack  turns a workspace's site database, or one package file, back into the readable form\n"
    "        (default --out: ./site-source, which must not exist or be empty); a workspace's texts are\n"
    "        decoded with that workspace's key, a package's with the key of --workspace\n"
    "list    prints the site table as the program loads it at start-up (after the integrity check)\n"
    "show    prints a site's index fields and package members; with --step N (0 or sub, 1-30, 98,\n"
    "        99, 150-159) the step as the step loader reads it, the category values given for the\n"
    "        site's category lists\n"
    "        with --expand the step's fields as the site would receive them for the product: macros\n"
    "        expanded and values mapped through the site's lists (nothing is sent; text commands are\n"
    "        not run); the category is the site's own for the product unless --category gives one\n"
    "publish writes into DIR what an update server offers for update-db: version.inf (first line V,\n"
    "        default the program's version), sites.dat (the index in an archive), every package as\n"
    "        <name in lower case>.dat, fastcats.dat and fastcatsinfo.dat\n";

struct Opened
{
    fs::path workspace;
    store::InstallationConfig config;
    sites::SiteTable table;
};

void PrintNotes(std::ostream& err, const std::vector<std::string>& notes, const char* kind = "note")
{
    for (const std::string& note : notes) {
        err << kind << ": " << note << "\n";
    }
}

// The site database as start-up leaves it: the index read, then the integrity check.
store::Result<Opened> OpenSiteTable(CommandContext& context)
{
    store::Result<fs::path> workspace = context.Workspace();
    if (!workspace) {
        return workspace.GetError();
    }
    Opened opened{workspace.Value(), store::LoadInstallationConfig(workspace.Value()), {}};
    opened.table = sites::LoadSites(opened.workspace);
    sites::CheckSitesComplexity(opened.table, opened.workspace);
    PrintNotes(context.Err(), opened.config.notes);
    PrintNotes(context.Err(), opened.table.notes);
    return opened;
}

std::optional<int> StepArgument(const std::string& text)
{
    if (text == "sub" || text == "SUB") {
        return 0;
    }
    return engine::ParseStepNumber(text);
}

class SitedbCommand final : public Command
{
public:
    std::string_view Name() const override { return "sitedb"; }

    std::string_view Summary() const override { return "build, unpack, list or show the site database"; }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const bool json = arguments.Flag("json");
        const std::optional<std::string> out = arguments.Option("out");
        const std::optional<std::string> step = arguments.Option("step");
        const std::optional<std::string> category = arguments.Option("category");
        const std::optional<std::string> subCategory = arguments.Option("subcategory");
        const bool expand = arguments.Flag("expand");
        const std::optional<std::string> company = arguments.Option("company");
        const std::optional<std::string> product = arguments.Option("product");
        const std::optional<std::string> version = arguments.Option("program-version");
        const std::vector<std::string> words = arguments.Positionals();
        if (std::string problem = arguments.Finish(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (words.empty()) {
            return context.UsageError("sitedb needs an action", kUsage);
        }
        const std::string& action = words[0];
        const std::size_t operands = action == "list" ? 0 : 1;
        if (action != "build" && action != "unpack" && action != "list" && action != "show" &&
            action != "publish") {
            return context.UsageError("unknown action '" + action + "'", kUsage);
        }
        if (words.size() != operands + 1) {
            return context.UsageError(words.size() <= operands ? "sitedb " + action + " needs an argument"
                                                               : "too many arguments",
                                      kUsage);
        }
        if ((expand || company || product) && action != "show") {
            return context.UsageError("--expand, --company and --product belong to sitedb show", kUsage);
        }
        if (action == "build") {
            return Build(context, words[1]);
        }
        if (action == "unpack") {
            return Unpack(context, words[1], out.value_or("site-source"));
        }
        if (action == "list") {
            return List(context, json);
        }
        if (action == "publish") {
            return Publish(context, words[1], version.value_or(std::string(store::kProgramVersion)));
        }
        std::optional<int> stepNumber;
        if (step) {
            stepNumber = StepArgument(*step);
            if (!stepNumber) {
                return context.UsageError("--step needs a step number", kUsage);
            }
        }
        if (expand || company || product) {
            if (!expand || !stepNumber || !company || !product) {
                return context.UsageError("--expand needs --step, --company and --product", kUsage);
            }
            return ShowExpanded(
                context, words[1], *stepNumber, {*company, *product, category, subCategory}, json);
        }
        return Show(context, words[1], stepNumber, {category.value_or(""), subCategory.value_or("")}, json);
    }

private:
    static int Build(CommandContext& context, const std::string& sourceDir)
    {
        store::Result<fs::path> workspace = context.Workspace();
        if (!workspace) {
            return context.Fail(workspace.GetError());
        }
        store::Result<sites::SiteDatabaseSource> source = sites::ReadSiteSource(sourceDir);
        if (!source) {
            return context.Fail(source.GetError());
        }
        const fs::path index = sites::SiteIndexPath(workspace.Value());
        std::error_code ec;
        if (fs::exists(index, ec)) {
            const std::optional<bool> replace = context.GetPrompter().Ask(
                index.string() + " exists. Replace the site database with the one built from " + sourceDir +
                "?");
            if (!replace) {
                context.Err() << "listrider-cli: sitedb build needs an answer to replace " << index.string()
                              << "; run it again with --yes or --no\n";
                return kExitFailure;
            }
            if (!*replace) {
                context.Out() << "Kept " << index.string() << "\n";
                return kExitOk;
            }
        }
        const store::InstallationConfig config = store::LoadInstallationConfig(workspace.Value());
        PrintNotes(context.Err(), config.notes);
        store::Result<sites::BuildReport> report =
            sites::BuildSiteDatabase(source.Value(), workspace.Value(), config.GetSiteKey());
        if (!report) {
            return context.Fail(report.GetError());
        }
        PrintNotes(context.Err(), report.Value().warnings, "warning");
        const VerifyReport verified =
            VerifySiteDatabase(source.Value(), workspace.Value(), config.GetSiteKey());
        PrintNotes(context.Err(), verified.warnings, "warning");
        PrintNotes(context.Err(), verified.errors, "error");
        context.Out() << "Built " << report.Value().sites << " sites (" << report.Value().packages
                      << " packages) into " << sites::SitesDir(workspace.Value()).string() << "/"
                      << (report.Value().fastCategories ? ", with fast categories" : "") << "\n"
                      << verified.loadedSites << " sites load and pass the integrity check; "
                      << verified.steps << " steps read back as written\n";
        return verified.errors.empty() ? kExitOk : kExitFailure;
    }

    static int Unpack(CommandContext& context, const std::string& from, const std::string& outDir)
    {
        std::error_code ec;
        store::Result<sites::UnpackedDatabase> unpacked = store::MakeError(store::ErrorKind::Internal, "");
        if (fs::is_directory(from, ec)) {
            const store::InstallationConfig config = store::LoadInstallationConfig(from);
            unpacked = sites::UnpackSiteDatabase(from, config.GetSiteKey());
        } else {
            store::Result<fs::path> workspace = context.Workspace();
            if (!workspace) {
                return context.Fail(workspace.GetError());
            }
            const store::InstallationConfig config = store::LoadInstallationConfig(workspace.Value());
            unpacked = sites::UnpackSitePackage(from, config.GetSiteKey());
        }
        if (!unpacked) {
            return context.Fail(unpacked.GetError());
        }
        PrintNotes(context.Err(), unpacked.Value().notes);
        store::Result<std::vector<std::string>> written =
            sites::WriteSiteSource(unpacked.Value().source, outDir);
        if (!written) {
            return context.Fail(written.GetError());
        }
        PrintNotes(context.Err(), written.Value());
        context.Out() << "Unpacked " << unpacked.Value().source.sites.size() << " sites into " << outDir
                      << (unpacked.Value().source.fastCategories.present ? ", with fast categories" : "")
                      << "\n";
        return kExitOk;
    }

    static int Publish(CommandContext& context, const std::string& directory, const std::string& version)
    {
        store::Result<fs::path> workspace = context.Workspace();
        if (!workspace) {
            return context.Fail(workspace.GetError());
        }
        store::Result<sites::ServerLayoutReport> report =
            sites::WriteUpdateServerFiles(workspace.Value(), directory, version);
        if (!report) {
            return context.Fail(report.GetError());
        }
        PrintNotes(context.Err(), report.Value().warnings, "warning");
        context.Out() << "Published " << report.Value().sites << " sites (" << report.Value().packages
                      << " packages" << (report.Value().fastCategories ? ", fast categories" : "")
                      << ") into " << directory << " for version " << version << "\n";
        return kExitOk;
    }

    static int List(CommandContext& context, bool json)
    {
        store::Result<Opened> opened = OpenSiteTable(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        const sites::SiteTable& table = opened.Value().table;
        if (json) {
            JsonWriter writer;
            writer.BeginObject().Key("workspace").String(store::WorkspaceText(opened.Value().workspace));
            writer.Key("sites").BeginArray();
            for (const sites::SitesR& site : table.sites) {
                WriteSiteJson(writer, site);
            }
            writer.EndArray().Key("notes").BeginArray();
            for (const std::string& note : table.notes) {
                writer.String(note);
            }
            writer.EndArray().EndObject();
            context.Out() << writer.Text() << "\n";
            return kExitOk;
        }
        PrintSiteTable(context.Out(), table);
        context.Out() << table.sites.size() << " sites\n";
        return kExitOk;
    }

    static int ShowExpanded(
        CommandContext& context, const std::string& name, int step, const ExpandRequest& request, bool json)
    {
        store::Result<Opened> opened = OpenSiteTable(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        Opened& db = opened.Value();
        const int position = sites::FindDBIndex(db.table, name);
        if (position < 0) {
            return context.Fail(NoSuchSite(name));
        }
        sites::ScratchDir scratch(db.workspace);
        sites::SitePackages packages(db.workspace, scratch);
        packages.LoadCurrentSite(db.table, name);
        PrintNotes(context.Err(), packages.TakeNotes());
        const std::string stepFile = engine::StepFileName(scratch.Path(), name, step, false);
        return PrintExpandedStep(context, db.table, position, db.config, stepFile, request, json);
    }

    static store::Error NoSuchSite(const std::string& name)
    {
        return store::MakeError(store::ErrorKind::NotFound,
                                "No site named \"" + name +
                                    "\" in the site table (names are matched exactly; a site without a "
                                    "package is dropped at start-up)");
    }

    static int Show(CommandContext& context,
                    const std::string& name,
                    std::optional<int> step,
                    engine::StepCategories categories,
                    bool json)
    {
        store::Result<Opened> opened = OpenSiteTable(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        Opened& db = opened.Value();
        const int position = sites::FindDBIndex(db.table, name);
        if (position < 0) {
            return context.Fail(NoSuchSite(name));
        }
        sites::ScratchDir scratch(db.workspace);
        sites::SitePackages packages(db.workspace, scratch);
        packages.LoadCurrentSite(db.table, name);
        PrintNotes(context.Err(), packages.TakeNotes());
        const sites::SitesR& site = db.table.sites[static_cast<std::size_t>(position)];
        const store::SiteKey key = db.config.GetSiteKey();
        const bool searchActive = !site.Sss.empty();
        const std::optional<engine::SearchSettings> search = engine::ReadSearchSettings(db.table, name, key);

        std::vector<std::string> members;
        for (const sites::PackageMember& member : sites::PackageMembers()) {
            if (!sites::MemberText(site, member).empty() || (member.presenceOnly && site.HasPrb)) {
                members.push_back(member.extension);
            }
        }
        std::optional<store::Result<engine::LoadedStep>> loaded;
        std::string stepFile;
        if (step) {
            const store::NarrowMacroResolver keep = [](std::string_view token, std::string& out) {
                out += token;
            };
            stepFile = engine::StepFileName(scratch.Path(), name, *step, false);
            loaded = engine::LoadStep(stepFile, engine::StepSources{db.table, key, keep}, categories);
            stepFile = fs::path(stepFile).filename().string();
        }

        if (json) {
            JsonWriter writer;
            writer.BeginObject().Key("site");
            WriteSiteJson(writer, site);
            writer.Key("members").BeginArray();
            for (const std::string& member : members) {
                writer.String(member);
            }
            writer.EndArray().Key("entryStep").String(searchActive ? "150" : "sub");
            if (search) {
                writer.Key("search").BeginObject();
                writer.Key("notListedStep").Number(static_cast<long long>(search->notListedStep));
                writer.Key("otherVersionStep").Number(static_cast<long long>(search->otherVersionStep));
                writer.EndObject();
            }
            if (loaded && *loaded) {
                writer.Key("step");
                WriteStepJson(writer, stepFile, loaded->Value());
                writer.Key("category").String(categories.category);
                writer.Key("subCategory").String(categories.subCategory);
            }
            writer.EndObject();
            context.Out() << writer.Text() << "\n";
        } else {
            PrintSiteHeader(context.Out(), site);
            context.Out() << "Members:";
            for (const std::string& member : members) {
                context.Out() << " " << member;
            }
            context.Out() << "\nEntry step: " << (searchActive ? "150 (search script)" : "sub") << "\n";
            if (search) {
                context.Out() << "Search settings: not listed -> " << search->notListedStep
                              << ", other version listed -> " << search->otherVersionStep << "\n";
            }
            if (loaded && *loaded) {
                context.Out() << "\n";
                PrintLoadedStep(context.Out(), stepFile, loaded->Value());
                context.Out() << "Category: " << categories.category
                              << "\nSubcategory: " << categories.subCategory << "\n";
            }
        }
        if (loaded && !*loaded) {
            context.Err() << "listrider-cli: step " << stepFile << ": " << loaded->GetError().message
                          << " (the run ends the site with \"Error Loading Site\")\n";
            return kExitFailure;
        }
        return kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeSitedbCommand()
{
    return std::make_unique<SitedbCommand>();
}

} // namespace listrider::cli
