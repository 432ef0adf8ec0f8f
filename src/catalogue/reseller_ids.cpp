#include "catalogue/reseller_ids.h"

#include <string>

#include "store/ascii.h"

namespace listrider::catalogue {
namespace {

constexpr std::string_view kDigits = "0123456789";

// Returns the run of `allowed` characters right after the first `marker` of the line, when the
// run is not empty and something follows it.
std::string IdAfter(std::string_view line, std::string_view marker, std::string_view allowed)
{
    const std::size_t at = store::FindNoCase(line, marker);
    if (at == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = line.substr(at + marker.size());
    std::size_t length = 0;
    while (length < rest.size() && allowed.find(rest[length]) != std::string_view::npos) {
        ++length;
    }
    if (length == 0 || length == rest.size()) {
        return {};
    }
    return std::string(rest.substr(0, length));
}

void Take(std::string& field, std::string value)
{
    if (!value.empty()) {
        field = std::move(value);
    }
}

} // namespace

void ReadResellerIds(std::string_view line, std::string_view shareItParentDomain, AffiliateInfo& affiliates)
{
    if (store::ContainsNoCase(line, "regnow")) {
        Take(affiliates.regNowId, IdAfter(line, "item=", "0123456789-"));
    }
    if (!shareItParentDomain.empty() && store::ContainsNoCase(line, shareItParentDomain)) {
        Take(affiliates.shareItId, IdAfter(line, "PRODUCT[", kDigits));
    }
    if (store::ContainsNoCase(line, "shareit")) {
        Take(affiliates.shareItId, IdAfter(line, "productid=", kDigits));
        Take(affiliates.shareItId, IdAfter(line, "PRODUCT[", kDigits));
    }
    if (store::ContainsNoCase(line, "regsoft")) {
        Take(affiliates.regSoftId, IdAfter(line, "productid=", kDigits));
    }
    if (store::ContainsNoCase(line, "esellerate")) {
        Take(affiliates.eSellerateCompanyId, IdAfter(line, "s=", "0123456789STR"));
    }
}

} // namespace listrider::catalogue
