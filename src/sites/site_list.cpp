#include "sites/site_list.h"

#include <algorithm>
#include <unordered_set>

#include "sites/alphabetical.h"
#include "sites/site_sort.h"
#include "store/ascii.h"

namespace listrider::sites {
namespace {

constexpr std::string_view kNotApplicable = "n/a";
constexpr std::string_view kUnknownAccount = "-";

struct AccountCells
{
    std::string_view login;
    std::string_view password;
    bool fill = true;
};

// What the Login and Password columns show before the accounts are placed.
AccountCells AccountCellsOf(std::string_view accountKind)
{
    if (accountKind.empty() || accountKind == kNotApplicable) {
        return {kNotApplicable, kNotApplicable};
    }
    if (accountKind == "LOGINPASSWORD" || accountKind == "MAILPASSWORD") {
        return {kUnknownAccount, kUnknownAccount};
    }
    if (accountKind == "PASSWORD") {
        return {kNotApplicable, kUnknownAccount};
    }
    return {{}, {}, false};
}

} // namespace

void SiteList::RefreshColumns(std::span<const ColumnsR> entries)
{
    m_columns.clear();
    for (const ColumnsR& entry : entries) {
        if (entry.IsVisible()) {
            m_columns.push_back(entry);
        }
    }
    m_indexes = ColumnIndexes::RequestIndexes(Captions());
    m_rows.clear();
}

std::vector<std::string> SiteList::Captions() const
{
    std::vector<std::string> captions;
    captions.reserve(m_columns.size());
    for (const ColumnsR& column : m_columns) {
        captions.push_back(column.name);
    }
    return captions;
}

void SiteList::FillRow(SiteRow& row, const SitesR& site) const
{
    for (std::size_t position = 1; position < m_columns.size(); ++position) {
        const ColumnDatum datum = m_indexes.At(static_cast<int>(position));
        std::string& cell = row.cells[position - 1];
        switch (datum) {
        case ColumnDatum::Category:
            cell = site.HasCategories ? site.Category : std::string(kNotAvailableCategory);
            break;
        case ColumnDatum::Submitted:
            break;
        case ColumnDatum::Login:
        case ColumnDatum::Password: {
            const AccountCells account = AccountCellsOf(site.AccountKind);
            if (account.fill) {
                cell = datum == ColumnDatum::Login ? account.login : account.password;
            }
            break;
        }
        default:
            cell = FieldText(site, datum);
            break;
        }
    }
}

void SiteList::RefreshSites(const SiteTable& table, const RefreshInputs& inputs)
{
    m_rows.clear();
    m_categories.clear();
    m_affiliates.clear();
    m_backLinks.clear();

    const SiteFilter filter(inputs.filter, std::string(inputs.productVersion), inputs.accounts);
    const std::vector<int> shown = UseFilter(table, filter);
    const std::unordered_set<std::string_view> blacklist(inputs.blacklist.begin(), inputs.blacklist.end());
    const std::size_t cellCount = m_columns.empty() ? 0 : m_columns.size() - 1;

    for (std::size_t i = 0; i < table.sites.size(); ++i) {
        const SitesR& site = table.sites[i];
        if (site.LinkRequired == "YES") {
            m_backLinks.push_back(site.Name);
        }
        if (!site.Affiliate.empty() && site.Affiliate != "-") {
            m_affiliates.push_back({site.Name,
                                    site.RegNowAffiliate,
                                    site.RegSoftAffiliate,
                                    site.ShareItAffiliate,
                                    site.ESellerateAffiliate,
                                    site.Affiliate});
        }
        if (shown[i] == -1 || blacklist.count(site.Name) != 0) {
            continue;
        }
        SiteRow row{site.Name, std::vector<std::string>(cellCount), false, 0};
        if (site.HasCategories) {
            m_categories.push_back({site.Name, site.Category});
        }
        FillRow(row, site);
        row.checked = inputs.autocheck && site.MustBeChecked == "YES";
        m_rows.push_back(std::move(row));
    }

    SortSites(*this, table);
    std::sort(m_backLinks.begin(), m_backLinks.end(), [](const std::string& a, const std::string& b) {
        return AlphabeticalLess(a, b);
    });
    m_backLinks.insert(m_backLinks.begin(), std::string(kAllSitesEntry));
}

SiteRow* SiteList::FindRow(std::string_view name)
{
    const auto found =
        std::find_if(m_rows.begin(), m_rows.end(), [name](const SiteRow& row) { return row.name == name; });
    return found == m_rows.end() ? nullptr : &*found;
}

const SiteRow* SiteList::FindRow(std::string_view name) const
{
    return const_cast<SiteList*>(this)->FindRow(name); // NOLINT(cppcoreguidelines-pro-type-const-cast)
}

bool SiteList::RemoveRow(std::string_view name)
{
    const auto kept =
        std::remove_if(m_rows.begin(), m_rows.end(), [name](const SiteRow& row) { return row.name == name; });
    const bool removed = kept != m_rows.end();
    m_rows.erase(kept, m_rows.end());
    return removed;
}

std::string* SiteList::Cell(SiteRow& row, ColumnDatum datum)
{
    const int position = m_indexes.Of(datum);
    if (position < 1 || static_cast<std::size_t>(position) > row.cells.size()) {
        return nullptr;
    }
    return &row.cells[static_cast<std::size_t>(position) - 1];
}

const std::string* SiteList::Cell(const SiteRow& row, ColumnDatum datum) const
{
    return const_cast<SiteList*>(this)->Cell(const_cast<SiteRow&>(row), datum); // NOLINT
}

std::string_view SiteList::Text(const SiteRow& row, std::size_t column) const
{
    if (column == 0) {
        return row.name;
    }
    return column <= row.cells.size() ? std::string_view(row.cells[column - 1]) : std::string_view();
}

std::vector<std::string> SiteList::CheckedSites() const
{
    std::vector<std::string> names;
    for (const SiteRow& row : m_rows) {
        if (row.checked) {
            names.push_back(row.name);
        }
    }
    return names;
}

void PlacePasswordstoSites(SiteList& list, catalogue::AccountsList& accounts)
{
    if (!accounts.copyToSiteList) {
        return;
    }
    const auto shown = [](const std::string& value) {
        return value.empty() ? std::string(kUnknownAccount) : value;
    };
    for (const catalogue::AccountRow& account : accounts.rows) {
        for (SiteRow& row : list.Rows()) {
            if (!store::EqualsNoCase(row.name, account.siteName)) {
                continue;
            }
            if (std::string* login = list.Cell(row, ColumnDatum::Login)) {
                *login = shown(account.login);
            }
            if (std::string* password = list.Cell(row, ColumnDatum::Password)) {
                *password = shown(account.password);
            }
            break;
        }
    }
    accounts.copyToSiteList = false;
}

void ClearSiteRows(SiteList& list)
{
    for (SiteRow& row : list.Rows()) {
        if (std::string* category = list.Cell(row, ColumnDatum::Category);
            category != nullptr && !store::ContainsNoCase(*category, "Not Available")) {
            *category = "-";
        }
        for (const ColumnDatum datum : {ColumnDatum::Login, ColumnDatum::Password}) {
            if (std::string* cell = list.Cell(row, datum); cell != nullptr && *cell != kNotApplicable) {
                *cell = kUnknownAccount;
            }
        }
        if (std::string* submitted = list.Cell(row, ColumnDatum::Submitted)) {
            submitted->clear();
        }
    }
}

} // namespace listrider::sites
