// Assertions on Result values.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "store/result.h"

namespace listrider::testsupport {

/// Returns a printable form of a Result's error ("" when it holds a value).
template <class R>
std::string DescribeError(const R& result)
{
    if (result.HasValue()) {
        return {};
    }
    const store::Error& error = result.GetError();
    return std::string(store::ErrorKindName(error.kind)) + ": " + error.message + " (" + error.detail + ")";
}

} // namespace listrider::testsupport

/// Expects a Result to hold a value, printing the error otherwise.
#define EXPECT_OK(result) EXPECT_TRUE((result).HasValue()) << ::listrider::testsupport::DescribeError(result)

/// Asserts that a Result holds a value, printing the error otherwise.
#define ASSERT_OK(result) ASSERT_TRUE((result).HasValue()) << ::listrider::testsupport::DescribeError(result)

/// Expects a Result to hold an error of the given kind.
#define EXPECT_ERROR_KIND(result, expectedKind)                                                              \
    do {                                                                                                     \
        const auto& lrResultRef = (result);                                                                  \
        ASSERT_FALSE(lrResultRef.HasValue());                                                                \
        EXPECT_EQ(lrResultRef.GetError().kind, (expectedKind)) << lrResultRef.GetError().message;            \
    } while (false)
