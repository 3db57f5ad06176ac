// The range check before a mark, as a function of the settings, the two header texts and
// one reading of the player.
#include "videocoder/coding/TimeRange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using vc::PlayerKind;

struct Case {
    bool warning;
    PlayerKind kind;
    double form;
    std::string start, end;
    double seconds;
    int frame;
    bool out;
};

TEST(TimeOuttaRange, ComparesTheReadingWithTheHeaderSpan) {
    const auto media = PlayerKind::MediaWindow;
    const auto file = PlayerKind::FileWindow;
    const auto dvd = PlayerKind::DvdWindow;
    const std::string s10 = "00:00:10.00";
    const std::string s60 = "00:01:00.00";
    const std::vector<Case> cases = {
        // Off: never out of range.
        {false, media, 1, s10, s60, 500, 0, false},
        // No span: a field empty or blank.
        {true, media, 1, "", s60, 500, 0, false},
        {true, media, 1, s10, "   ", 500, 0, false},
        // Seconds: the limits lie inside.
        {true, media, 1, s10, s60, 9.99, 0, true},
        {true, media, 1, s10, s60, 10, 0, false},
        {true, media, 1, s10, s60, 60, 0, false},
        {true, media, 1, s10, s60, 60.01, 0, true},
        {true, file, 1, s10, s60, 60.01, 0, true},
        {true, dvd, 0, "10", "60", 9.5, 0, true},
        // A start after the end: every position is out.
        {true, media, 1, s60, s10, 30, 0, true},
        // Frames on the file and DVD windows in the frame forms.
        {true, file, 2, "300", "900", 0, 299, true},
        {true, file, 2, "300", "900", 0, 300, false},
        {true, file, 2, "300", "900", 0, 900, false},
        {true, file, 2, "300", "900", 0, 901, true},
        {true, dvd, 2, "300", "900", 0, 901, true},
        {true, dvd, 3, "00:00:10:00", "00:00:30:00", 0, 299, true},
        {true, file, 3, "00:00:10:00", "00:00:30:00", 0, 300, false},
        // The media window stays in seconds whatever the form.
        {true, media, 2, "00:00:10.00", "00:01:00.00", 5, 900, true},
        // A limit that cannot be read as frames: no span, the mark goes ahead quietly.
        {true, file, 3, "ab:cd:ef:gh", "00:00:30:00", 0, 5, false},
        {true, dvd, 3, "00:00:10:00", "00:xx:30:00", 0, 5000, false},
    };
    // A player that counts no frames gives no warning in the frame forms.
    vc::VideoSettings frames;
    frames.gRangeWarning = vc::kTrue;
    frames.FrameDisplay = 2;
    EXPECT_FALSE(vc::TimeOuttaRange(frames, PlayerKind::FileWindow, "10", "20", 9999, std::nullopt));
    for (const Case& c : cases) {
        vc::VideoSettings s;
        s.gRangeWarning = c.warning ? vc::kTrue : vc::kFalse;
        s.FrameDisplay = c.form;
        EXPECT_EQ(vc::TimeOuttaRange(s, c.kind, c.start, c.end, c.seconds, c.frame), c.out)
            << static_cast<int>(c.kind) << " form " << c.form << " " << c.start << ".." << c.end << " at "
            << c.seconds << "/" << c.frame;
    }
}

} // namespace
