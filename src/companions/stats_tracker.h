// The stats run (TStats): each checked site's stats script, from step 150, with the product's
// listing values stored into its status.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/accounts.h"
#include "catalogue/value_set.h"
#include "companions/stats_list.h"
#include "engine/run_control.h"
#include "sites/site_index.h"
#include "sites/site_packages.h"
#include "store/date_time.h"
#include "store/installation_config.h"
#include "store/prefs.h"

namespace listrider::companions {

/// The refusal when no row is checked.
inline constexpr std::string_view kNoStatsSite = "At least one site must be selected";

/// The action label while a site is processed.
inline constexpr std::string_view kCollectingStats = "Collecting stats";

/// The stats window's progress panel and list.
class StatsView
{
public:
    virtual ~StatsView() = default;

    /// A row's image, columns or check box changed.
    virtual void RowChanged(const StatRow& row) = 0;

    /// Shows the current site ("&" doubled) and the action label.
    virtual void ShowCurrentSite(std::string_view site, std::string_view action) = 0;

    /// Shows the progress: the percentage, and its text ("40% Complete").
    virtual void ShowProgress(int percent, std::string_view text) = 0;

    /// Shows the summary figures after a site.
    virtual void ShowSummary(const StatsSummary& summary) = 0;
};

/// What a stats run is started with.
struct StatsInputs
{
    std::filesystem::path workspace;
    std::filesystem::path scratchDir;    ///< names the step files
    std::filesystem::path productFolder; ///< receives the product status after each site
    sites::SiteTable* table = nullptr;
    sites::SitePackages* packages = nullptr; ///< loads each site's package; none: as the table holds it
    catalogue::AccountsList accounts;        ///< |SiteLogin| and |SitePassword|
    catalogue::ProductValues values;         ///< GetValues of the open product
    std::vector<StatRow>* rows = nullptr;    ///< the list; its checked rows are the selection
    store::Prefs prefs;
    store::InstallationConfig config;
    store::CivilDate today;
    std::string localIp;                         ///< |LocalIP|
    std::chrono::milliseconds requestTimeout{0}; ///< zero: the HTTP_Expire preference
};

/// The run counters.
struct StatsOutcome
{
    bool stopped = false;
    std::size_t selected = 0;
    std::size_t processed = 0;
    std::size_t withResult = 0;
    std::vector<std::string> pending; ///< sites whose script ended with -3
    std::string crash;                ///< what went wrong when the run could not go on
};

/// One stats run. Execute is the worker's whole job and never throws.
class TStats
{
public:
    TStats(StatsInputs& inputs, StatsView& view, engine::RunControl& control);

    StatsOutcome Execute();

private:
    StatsInputs& m_in;
    StatsView& m_view;
    engine::RunControl& m_control;
};

} // namespace listrider::companions
