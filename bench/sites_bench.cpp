// Start-up loading of a site database of 10,000 sites, against libzip opening every package.
#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <zip.h>

#include "sites/scratch_dir.h"
#include "sites/site_index.h"
#include "sites/site_integrity.h"
#include "sites/site_packages.h"
#include "sites/site_text_encoder.h"
#include "sites/zip_archive.h"
#include "store/file_io.h"

namespace {

namespace fs = std::filesystem;
using namespace listrider;

constexpr int kSiteCount = 10000;
const store::SiteKey kKey{"LR-SiteData-7316", "Korvane"};

std::string SiteName(int i)
{
    return "Download Site " + std::to_string(i);
}

std::string Step(const std::string& site, int number, int next)
{
    std::string text = site + " submission\r\nstep " + std::to_string(number) +
                       "\r\nform page\r\nHTTP\r\nwww.site" + std::to_string(number) +
                       ".example\r\n/submit/step" + std::to_string(number) +
                       ".php?session=|Custom1|\r\nPOST\r\nLoading submission page\r\n";
    const std::array<const char*, 16> fields = {"program_name",
                                                "|ProgramName|",
                                                "version",
                                                "|ProgramVersion|",
                                                "description",
                                                "|Desc250|",
                                                "category",
                                                "|Category|",
                                                "os",
                                                "|OSSupport|",
                                                "download_url",
                                                "|DownloadURL|",
                                                "homepage",
                                                "|ProgramURL|",
                                                "email",
                                                "|SiteEMailLogin|"};
    for (const char* field : fields) {
        text += std::string(field) + "\r\n";
    }
    text +=
        "@\r\n-\r\n-2\r\nError: the form was not accepted\r\n-\r\n-\r\n" + std::to_string(next) +
        "\r\nThank you, your program was added\r\n-\r\nFINDTEXT\r\n<form name=\"submit\"\r\nEXTRACTTEXT\r\n"
        "name=\"session\" value= |Custom1|\r\n";
    return text;
}

std::string List(const std::string& prefix, int pairs)
{
    std::string text;
    for (int i = 0; i < pairs; ++i) {
        text += prefix + " value " + std::to_string(i) + "\r\nsite code " + std::to_string(i * 7) + "\r\n";
    }
    return text;
}

// One database on disk for the whole program run: Sites/sites.dat and 10,000 packages of about
// 20 members (six steps, a search script, category and mapping lists).
class Database
{
public:
    Database()
    {
        std::string pattern = (fs::temp_directory_path() / "listrider-sites-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_workspace = pattern;
        fs::create_directories(m_workspace / "Sites");
        std::vector<std::string> index;
        for (int i = 0; i < kSiteCount; ++i) {
            const std::string name = SiteName(i);
            index.insert(
                index.end(),
                {"<SITE>",
                 "<SITENAME>" + name + "</SITENAME>",
                 "<SITECOMMENTS>Accepts shareware, freeware and demos; account needed</SITECOMMENTS>",
                 "<URL>http://www.site" + std::to_string(i) + ".example/</URL>",
                 "<ACCEPTS>All</ACCEPTS>",
                 "<PASSWORD>LOGINPASSWORD</PASSWORD>",
                 "<AFFILIATE>-</AFFILIATE>",
                 "<REGNOWAF>supported</REGNOWAF>",
                 "<SHAREIT>-</SHAREIT>",
                 "<REGSOFTAF>-</REGSOFTAF>",
                 "<EsellerateAf>-</EsellerateAf>",
                 "<LinkRequired>NO</LinkRequired>",
                 "<PADSupport>YES</PADSupport>",
                 "<OSSupport>Windows, Mac, Linux</OSSupport>",
                 "<MINIMUM_VERSION>1.0</MINIMUM_VERSION>",
                 "<LANGUAGE>English</LANGUAGE>",
                 "<CATEGORIES>YES</CATEGORIES>",
                 "<STATS>YES</STATS>",
                 "<STATS_INFO>1,2,3</STATS_INFO>",
                 "<UNIQUE>NO</UNIQUE>",
                 "<REQUEST>YES</REQUEST>",
                 "<UPDATE>39450.5</UPDATE>",
                 "</SITE>"});
            std::vector<sites::ZipMember> members;
            auto add = [&](const std::string& extension, const std::string& text, bool encoded) {
                sites::ZipMember member{name, encoded ? sites::EncodeSiteText(text, kKey).Value() : text};
                member.name.append(".").append(extension);
                members.push_back(std::move(member));
            };
            add("sub", Step(name, 0, 1), true);
            for (int n = 1; n <= 5; ++n) {
                add(std::to_string(n), Step(name, n, n == 5 ? -1 : n + 1), true);
            }
            add("150", Step(name, 150, 151), true);
            add("151", Step(name, 151, -1), true);
            add("sss", "search\r\n0\r\nsearch\r\n2", true);
            add("cat", List("category", 120), false);
            for (const char* list : {"os", "typ", "cou", "lng", "err", "exp", "lan", "ref", "aff", "sta"}) {
                add(list, List(list, 20), true);
            }
            add("prb", "", false);
            (void)sites::WriteZip(m_workspace / "Sites" / (name + ".dat"), members);
            m_packages.push_back(m_workspace / "Sites" / (name + ".dat"));
        }
        (void)store::SaveLines(m_workspace / "Sites" / "sites.dat", index);
    }

    ~Database()
    {
        std::error_code ec;
        fs::remove_all(m_workspace, ec);
    }

    const fs::path& Workspace() const { return m_workspace; }

    const std::vector<fs::path>& Packages() const { return m_packages; }

private:
    fs::path m_workspace;
    std::vector<fs::path> m_packages;
};

const Database& Db()
{
    static const Database database;
    return database;
}

void LibzipOpenAndCountEveryPackage(benchmark::State& state)
{
    const Database& db = Db();
    for ([[maybe_unused]] auto _ : state) {
        zip_int64_t total = 0;
        for (const fs::path& package : db.Packages()) {
            int error = 0;
            zip_t* archive = zip_open(package.c_str(), ZIP_RDONLY, &error);
            if (archive != nullptr) {
                total += zip_get_num_entries(archive, 0);
                zip_discard(archive);
            }
        }
        benchmark::DoNotOptimize(total);
    }
}

void StartUpLoadSitesAndIntegrityCheck(benchmark::State& state)
{
    const Database& db = Db();
    for ([[maybe_unused]] auto _ : state) {
        sites::SiteTable table = sites::LoadSites(db.Workspace());
        sites::CheckSitesComplexity(table, db.Workspace());
        if (table.sites.size() != kSiteCount) {
            state.SkipWithError("sites went missing");
        }
        benchmark::DoNotOptimize(table);
    }
}

void LoadSitesOnly(benchmark::State& state)
{
    const Database& db = Db();
    for ([[maybe_unused]] auto _ : state) {
        sites::SiteTable table = sites::LoadSites(db.Workspace());
        benchmark::DoNotOptimize(table);
    }
}

void LoadCurrentSite(benchmark::State& state)
{
    const Database& db = Db();
    sites::ScratchDir scratch(db.Workspace());
    sites::SitePackages packages(db.Workspace(), scratch);
    sites::SiteTable table = sites::LoadSites(db.Workspace());
    int next = 0;
    for ([[maybe_unused]] auto _ : state) {
        if (next == kSiteCount) {
            state.PauseTiming();
            table = sites::LoadSites(db.Workspace());
            next = 0;
            state.ResumeTiming();
        }
        packages.LoadCurrentSite(table, table.sites[static_cast<std::size_t>(next)].Name);
        if (!table.sites[static_cast<std::size_t>(next)].Steps.HasAny()) {
            state.SkipWithError("the package did not load");
        }
        ++next;
    }
}

} // namespace

BENCHMARK(LibzipOpenAndCountEveryPackage)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(StartUpLoadSitesAndIntegrityCheck)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(LoadSitesOnly)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(LoadCurrentSite)->Unit(benchmark::kMicrosecond);
