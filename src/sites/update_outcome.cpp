#include "sites/update_outcome.h"

namespace listrider::sites {

std::string UpdateStatusText(const UpdateOutcome& outcome)
{
    if (!outcome.success) {
        return "Site database update failed.";
    }
    return "Database updated successfully. " + std::to_string(outcome.added.size()) + " sites added, " +
           std::to_string(outcome.updated.size()) + " sites updated and " +
           std::to_string(outcome.obsolete.size()) + " sites deleted.";
}

std::vector<std::string> UpdateReportLines(const UpdateOutcome& outcome)
{
    std::vector<std::string> lines{"The site database has been updated successfully!"};
    const auto section = [&lines](const std::string& caption, const std::vector<std::string>& names) {
        lines.push_back(caption + std::to_string(names.size()));
        for (const std::string& name : names) {
            lines.push_back("  " + name);
        }
    };
    section("Sites added: ", outcome.added);
    section("Sites updated: ", outcome.updated);
    section("Obsolete sites deleted: ", outcome.obsolete);
    return lines;
}

} // namespace listrider::sites
