#include "textfile/RunError.h"

#include <gtest/gtest.h>

namespace textfile {
namespace {

TEST(RunError, CarriesItsNumberAndOurDescription) {
    const struct {
        int number;
        const char* description;
    } cases[] = {
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {9, "Subscript out of range"},
        {13, "Type mismatch"},
        {53, "File not found"},
        {62, "Input past end of file"},
        {75, "Path/File access error"},
        {1, "Application-defined or object-defined error"},
    };
    for (const auto& c : cases) {
        const RunError e(c.number);
        EXPECT_EQ(e.number(), c.number);
        EXPECT_EQ(e.description(), c.description);
        EXPECT_STREQ(e.what(), c.description);
    }
}

} // namespace
} // namespace textfile
