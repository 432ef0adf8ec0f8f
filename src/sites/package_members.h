// The members a site package may hold, in loading order, and the record fields they fill.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "sites/site_record.h"

namespace listrider::sites {

/// One kind of package member, named <Name>.<extension>.
struct PackageMember
{
    std::string extension;               ///< "sub", "1" … "159", "zam" …
    int step = -1;                       ///< the step slot it fills, or -1
    std::string SitesR::*text = nullptr; ///< the text field it fills, when not a step
    bool encoded = true;                 ///< stored encoded with the site-data key
    bool presenceOnly = false;           ///< only its presence counts (.prb)
};

/// Returns every member kind in the order a site is loaded: .sub, steps 1-30, 98, 99, 150-159,
/// then the lists.
std::span<const PackageMember> PackageMembers();

/// Returns the member kind of an extension (exact, lower case), or null.
const PackageMember* FindPackageMember(std::string_view extension);

/// Returns the member's text in the record ("" for .prb).
std::string_view MemberText(const SitesR& record, const PackageMember& member);

/// Stores a member's text in the record (.prb sets HasPrb).
void SetMemberText(SitesR& record, const PackageMember& member, std::string text);

} // namespace listrider::sites
