#pragma once
// The time converter: a time typed in any of the four forms, recognised by the
// characters it holds, rewritten in the form FrameDisplay chooses.

#include "videocoder/core/Globals.h"

#include <string>

namespace vc {

struct ConvertedTime {
    bool ok = true;
    std::string text;  // the converted time; the argument unchanged when !ok
    std::string error; // why it could not be converted
};

// The form a time text is written in: "." and ":" clock (1), "." alone seconds (0),
// ":" alone timecode (3), neither frames (2).
int timeFormOf(const std::string& time);

// A text blank after trimming, or already in the chosen form, comes back unchanged; a
// FrameDisplay outside 0 to 3 gives "". A chain that needs a number and finds none, or a
// field that cannot be read, gives !ok with the text unchanged.
ConvertedTime ConvertTimeText(const std::string& time, const VideoSettings& s);

} // namespace vc
