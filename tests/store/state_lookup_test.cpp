#include <gtest/gtest.h>

#include "store/state_lookup.h"
#include "support/temp_dir.h"

namespace listrider::store {
namespace {

TEST(StateLookupTest, ReplacesNamesFromThePairsOfLines)
{
    testsupport::TempDir dir;
    const auto states = dir.Write("states.dat", "California\r\nCA\r\nNew York\r\nNY\r\nDangling");
    EXPECT_EQ(StateLookup("california", states), "CA");
    EXPECT_EQ(StateLookup("NEW YORK", states), "NY");
    EXPECT_EQ(StateLookup("CA", states), "CA"); // replacements are not names
    EXPECT_EQ(StateLookup("NY", states), "NY");
    EXPECT_EQ(StateLookup("Texas", states), "Texas");
    EXPECT_EQ(StateLookup("Dangling", states), "Dangling"); // a name without its replacement line
    EXPECT_EQ(StateLookup("California", dir / "missing.dat"), "California");
}

} // namespace
} // namespace listrider::store
