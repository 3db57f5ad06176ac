#pragma once
// Row times as texts in the four display forms chosen by FrameDisplay (0 seconds
// "12.34", 1 clock "HH:MM:SS.ss", 2 frames "370", 3 timecode "HH:MM:SS:FF"), and back.
// Each conversion depends only on its argument, FrameDisplay and FrameRate; the same
// call gives different results in different display modes and callers rely on that.
//
// Rates: R is FrameRate rounded halves to even (29.97 gives 30), F the rate as stored and
// Fs F in single precision. Timecode frames count at R; clock texts to and from frames use
// F. A stored rate that is not positive counts as 29.97, and R is at least 1, so no
// conversion divides by zero.
//
// The two conversions to frames read some fields as strict numbers and throw RunError 13
// when such a field is empty or not a number (a clock text of fewer than seven characters);
// numbers too large for their type throw RunError 6. The others never fail.

#include "videocoder/core/Globals.h"

#include <cstdint>
#include <string>

namespace vc {

std::string SecondsToClockText(double seconds, const VideoSettings& s);
float TimeTextToSeconds(const std::string& time, const VideoSettings& s);
std::string SecondsToTimecode(double seconds, const VideoSettings& s);
float TimecodeToSeconds(const std::string& timecode, const VideoSettings& s);
std::string FramesToTimecode(double frames, const VideoSettings& s);
std::string FramesToClockText(double frames, const VideoSettings& s);
std::int32_t ClockTextToFrames(const std::string& time, const VideoSettings& s);
std::int32_t TimecodeToFrames(const std::string& timecode, const VideoSettings& s);
// Frames as "HH:MM:SS:FF" with every field counted at R, so that TimecodeToFrames reads the
// same frames back (FramesToTimecode counts its seconds at F, and at 29.97 a frame late in a
// minute reads back up to two frames off); the number itself when FrameDisplay is 2 and
// for a negative count. At a whole rate it is FramesToTimecode's text.
std::string FramesToFrameTimecode(double frames, const VideoSettings& s);

} // namespace vc
