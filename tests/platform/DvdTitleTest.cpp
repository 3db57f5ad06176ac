// A DVD folder's main title: the parts of the title set holding the most video, in order.
#include "platform/DvdTitle.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

void write(const std::filesystem::path& path, std::size_t bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << std::string(bytes, 'x');
}

TEST(DvdTitle, TheLargestTitleSetsPartsInOrderFromTheFolderOrItsVideoTs) {
    testsupport::ScratchFolder disc;
    const auto videoTs = disc.path() / "VIDEO_TS";
    write(videoTs / "VIDEO_TS.VOB", 500);
    write(videoTs / "VTS_01_0.VOB", 900); // a menu: never played
    write(videoTs / "VTS_01_1.VOB", 100);
    write(videoTs / "VTS_02_2.VOB", 300);
    write(videoTs / "VTS_02_1.VOB", 300);
    write(videoTs / "VTS_02_0.IFO", 10);
    const std::vector<std::string> expected{(videoTs / "VTS_02_1.VOB").string(),
                                            (videoTs / "VTS_02_2.VOB").string()};
    EXPECT_EQ(platform::mainTitleFiles(disc.path().string()), expected);
    EXPECT_EQ(platform::mainTitleFiles(videoTs.string()), expected);
    EXPECT_EQ(platform::mainTitleFiles(videoTs.string() + "/"), expected);
}

TEST(DvdTitle, AFolderWithoutTitlesHasNone) {
    testsupport::ScratchFolder empty;
    write(empty.path() / "video_ts" / "VIDEO_TS.IFO", 10);
    EXPECT_TRUE(platform::mainTitleFiles(empty.path().string()).empty());
    EXPECT_TRUE(platform::mainTitleFiles("/no/such/disc").empty());
}

} // namespace
