#include <gtest/gtest.h>

#include "cli/json_reader.h"
#include "cli/json_writer.h"

namespace listrider::cli {
namespace {

TEST(JsonReaderTest, ReadsWhatTheWriterWrites)
{
    JsonWriter writer;
    writer.BeginObject()
        .Key("log")
        .BeginArray()
        .BeginObject()
        .Key("site")
        .String("Caf\xe9 \"Soft\"\t\\")
        .Key("result")
        .String("Done")
        .EndObject()
        .EndArray()
        .Key("nextStep")
        .Number(4LL)
        .Key("ratio")
        .Number(0.5)
        .Key("ok")
        .Bool(true)
        .Key("none")
        .Null()
        .EndObject();
    const std::optional<JsonValue> value = ParseJson(writer.Text());
    ASSERT_TRUE(value) << writer.Text();
    const JsonValue* log = value->Find("log");
    ASSERT_NE(log, nullptr);
    ASSERT_EQ(log->items.size(), 1u);
    // A code-page byte is written as \u00e9 and read back as its UTF-8 form.
    EXPECT_EQ(log->items[0].StringOf("site"), "Caf\xc3\xa9 \"Soft\"\t\\");
    EXPECT_EQ(value->Find("nextStep")->number, 4);
    EXPECT_EQ(value->Find("ratio")->number, 0.5);
    EXPECT_TRUE(value->Find("ok")->boolean);
    EXPECT_EQ(value->Find("none")->kind, JsonValue::Kind::Null);
    EXPECT_EQ(value->StringOf("missing"), "");
}

TEST(JsonReaderTest, RefusesWhatIsNotOneJsonValue)
{
    for (const char* text : {"",
                             "{",
                             "{\"a\":}",
                             "[1,]",
                             "\"open",
                             "{\"a\":1} x",
                             "Click on Start\n{}",
                             "1.2.3",
                             "\"\\q\"",
                             "[\"\\ud800\\u0041\"]"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseJson(text));
    }
    const std::optional<JsonValue> pair = ParseJson("[\"\\ud83d\\ude00\", -1e2]");
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->items[0].text, "\xf0\x9f\x98\x80");
    EXPECT_EQ(pair->items[1].number, -100);
}

} // namespace
} // namespace listrider::cli
