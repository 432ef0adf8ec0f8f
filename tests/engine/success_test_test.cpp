#include <gtest/gtest.h>

#include "engine/success_test.h"
#include "support/temp_dir.h"

namespace listrider::engine {
namespace {

const store::NarrowMacroResolver kMacros = [](std::string_view token, std::string& out) {
    out += token == "|ProgramName|" ? std::string_view("Tool Box") : token;
};

TEST(SuccessTestTest, WhitespaceRulesOfTheNormalizedPage)
{
    struct Case
    {
        const char* what;
        std::string page;
        std::string success;
        bool passes;
        std::string normalized;
    };

    const std::vector<Case> cases = {
        {"words on consecutive lines, the first ending with a space",
         "Thank \r\nyou",
         "Thank you",
         true,
         "Thank you"},
        {"words on consecutive lines without the space", "Thank\r\nyou", "Thank you", false, "Thankyou"},
        {"several spaces collapse", "Thank    you", "Thank you", true, "Thank you"},
        {"a leading run keeps one space", "   x", "x", true, " x"},
        {"a lone CR is no part of a line", "Thank\ryou", "Thankyou", true, "Thankyou"},
        {"a lone LF is kept", "Thank\nyou", "Thank you", false, "Thank\nyou"},
        {"case is ignored", "THANK YOU FOR SUBMITTING", "thank you", true, "THANK YOU FOR SUBMITTING"},
        {"macros are expanded first",
         "Tool Box was added",
         "|ProgramName| was added",
         true,
         "Tool Box was added"},
        {"the failure text does not fail a page with the success text",
         "Error? No: Done",
         "Done",
         true,
         "Error? No: Done"},
        {"the failure text alone does not decide either", "Error", "Done", false, "Error"},
    };
    testsupport::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto page = dir.Write("page.htm1", c.page);
        const SuccessVerdict verdict = IsSuccessPage(page, c.success, "Error", kMacros);
        EXPECT_EQ(verdict.success, c.passes);
        ASSERT_TRUE(verdict.normalizedPage.has_value());
        EXPECT_EQ(*verdict.normalizedPage, c.normalized);
    }
}

TEST(SuccessTestTest, AnEmptySuccessTextPassesWithoutReadingThePage)
{
    testsupport::TempDir dir;
    const SuccessVerdict missing = IsSuccessPage(dir / "none.htm1", "", "Error", kMacros);
    EXPECT_TRUE(missing.success);
    EXPECT_FALSE(missing.normalizedPage.has_value());

    const SuccessVerdict empty = IsSuccessPage(dir.Write("empty.htm1", ""), "", "", kMacros);
    EXPECT_TRUE(empty.success);

    // A missing page reads as an empty one.
    const SuccessVerdict absent = IsSuccessPage(dir / "none.htm2", "Done", "", kMacros);
    EXPECT_FALSE(absent.success);
    EXPECT_EQ(absent.normalizedPage, std::optional<std::string>(""));
}

} // namespace
} // namespace listrider::engine
