#pragma once
// Media made at test time, once per test program, in a folder removed at exit:
// a clip of 300 frames at 30000/1001 frames a second with the frame number burned in
// (as digits, and as ten bits along the top edge: white 32x16 blocks, bit k at x = 32k),
// and a DVD's VIDEO_TS folder. Empty paths when ffmpeg or dvdauthor is missing.

#include <string>

namespace testsupport {

struct TestClip {
    static constexpr int kFrames = 300;
    static constexpr double kFrameRate = 30000 / 1001.0;
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;
};

const std::string& generatedClip();
// The folder holding VIDEO_TS (about 4 seconds of video).
const std::string& generatedDvd();

} // namespace testsupport
