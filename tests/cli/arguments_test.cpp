#include <gtest/gtest.h>

#include "cli/arguments.h"

namespace listrider::cli {
namespace {

TEST(ArgumentsTest, TakesFlagsOptionsAndWordsApart)
{
    const std::vector<std::string> args = {
        "show", "--json", "--company", "Acme", "--product=Tool", "extra", "--", "--literal"};
    Arguments arguments(args);
    EXPECT_TRUE(arguments.Flag("json"));
    EXPECT_FALSE(arguments.Flag("xml"));
    EXPECT_EQ(arguments.Option("company"), std::optional<std::string>("Acme"));
    EXPECT_EQ(arguments.Option("product"), std::optional<std::string>("Tool"));
    EXPECT_EQ(arguments.Option("missing"), std::nullopt);
    EXPECT_EQ(arguments.Positionals(), (std::vector<std::string>{"show", "extra", "--literal"}));
    EXPECT_EQ(arguments.Finish(), "");
}

TEST(ArgumentsTest, ReportsUnknownOptionsAndMissingValues)
{
    const std::vector<std::string> unknown = {"--jsn"};
    Arguments a(unknown);
    EXPECT_FALSE(a.Flag("json"));
    EXPECT_EQ(a.Finish(), "unknown option --jsn");

    const std::vector<std::string> missing = {"--company"};
    Arguments b(missing);
    EXPECT_EQ(b.Option("company"), std::nullopt);
    EXPECT_EQ(b.Finish(), "--company needs a value");
}

} // namespace
} // namespace listrider::cli
