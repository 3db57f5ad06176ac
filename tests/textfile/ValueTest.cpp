#include "textfile/Value.h"

#include <gtest/gtest.h>

namespace textfile {
namespace {

TEST(Value, AsTextAndAsNumberByKind) {
    const struct {
        Value value;
        const char* text;
        double number;
    } cases[] = {
        {Value::ofNumber(0.5), "0.5", 0.5},
        {Value::ofNumber(-3), "-3", -3},
        {Value::ofText("12abc"), "12abc", 12},
        {Value::ofText("abc"), "abc", 0},
        {Value::empty(), "", 0},
        {Value::null(), "", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.value.asText(), c.text);
        EXPECT_EQ(c.value.asNumber(), c.number) << c.text;
    }
}

} // namespace
} // namespace textfile
