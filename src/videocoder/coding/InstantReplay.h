#pragma once
// Replay around the current row: a start S and an end E worked out from the row times and
// the replay settings, the chosen player put at S and played, and a wait that lets the
// window system run until the player reaches E or something ends the replay. A replay that
// reaches E leaves the player paused exactly there with gReplaying cleared.
//
// The wait ends early, leaving the player as it is, when a handler clears gReplaying (every
// command does), when the player is paused or stopped by its own controls, or when the
// player window or the coding window goes away. A player that stops by itself at the end
// of its media ends the replay there; one that never starts ends it after the players'
// wait limit. Each pass lets pending events run and reads the position once; a pass that
// finds the position where it was waits for the next event, a few milliseconds at most.

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "videocoder/coding/CommandGrid.h"
#include "videocoder/coding/PlayerLinks.h"
#include "videocoder/core/CodingWindow.h"
#include "videocoder/core/Globals.h"

namespace vc {

inline constexpr int kReplayPassMilliseconds = 4;

// Where a replay runs, in the player's unit (seconds, or frames on the file player in a
// frame form).
struct ReplaySpan {
    double start = 0;
    double end = 0;
    bool frames = false;
};

struct ReplayContext {
    Globals& g;
    const PlayerLinks& players;
    const CommandGrid& grid;
    const CodingWindowModel& dataFrm;
    platform::Dialogs& dialogs;
    platform::Clock& clock;
};

// S and E for the current row; throws what a conversion, the data or the player throws.
ReplaySpan replaySpan(const ReplayContext& c, PlayerKind kind, platform::MediaPlayer& player);

// The one replay routine for the three players, chosen by PlayerSelection. Errors (no
// player, a time that cannot be read, a column past gData) are thrown to the command that
// called it.
void InstantReplay(const ReplayContext& c);

} // namespace vc
