#include "sites/column_binding.h"

#include "store/ascii.h"

namespace listrider::sites {
namespace {

struct Binding
{
    std::string_view test;
    ColumnDatum datum;
};

// In the order the captions are tested.
constexpr std::array<Binding, 23> kBindings = {{
    {"Category", ColumnDatum::Category},
    {"Accepts", ColumnDatum::Accepts},
    {"Site Language", ColumnDatum::Language},
    {"Submitted", ColumnDatum::Submitted},
    {"Program Listed", ColumnDatum::Listed},
    {"Version Submitted", ColumnDatum::VersionSubmitted},
    {"Version Listed", ColumnDatum::VersionListed},
    {"Affiliate", ColumnDatum::Affiliate},
    {"RegNow Aff.", ColumnDatum::RegNowAffiliate},
    {"ShareIt! Aff.", ColumnDatum::ShareItAffiliate},
    {"RegSoft Aff.", ColumnDatum::RegSoftAffiliate},
    {"eSellerate Aff.", ColumnDatum::ESellerateAffiliate},
    {"Link required", ColumnDatum::LinkRequired},
    {"OS Supported", ColumnDatum::OsSupport},
    {"PAD", ColumnDatum::PadSupport},
    {"URL", ColumnDatum::Url},
    {"Votes", ColumnDatum::Votes},
    {"Comments", ColumnDatum::Comments},
    {"Login", ColumnDatum::Login},
    {"Password", ColumnDatum::Password},
    {"Download", ColumnDatum::Downloads},
    {"Site's Rating", ColumnDatum::SiteRating},
    {"User's Rating", ColumnDatum::UserRating},
}};

} // namespace

ColumnDatum BindColumn(std::string_view caption)
{
    for (const Binding& binding : kBindings) {
        const bool matches = binding.datum == ColumnDatum::Submitted
                                 ? caption == binding.test
                                 : store::ContainsNoCase(caption, binding.test);
        if (matches) {
            return binding.datum;
        }
    }
    return ColumnDatum::None;
}

ColumnDatum ColumnIndexes::At(int position) const
{
    for (std::size_t i = 1; i < kColumnDatumCount; ++i) {
        if (m_positions[i] == position) {
            return static_cast<ColumnDatum>(i);
        }
    }
    return ColumnDatum::None;
}

ColumnIndexes ColumnIndexes::RequestIndexes(std::span<const std::string> captions)
{
    ColumnIndexes indexes;
    for (std::size_t position = 1; position < captions.size(); ++position) {
        const ColumnDatum datum = BindColumn(captions[position]);
        int& slot = indexes.m_positions[static_cast<std::size_t>(datum)];
        if (datum != ColumnDatum::None && slot < 0) {
            slot = static_cast<int>(position);
        }
    }
    return indexes;
}

std::string_view FieldText(const SitesR& site, ColumnDatum datum)
{
    switch (datum) {
    case ColumnDatum::Accepts:
        return site.Accepts;
    case ColumnDatum::Language:
        return site.Language;
    case ColumnDatum::Listed:
        return site.Listed;
    case ColumnDatum::VersionSubmitted:
        return site.VersionSubmitted;
    case ColumnDatum::VersionListed:
        return site.VersionListed;
    case ColumnDatum::Affiliate:
        return site.Affiliate;
    case ColumnDatum::RegNowAffiliate:
        return site.RegNowAffiliate;
    case ColumnDatum::ShareItAffiliate:
        return site.ShareItAffiliate;
    case ColumnDatum::RegSoftAffiliate:
        return site.RegSoftAffiliate;
    case ColumnDatum::ESellerateAffiliate:
        return site.ESellerateAffiliate;
    case ColumnDatum::LinkRequired:
        return site.LinkRequired;
    case ColumnDatum::OsSupport:
        return site.OsSupport;
    case ColumnDatum::PadSupport:
        return site.PadSupport;
    case ColumnDatum::Url:
        return site.Url;
    case ColumnDatum::Votes:
        return site.Votes;
    case ColumnDatum::Comments:
        return site.Comments;
    case ColumnDatum::Downloads:
        return site.Downloads;
    case ColumnDatum::SiteRating:
        return site.SiteRating;
    case ColumnDatum::UserRating:
        return site.UserRating;
    case ColumnDatum::None:
    case ColumnDatum::Category:
    case ColumnDatum::Submitted:
    case ColumnDatum::Login:
    case ColumnDatum::Password:
        break;
    }
    return {};
}

} // namespace listrider::sites
