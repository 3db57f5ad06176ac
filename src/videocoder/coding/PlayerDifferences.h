#pragma once
// Where the three players differ in the command set, as data: every command runs the same
// steps and asks this table what its player does at the points where they part.

#include "videocoder/coding/PlayerLinks.h"

namespace vc {

// How "Frame Back" and "Frame Ahead" move the picture.
enum class FrameStep {
    SeekPlayUntilPlaying, // seek a little, play, wait for the playing state, pause
    FrameCommands,        // the player's own frame steps, else a seek when it can seek
    SeekRunPauseTwice,    // seek a little, then play, pause, play, pause at once
};

// How the seek command shows the row's time.
enum class RowSeek {
    PlayPause,   // set the position, play, pause
    PauseOnly,   // set the position (frames in the frame forms), pause
    ThreeRounds, // the DVD's three rounds of setting, playing and pausing with waits
};

// What "Go to Start" calls.
enum class GoToStart { Stop, SeekStart };

struct PlayerDifferences {
    FrameStep frameStep;
    RowSeek rowSeek;
    GoToStart goToStart;
    // The least position "Frame Back" moves from (below it nothing happens); 0 with the
    // frame commands means only the very start is refused.
    double backFloor;
    // How far a seek step moves: the small step, or the file window's fallback seek.
    double stepSeconds;
    // "Pre-Roll and play" below the start: go to 0 (false) or do nothing (true).
    bool preRollRefusedBelowZero;
    // "Three Quarter Speed" through the DVD control's forward play.
    bool speedByForwardPlay;
    // Code 4 tests that the media file exists before it shows the window.
    bool mediaFileTested;
};

const PlayerDifferences& differencesOf(PlayerKind kind);

} // namespace vc
