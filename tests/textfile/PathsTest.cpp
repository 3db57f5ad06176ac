#include "textfile/Paths.h"

#include <gtest/gtest.h>

namespace textfile {
namespace {

TEST(Paths, SplitAtTheLastBackslashOrSlash) {
    const struct {
        const char* path;
        const char* name;
        const char* folder;
    } cases[] = {
        {"C:\\a\\b.eve", "b.eve", "C:\\a\\"},
        {"/x/y/b.eve", "b.eve", "/x/y/"},
        {"C:\\data/kid.eve", "kid.eve", "C:\\data/"},
        {"b.eve", "b.eve", ""},
        {"", "", ""},
        {"C:\\a\\", "", "C:\\a\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileNameOnly(c.path), c.name) << c.path;
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
    }
}

TEST(Paths, CompanionNameCutsAtTheFirstDotOfTheFileName) {
    const struct {
        const char* path;
        const char* extension;
        const char* companion;
    } cases[] = {
        {"/home/j.smith/kid.slt", ".qvd", "/home/j.smith/kid.qvd"},
        {"a\\b.c\\kid.x.y", ".SBS", "a\\b.c\\kid.SBS"},
        {"kid", ".SBS", "kid.SBS"},
        {"/home/j.smith/kid", ".csv", "/home/j.smith/kid.csv"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(companionName(c.path, c.extension), c.companion) << c.path;
    }
}

} // namespace
} // namespace textfile
