#pragma once
// Dressing the coding grid for the open data and code set: visible columns, titles, pick
// lists, the transcript code list, the comments column, the interval times and the
// autosave timer. A failure part way shows "Error Adjusting Grid:" and leaves the steps
// after it undone.

#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/Globals.h"

namespace vc {

void RefreshDataGrid(Globals& g, CoderLinks& links);

// The autosave timer's rule: armed with the duration in milliseconds while autosave is on
// and the duration is above 0, otherwise disarmed. Durations too long for a 32-bit count
// of milliseconds throw RunError 6.
void armAutoSaveTimer(const VideoSettings& s, CodingWindowPort& window);

} // namespace vc
