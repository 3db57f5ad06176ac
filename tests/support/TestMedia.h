#pragma once
// Media made at test time, once per test program, in a folder removed at exit. Every clip
// carries its frame number burned in (as digits, and as ten bits along the top edge: white
// 32x16 blocks, bit k at x = 32k, in a 320x240 picture shown at 4:3). Empty paths when
// ffmpeg or dvdauthor is missing.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

struct TestClip {
    static constexpr int kFrames = 300;
    static constexpr double kFrameRate = 30000 / 1001.0;
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;
};

// One of the generated clips: a file, or a DVD's folder holding VIDEO_TS.
struct GeneratedMedia {
    std::string name;
    std::string path;
    bool dvd = false;
    int frames = 0;
};

// The H.264 .mp4 at 30000/1001 starting at 0 (TestClip).
const std::string& generatedClip();
// The folder holding VIDEO_TS: about 4 seconds at 30000/1001.
const std::string& generatedDvd();
// The clips by number: 0 the H.264 .mp4; 1 VP9 + Opus .webm at 25 fps whose first frame
// is at 0.014 s; 2 a variable-rate .mp4 (stretches at 30, 15 and 60 fps); 3 an MPEG-2
// program stream with keyframes 60 frames apart; 4 the DVD folder. Each is made on its
// first use; nullopt when it could not be.
inline constexpr std::size_t kGeneratedKinds = 5;
std::optional<GeneratedMedia> generatedMedium(std::size_t which);
// The H.264 .mp4 made as the first but 70 seconds long; its strip counts frames modulo 1024.
std::optional<GeneratedMedia> generatedLongClip();
// Every clip that could be made.
std::vector<GeneratedMedia> generatedMedia();

} // namespace testsupport
