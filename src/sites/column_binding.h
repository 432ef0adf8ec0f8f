// What each column of the site list shows: its caption binds it to a datum of the site.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "sites/site_record.h"

namespace listrider::sites {

/// The data a column can show besides the site's name.
enum class ColumnDatum
{
    None,
    Category,
    Accepts,
    Language,
    Submitted,
    Listed,
    VersionSubmitted,
    VersionListed,
    Affiliate,
    RegNowAffiliate,
    ShareItAffiliate,
    RegSoftAffiliate,
    ESellerateAffiliate,
    LinkRequired,
    OsSupport,
    PadSupport,
    Url,
    Votes,
    Comments,
    Login,
    Password,
    Downloads,
    SiteRating,
    UserRating,
};

inline constexpr std::size_t kColumnDatumCount = static_cast<std::size_t>(ColumnDatum::UserRating) + 1;

/// Returns the datum a caption binds to: the first test that the caption passes ("contains",
/// ignoring ASCII case; "Submitted" must be equal), None when it passes none.
ColumnDatum BindColumn(std::string_view caption);

/// The column position of each datum (RequestIndexes); -1 when no column shows it.
class ColumnIndexes
{
public:
    ColumnIndexes() { m_positions.fill(-1); }

    /// Returns the position of the column showing the datum, or -1.
    int Of(ColumnDatum datum) const { return m_positions[static_cast<std::size_t>(datum)]; }

    /// Returns the datum the column at `position` shows (None for the name column and unbound ones).
    ColumnDatum At(int position) const;

    /// Returns the positions found for the list's captions: the first column always shows the
    /// site's name; of two columns bound to one datum the first one shows it.
    static ColumnIndexes RequestIndexes(std::span<const std::string> captions);

private:
    std::array<int, kColumnDatumCount> m_positions{};
};

/// Returns the record's text for a plain field datum (not Category, Submitted, Login or Password,
/// which the site list fills by their own rules); empty for those and for None.
std::string_view FieldText(const SitesR& site, ColumnDatum datum);

} // namespace listrider::sites
