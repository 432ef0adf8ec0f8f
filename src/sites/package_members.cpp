#include "sites/package_members.h"

#include <vector>

namespace listrider::sites {
namespace {

std::vector<PackageMember> BuildTable()
{
    std::vector<PackageMember> table;
    auto step = [&](std::string extension, int slot) {
        table.push_back(PackageMember{std::move(extension), slot, nullptr, true, false});
    };
    auto text = [&](std::string extension, std::string SitesR::*field, bool encoded) {
        table.push_back(PackageMember{std::move(extension), -1, field, encoded, false});
    };
    step("sub", 0);
    for (int n = 1; n <= 30; ++n) {
        step(std::to_string(n), n);
    }
    step("98", 98);
    step("99", 99);
    for (int n = 150; n <= 159; ++n) {
        step(std::to_string(n), n);
    }
    text("zam", &SitesR::Zam, true);
    text("sss", &SitesR::Sss, true);
    text("cod", &SitesR::Cod, false);
    text("aff", &SitesR::Aff, true);
    text("ref", &SitesR::Ref, true);
    text("cat", &SitesR::Cat, false);
    text("ca0", &SitesR::Ca0, false);
    text("caa", &SitesR::Caa, false);
    text("exb", &SitesR::Exb, true);
    text("are", &SitesR::Are, true);
    text("scr", &SitesR::Scr, true);
    text("os", &SitesR::Os, true);
    text("typ", &SitesR::Typ, true);
    text("ins", &SitesR::Ins, true);
    text("cou", &SitesR::Cou, true);
    text("rel", &SitesR::Rel, true);
    text("sta", &SitesR::Sta, true);
    text("err", &SitesR::Err, true);
    text("lng", &SitesR::Lng, true);
    table.push_back(PackageMember{"prb", -1, nullptr, false, true});
    text("exp", &SitesR::Exp, true);
    text("siz", &SitesR::Siz, true);
    text("mon", &SitesR::Mon, true);
    text("lan", &SitesR::Lan, true);
    text("bet", &SitesR::Bet, true);
    return table;
}

} // namespace

std::span<const PackageMember> PackageMembers()
{
    static const std::vector<PackageMember> table = BuildTable();
    return table;
}

const PackageMember* FindPackageMember(std::string_view extension)
{
    for (const PackageMember& member : PackageMembers()) {
        if (member.extension == extension) {
            return &member;
        }
    }
    return nullptr;
}

std::string_view MemberText(const SitesR& record, const PackageMember& member)
{
    if (member.step >= 0) {
        return record.Steps.Get(member.step);
    }
    if (member.text != nullptr) {
        return record.*member.text;
    }
    return {};
}

void SetMemberText(SitesR& record, const PackageMember& member, std::string text)
{
    if (member.step >= 0) {
        record.Steps.Set(member.step, std::move(text));
    } else if (member.text != nullptr) {
        record.*member.text = std::move(text);
    } else if (member.presenceOnly) {
        record.HasPrb = true;
    }
}

} // namespace listrider::sites
