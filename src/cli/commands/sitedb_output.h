// How sitedb prints site records and loaded steps, as text and as JSON.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/json_writer.h"
#include "engine/script_step.h"
#include "sites/site_index.h"

namespace listrider::cli {

/// Returns the short flag words of a site ("categories,stats,...").
std::string SiteFlags(const sites::SitesR& site);

/// Prints the site table as aligned columns: name, accepts, account, OS support, language, flags.
void PrintSiteTable(std::ostream& out, const sites::SiteTable& table);

/// Writes every index field of a site as one JSON object.
void WriteSiteJson(JsonWriter& json, const sites::SitesR& site);

/// Prints every index field of a site, one "Label: value" line each.
void PrintSiteHeader(std::ostream& out, const sites::SitesR& site);

/// Prints a loaded step: channel, request line, fields, branches, texts and commands (web), or
/// recipient, subject and body (e-mail).
void PrintLoadedStep(std::ostream& out, const std::string& stepFile, const engine::LoadedStep& step);

/// Writes a loaded step as one JSON object.
void WriteStepJson(JsonWriter& json, const std::string& stepFile, const engine::LoadedStep& step);

} // namespace listrider::cli
