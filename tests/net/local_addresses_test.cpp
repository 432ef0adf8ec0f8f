#include <gtest/gtest.h>

#include "net/local_addresses.h"

namespace listrider::net {
namespace {

using List = std::vector<std::string>;

TEST(LocalAddressesTest, OrderingRules)
{
    EXPECT_EQ(OrderLocalAddresses({"127.0.0.1", "192.168.0.1", "10.1.2.3", "172.16.0.1", "192.168.5.7"}),
              (List{"10.1.2.3", "192.168.5.7", "127.0.0.1", "172.16.0.1", "", "0.0.0.0"}));
    EXPECT_EQ(OrderLocalAddresses({}), (List{"", "0.0.0.0"}));
}

TEST(LocalAddressesTest, TheMachineListEndsWithTheWildcards)
{
    const List list = GetLocalIP();
    ASSERT_GE(list.size(), 3u) << "loopback is always there";
    EXPECT_EQ(list[list.size() - 2], "");
    EXPECT_EQ(list.back(), "0.0.0.0");
    EXPECT_NE(std::find(list.begin(), list.end(), "127.0.0.1"), list.end());
}

TEST(LocalAddressesTest, SmtpBindsLoopbackOnlyForLoopbackServers)
{
    EXPECT_EQ(SmtpLocalAddress("127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(SmtpLocalAddress("localhost"), "127.0.0.1");
    EXPECT_EQ(SmtpLocalAddress("::1"), "127.0.0.1");
    // A name that merely contains "local" and does not resolve to loopback.
    EXPECT_EQ(SmtpLocalAddress("mail.localdomain.invalid"), "0.0.0.0");
    EXPECT_EQ(SmtpLocalAddress("10.0.0.5"), "0.0.0.0");
}

} // namespace
} // namespace listrider::net
