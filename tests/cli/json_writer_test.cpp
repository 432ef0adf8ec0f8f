#include <gtest/gtest.h>

#include "cli/json_writer.h"

namespace listrider::cli {
namespace {

TEST(JsonWriterTest, EscapesStrings)
{
    EXPECT_EQ(JsonString("a\"b\\c\n\t\x01"), "\"a\\\"b\\\\c\\n\\t\\u0001\"");
    EXPECT_EQ(JsonString("caf\xC3\xA9"), "\"caf\xC3\xA9\""); // UTF-8 passes through
    EXPECT_EQ(JsonString("caf\xE9"), "\"caf\\u00e9\"");      // a code-page byte is escaped
}

TEST(JsonWriterTest, WritesNestedValuesWithCommas)
{
    JsonWriter writer;
    writer.BeginObject()
        .Key("name")
        .String("x")
        .Key("list")
        .BeginArray()
        .Number(1LL)
        .Bool(true)
        .Null()
        .BeginObject()
        .EndObject()
        .EndArray()
        .Key("ratio")
        .Number(0.5)
        .EndObject();
    EXPECT_EQ(writer.Text(), R"({"name":"x","list":[1,true,null,{}],"ratio":0.5})");
}

} // namespace
} // namespace listrider::cli
