#include "store/installation_config.h"

#include <algorithm>
#include <optional>

#include "store/file_system.h"
#include "store/tag_document.h"
#include "store/text_helpers.h"

namespace listrider::store {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTermsTag = "DownloadThat_Terms";
constexpr const char* kPairsTag = "D4_Pairs";

// Binds a tag of the file to a one-line field.
struct TextKey
{
    const char* tag;
    std::string InstallationConfig::*field;
    bool secret;
};

const std::vector<TextKey>& TextKeys()
{
    static const std::vector<TextKey> keys = {
        {"Site_Data_Key", &InstallationConfig::siteDataKey, true},
        {"Default_Key", &InstallationConfig::defaultKey, true},
        {"Code_Page", &InstallationConfig::codePage, false},
        {"Update_FTP_Host", &InstallationConfig::updateFtpHost, false},
        {"Update_FTP_User", &InstallationConfig::updateFtpUser, false},
        {"Update_FTP_Password", &InstallationConfig::updateFtpPassword, true},
        {"Test_Host", &InstallationConfig::connectionTestHost, false},
        {"Mail_Relay_Host", &InstallationConfig::mailRelayHost, false},
        {"Download_Page", &InstallationConfig::downloadPage, false},
        {"Home_Page", &InstallationConfig::homePage, false},
        {"Report_Sender", &InstallationConfig::reportSender, false},
        {"Report_User_Name", &InstallationConfig::reportUserName, false},
        {"PAD_Spec_Home_Page", &InstallationConfig::padSpecHomePage, false},
        {"Proxy_Server", &InstallationConfig::proxyServer, false},
        {"D6_Affiliate_Email", &InstallationConfig::d6AffiliateEmail, false},
        {"D6_Developer_Email", &InstallationConfig::d6DeveloperEmail, false},
        {"ShareIt_Parent_Domain", &InstallationConfig::shareItParentDomain, false},
        {"Requester_Echo_Site", &InstallationConfig::requesterEchoSite, false},
        {"Stats_Dashed_Site", &InstallationConfig::statsDashedSite, false},
    };
    return keys;
}

std::string SpecialSiteTag(std::size_t index)
{
    return "Site_D" + std::to_string(index + 1);
}

bool IsSixDigits(std::string_view text)
{
    return text.size() == 6 && AllCharsIn(text, "0123456789");
}

// Returns the pair of a "nnnnnn nnnnnn" line, or nothing.
std::optional<std::pair<std::string, std::string>> ReadPair(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    line.remove_prefix(first);
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view a = line.substr(0, space);
    std::string_view b = line.substr(space);
    b.remove_prefix(std::min(b.find_first_not_of(' '), b.size()));
    while (!b.empty() && b.back() == ' ') {
        b.remove_suffix(1);
    }
    if (!IsSixDigits(a) || !IsSixDigits(b)) {
        return std::nullopt;
    }
    return std::make_pair(std::string(a), std::string(b));
}

// Collects the multi-line values and hands back the remaining element lines.
struct SplitFile
{
    std::vector<std::string_view> elementLines;
    std::optional<std::vector<std::string>> terms;
    std::optional<std::vector<std::string>> pairs;
};

SplitFile Split(LineSpan lines)
{
    SplitFile split;
    const std::string termsOpen = OpenTag(kTermsTag);
    const std::string pairsOpen = OpenTag(kPairsTag);
    std::size_t i = 0;
    while (i < lines.size()) {
        const std::string_view line = lines[i];
        const bool terms = ContainsNoCase(line, termsOpen);
        const bool pairs = ContainsNoCase(line, pairsOpen);
        if (!terms && !pairs) {
            split.elementLines.push_back(line);
            ++i;
            continue;
        }
        std::vector<std::string> value;
        const char* tag = terms ? kTermsTag : kPairsTag;
        if (ContainsNoCase(line, CloseTag(tag))) {
            value.push_back(TagValue(line)); // written on one line
            ++i;
        } else {
            const Block block = ReadBlock(lines, i, tag);
            value.assign(block.lines.begin(), block.lines.end());
            i = block.next;
        }
        (terms ? split.terms : split.pairs) = std::move(value);
    }
    return split;
}

} // namespace

CodePage InstallationConfig::GetCodePage() const
{
    Result<CodePage> page = CodePage::Open(codePage);
    return page ? page.Value() : CodePage::Default();
}

InstallationConfig DefaultInstallationConfig()
{
    InstallationConfig config;
    config.siteDataKey = "LR-SiteData-7316";
    config.defaultKey = "Korvane";
    config.codePage = "WINDOWS-1252";
    config.padSpecHomePage = "http://www.asp-shareware.org/pad";
    config.reportUserName = "Listrider user";
    config.downloadThatTerms = {
        "By submitting this program I confirm that I am its author or am authorised by the author to "
        "distribute it,",
        "that it contains no spyware, adware or other malicious code, and that the information given "
        "about it is accurate.",
        "I accept that the site may review, edit or remove the listing at any time."};
    config.d4Pairs = {{"104729", "224737"},
                      {"130363", "350377"},
                      {"155921", "479909"},
                      {"181081", "611953"},
                      {"206197", "746773"},
                      {"231131", "882377"},
                      {"256279", "919393"},
                      {"281431", "502141"},
                      {"306491", "655453"},
                      {"331553", "787207"}};
    return config;
}

InstallationConfig LoadInstallationConfig(const fs::path& workspace)
{
    InstallationConfig config = DefaultInstallationConfig();
    const fs::path file = ResolveNoCase(workspace, kInstallationFile);
    const LineList lines = LoadLines(file);
    if (lines.empty()) {
        return config;
    }
    const SplitFile split = Split(lines);
    const ElementReader reader(LineSpan(split.elementLines));
    for (const TextKey& key : TextKeys()) {
        if (std::optional<std::string> value = reader.Find(key.tag)) {
            config.*key.field = std::move(*value);
        }
    }
    for (std::size_t i = 0; i < config.specialSites.size(); ++i) {
        config.specialSites[i] = reader.Text(SpecialSiteTag(i));
    }
    if (split.terms) {
        config.downloadThatTerms = *split.terms;
    }
    if (split.pairs) {
        std::vector<std::pair<std::string, std::string>> pairs;
        for (const std::string& line : *split.pairs) {
            if (auto pair = ReadPair(line)) {
                pairs.push_back(std::move(*pair));
            } else if (!line.empty()) {
                config.notes.push_back("D4_Pairs: \"" + line + "\" is not two six-digit numbers; ignored");
            }
        }
        if (pairs.empty()) {
            config.notes.push_back("D4_Pairs: no valid pair; the built-in pairs are used");
        } else {
            config.d4Pairs = std::move(pairs);
        }
    }

    const InstallationConfig defaults = DefaultInstallationConfig();
    if (config.defaultKey.size() != 7) {
        config.notes.push_back("Default_Key must have 7 characters; the built-in key is used");
        config.defaultKey = defaults.defaultKey;
    }
    if (!CodePage::Open(config.codePage)) {
        config.notes.push_back("Code_Page \"" + config.codePage +
                               "\" is not a usable single-byte code page; " + defaults.codePage + " is used");
        config.codePage = defaults.codePage;
    }
    return config;
}

std::vector<ConfigEntry> ListInstallationConfig(const InstallationConfig& config)
{
    std::vector<ConfigEntry> entries;
    for (const TextKey& key : TextKeys()) {
        entries.push_back({key.tag, config.*key.field, key.secret});
    }
    for (std::size_t i = 0; i < config.specialSites.size(); ++i) {
        entries.push_back({SpecialSiteTag(i), config.specialSites[i], false});
    }
    std::string terms;
    for (const std::string& line : config.downloadThatTerms) {
        terms += (terms.empty() ? "" : "\n") + line;
    }
    entries.push_back({kTermsTag, terms, false});
    std::string pairs;
    for (const auto& [a, b] : config.d4Pairs) {
        pairs += (pairs.empty() ? "" : "\n") + a + " " + b;
    }
    entries.push_back({kPairsTag, pairs, false});
    return entries;
}

Result<void> SaveInstallationConfig(const fs::path& workspace, const InstallationConfig& config)
{
    TagWriter writer;
    for (const TextKey& key : TextKeys()) {
        writer.Element(key.tag, config.*key.field);
    }
    for (std::size_t i = 0; i < config.specialSites.size(); ++i) {
        writer.Element(SpecialSiteTag(i), config.specialSites[i]);
    }
    writer.Block(kTermsTag, config.downloadThatTerms);
    std::vector<std::string> pairs;
    for (const auto& [a, b] : config.d4Pairs) {
        pairs.push_back(a + " " + b);
    }
    writer.Block(kPairsTag, pairs);
    return writer.Save(ResolveNoCase(workspace, kInstallationFile), FileAccess::Private);
}

} // namespace listrider::store
