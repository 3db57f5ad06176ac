#include "videocoder/coding/PlayerDifferences.h"

namespace vc {
namespace {

constexpr double kSmallStep = 0.03;
constexpr double kFileSeekStep = 0.1;

constexpr PlayerDifferences kMediaWindow{FrameStep::SeekPlayUntilPlaying,
                                         RowSeek::PlayPause,
                                         GoToStart::Stop,
                                         kSmallStep,
                                         kSmallStep,
                                         false,
                                         false,
                                         true};
constexpr PlayerDifferences kFileWindow{
    FrameStep::FrameCommands, RowSeek::PauseOnly, GoToStart::SeekStart, 0, kFileSeekStep, true, false, true};
constexpr PlayerDifferences kDvdWindow{FrameStep::SeekRunPauseTwice,
                                       RowSeek::ThreeRounds,
                                       GoToStart::Stop,
                                       kSmallStep,
                                       kSmallStep,
                                       false,
                                       true,
                                       false};

} // namespace

const PlayerDifferences& differencesOf(PlayerKind kind) {
    switch (kind) {
    case PlayerKind::FileWindow:
        return kFileWindow;
    case PlayerKind::DvdWindow:
        return kDvdWindow;
    case PlayerKind::MediaWindow:
        break;
    }
    return kMediaWindow;
}

} // namespace vc
