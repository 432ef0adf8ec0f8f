// A literal, slow transcription of the text-command algorithms: every search re-reads the page
// character by character and every cut copies, as the rules are written. The differential test
// holds the fast implementations to it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/run_values.h"
#include "engine/text_commands.h"
#include "engine/version_search.h"
#include "store/line_list.h"

namespace listrider::engine::literal {

std::string WorkingPage(store::LineSpan lines);

std::string FromFirst(std::string page, std::string_view text);
std::string BeforeLast(std::string page, std::string_view text);
std::string BeforeFirst(std::string page, std::string_view text);
std::optional<std::string> ValueAfter(std::string page, std::string_view text);
std::optional<std::string> ValueAfterLast(std::string page, std::string_view text);

std::string SmartAfter(std::string page, std::string_view text);
std::string SmartBefore(std::string page, std::string_view text);
std::string Unsmart(std::string page, std::string_view text);

/// The version words and the offset of the occurrence where they were found.
std::optional<std::pair<std::size_t, std::string>>
FindVersion(std::string page, std::string_view label, VersionRules rules);

struct Forms
{
    std::vector<std::string> names;
    std::vector<std::string> values;
    std::string action;
    std::string method;
};

Forms FindForm(std::string page, long long n);

/// Runs the commands on an already built working page.
TextCommandOutcome RunCommands(std::string page,
                               const std::vector<std::string>& commands,
                               std::vector<std::string>& names,
                               std::vector<std::string>& values,
                               CustomValues& custom,
                               const std::string& lastSuccessPage,
                               VersionRules rules);

} // namespace listrider::engine::literal
