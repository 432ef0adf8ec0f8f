#include "cli/commands/sitedb_output.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <vector>

namespace listrider::cli {
namespace {

struct TextField
{
    const char* label;
    const char* key;
    std::string sites::SitesR::*field;
};

constexpr std::array<TextField, 17> kTextFields = {{
    {"Name", "name", &sites::SitesR::Name},
    {"Comments", "comments", &sites::SitesR::Comments},
    {"Accepts", "accepts", &sites::SitesR::Accepts},
    {"Account", "accountKind", &sites::SitesR::AccountKind},
    {"Affiliate", "affiliate", &sites::SitesR::Affiliate},
    {"RegNow affiliate", "regNowAffiliate", &sites::SitesR::RegNowAffiliate},
    {"ShareIt affiliate", "shareItAffiliate", &sites::SitesR::ShareItAffiliate},
    {"RegSoft affiliate", "regSoftAffiliate", &sites::SitesR::RegSoftAffiliate},
    {"eSellerate affiliate", "eSellerateAffiliate", &sites::SitesR::ESellerateAffiliate},
    {"Link required", "linkRequired", &sites::SitesR::LinkRequired},
    {"PAD support", "padSupport", &sites::SitesR::PadSupport},
    {"OS support", "osSupport", &sites::SitesR::OsSupport},
    {"URL", "url", &sites::SitesR::Url},
    {"Minimum version", "minimumVersion", &sites::SitesR::MinimumVersion},
    {"Language", "language", &sites::SitesR::Language},
    {"Validate", "validate", &sites::SitesR::Validate},
    {"Stats sum", "statsSum", &sites::SitesR::StatsSum},
}};

struct FlagField
{
    const char* word;
    const char* key;
    bool sites::SitesR::*field;
};

constexpr std::array<FlagField, 5> kFlagFields = {{
    {"categories", "hasCategories", &sites::SitesR::HasCategories},
    {"os-categories", "osCategories", &sites::SitesR::OsCategories},
    {"stats", "stats", &sites::SitesR::Stats},
    {"unique", "unique", &sites::SitesR::Unique},
    {"request", "request", &sites::SitesR::Request},
}};

std::string StatsInfoText(const sites::SitesR& site)
{
    std::string text;
    for (int k = 1; k <= 5; ++k) {
        if (site.StatsInfo[static_cast<std::size_t>(k)]) {
            text += (text.empty() ? "" : ",") + std::to_string(k);
        }
    }
    return text;
}

void PrintRow(std::ostream& out,
              const std::vector<std::string>& cells,
              const std::vector<std::size_t>& widths)
{
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        line += cells[i];
        if (i + 1 < cells.size()) {
            line.append(widths[i] - cells[i].size() + 2, ' ');
        }
    }
    out << line << "\n";
}

} // namespace

std::string SiteFlags(const sites::SitesR& site)
{
    std::string flags;
    auto add = [&](const char* word) {
        flags += (flags.empty() ? "" : ",") + std::string(word);
    };
    for (const FlagField& flag : kFlagFields) {
        if (site.*flag.field) {
            add(flag.word);
        }
    }
    if (site.PadSupport == "YES") {
        add("pad");
    }
    if (site.LinkRequired == "YES") {
        add("back-link");
    }
    return flags;
}

void PrintSiteTable(std::ostream& out, const sites::SiteTable& table)
{
    std::vector<std::vector<std::string>> rows;
    rows.push_back({"Name", "Accepts", "Account", "OS support", "Language", "Flags"});
    for (const sites::SitesR& site : table.sites) {
        rows.push_back(
            {site.Name, site.Accepts, site.AccountKind, site.OsSupport, site.Language, SiteFlags(site)});
    }
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    for (const auto& row : rows) {
        PrintRow(out, row, widths);
    }
}

void WriteSiteJson(JsonWriter& json, const sites::SitesR& site)
{
    json.BeginObject();
    for (const TextField& field : kTextFields) {
        json.Key(field.key).String(site.*field.field);
    }
    json.Key("votes").String(site.Votes);
    for (const FlagField& flag : kFlagFields) {
        json.Key(flag.key).Bool(site.*flag.field);
    }
    json.Key("statsInfo").BeginArray();
    for (int k = 1; k <= 5; ++k) {
        json.Bool(site.StatsInfo[static_cast<std::size_t>(k)]);
    }
    json.EndArray().EndObject();
}

void PrintSiteHeader(std::ostream& out, const sites::SitesR& site)
{
    for (const TextField& field : kTextFields) {
        out << field.label << ": " << site.*field.field << "\n";
    }
    out << "Votes: " << site.Votes << "\n";
    out << "Flags: " << SiteFlags(site) << "\n";
    out << "Stats info: " << StatsInfoText(site) << "\n";
}

void PrintLoadedStep(std::ostream& out, const std::string& stepFile, const engine::LoadedStep& step)
{
    out << "Step file: " << stepFile << "\n";
    out << "Channel: " << step.channel << "\n";
    if (!step.IsWeb()) {
        out << "Recipient: " << step.recipient << "\n";
        out << "Subject: " << step.subject << "\n";
        out << "Action: " << step.actionText << "\n";
        out << "Body:\n";
        for (const std::string& line : step.values) {
            out << "  " << line << "\n";
        }
        return;
    }
    out << "Host: " << step.host << "\n";
    out << "Path: " << step.path << "\n";
    out << "Method: " << step.method << "\n";
    out << "Action: " << step.actionText << "\n";
    out << "Fields:";
    out << (step.names.empty() ? " none\n" : "\n");
    for (std::size_t i = 0; i < step.names.size(); ++i) {
        out << "  " << step.names[i] << " = " << (i < step.values.size() ? step.values[i] : "(no value)")
            << "\n";
    }
    if (step.names.size() != step.values.size()) {
        out << "  (" << step.names.size() << " names, " << step.values.size()
            << " values: the run sends the request and ends the site as failed)\n";
    }
    out << "OnFailure: " << step.onFailure << "\n";
    out << "Failure text: " << step.failureText << "\n";
    out << "OnSuccess: " << step.onSuccess << "\n";
    out << "Success text: " << step.successText << "\n";
    out << "Commands:" << (step.commands.empty() ? " none\n" : "\n");
    for (const std::string& command : step.commands) {
        out << "  " << command << "\n";
    }
    if (step.ownCategoriesApplied) {
        out << "The site's own category list applied.\n";
    }
}

void WriteStepJson(JsonWriter& json, const std::string& stepFile, const engine::LoadedStep& step)
{
    auto strings = [&](const char* key, const std::vector<std::string>& list) {
        json.Key(key).BeginArray();
        for (const std::string& item : list) {
            json.String(item);
        }
        json.EndArray();
    };
    json.BeginObject().Key("file").String(stepFile).Key("channel").String(step.channel);
    if (step.IsWeb()) {
        json.Key("host").String(step.host).Key("path").String(step.path).Key("method").String(step.method);
        json.Key("action").String(step.actionText);
        strings("names", step.names);
        strings("values", step.values);
        json.Key("onFailure").Number(static_cast<long long>(step.onFailure));
        json.Key("failureText").String(step.failureText);
        json.Key("onSuccess").Number(static_cast<long long>(step.onSuccess));
        json.Key("successText").String(step.successText);
        strings("commands", step.commands);
        json.Key("ownCategoriesApplied").Bool(step.ownCategoriesApplied);
    } else {
        json.Key("recipient").String(step.recipient).Key("subject").String(step.subject);
        json.Key("action").String(step.actionText);
        strings("body", step.values);
    }
    json.EndObject();
}

} // namespace listrider::cli
