#pragma once
// Time texts of imported data files and the slot-wide shifts every importer applies.

#include "workstation/core/CodeSet.h"
#include "workstation/core/EventSlotWriter.h"
#include "workstation/core/ImportTimeForms.h"
#include "workstation/core/WorkstationSettings.h"

#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace ws {

// Receives a message for the person: the importer shows it in a box with the program's title.
using ImportMessageSink = std::function<void(const std::string& message)>;
// Receives a warning entry for the output file.
using ImportWarningSink = std::function<void(const std::string& entry)>;
// A warning entry: an empty line, "Warning for file:" and the file's name, what was found,
// what comes of it ("Run aborted."), an empty line.
std::string importWarning(const std::string& importedFile, const std::string& found,
                          const std::string& outcome);

// Seconds of an "HH:MM:SS.ss" text; each part read leniently.
float ClockToSeconds(std::string_view text);
// Frames of an "HH:MM:SS:FF" text at `framesPerSecond`, or the rounded value of a text
// without ":". A clock part that is not a number throws RunError 13.
std::int32_t TimecodeToFrames(std::string_view text, std::int16_t framesPerSecond);
// The number a whole time text (or part of one) holds; a text that is not one number, an empty
// one included, throws RunError 13.
double strictNumber(std::string_view text);
// strictNumber rounded to a 32-bit whole number (halves to even); past 32 bits RunError 6.
// wholeTime gives the same, with up to nine plain digits read inline.
std::int32_t wholeTimeOfNumber(std::string_view text);
inline std::int32_t wholeTime(std::string_view text) {
    if (std::int32_t value = 0; quicktime::nineDigits(text, value)) {
        return value;
    }
    return wholeTimeOfNumber(text);
}
// Seconds read from a text, in whole hundredths: the single-precision value x 100, rounded.
std::int32_t hundredthsOfSeconds(double seconds);
[[noreturn]] void throwTimeOverflow();
// a - b; a result past 32 bits throws RunError 6. Inline: every imported record passes here.
inline std::int32_t timeDifference(std::int64_t a, std::int64_t b) {
    const std::int64_t difference = a - b;
    if (difference < INT32_MIN || difference > INT32_MAX) {
        throwTimeOverflow();
    }
    return static_cast<std::int32_t>(difference);
}
// Hundredths or frames of a time text in any of the four forms; sets gVTRStimebase to the
// unit (1 hundredths, 2 frames) before converting. A text that does not convert is told to
// `onError` and gives 0.
std::int32_t convertTimeString(WorkstationSettings& settings, std::string_view text,
                               const ImportMessageSink& onError);
// convertTimeString, with the forms nearly every time text has read inline.
inline std::int32_t ParseTimeString(WorkstationSettings& settings, std::string_view text,
                                    const ImportMessageSink& onError) {
    std::int32_t value = 0;
    if (std::int16_t timeBase = 0; quicktime::timeOf(text, value, timeBase)) {
        settings.gVTRStimebase = timeBase;
        return value;
    }
    return convertTimeString(settings, text, onError);
}

// Subtracts `offset` from every time of the slot up to its end index; an offset of 0 first
// becomes the time at index 1. A slot with no records is left alone.
void ZeroJustifyTimes(SlotWriter& slot, std::int32_t& offset);
// Turns the slot's hundredths or frames (as gVTRStimebase says) into whole seconds. A frame
// rate of 0 or less throws RunError 5 rather than dividing by it.
void ConvertTimeBase(const WorkstationSettings& settings, SlotWriter& slot);

std::string StripBlanks(std::string_view text);
// The code whose code (exactly) or description (case and blanks aside) is `text`; "" with a
// warning naming `importedFile` when none is. A blank text gives "" with no warning.
std::string CodeFromDescription(const CodeSet& codeSet, std::string_view text,
                                const std::string& importedFile, const ImportWarningSink& warn);

} // namespace ws
