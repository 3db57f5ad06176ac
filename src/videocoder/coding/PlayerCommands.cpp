// The player commands of the command set. Every command that moves the picture ends paused
// exactly where it meant to: the play and pause steps some players need to show a frame
// may let the clock run on, so the target is set once more after them.
#include "videocoder/coding/CodingCommands.h"

#include "videocoder/coding/PlayerWait.h"
#include "videocoder/coding/StampTexts.h"
#include "videocoder/core/MainFrm.h"

namespace vc {

using platform::Buttons;
using platform::Icon;

namespace {

constexpr double kThreeQuarter = 0.75;
constexpr double kNormalSpeed = 1.0;
constexpr float kDvdSeekWait = 0.5;
const std::string kOutOfRange = "Time being marked is out of the file's time limits";

} // namespace

void CodingCommands::toggleMute(Player p) {
    p.mmPlay.setMuted(!p.mmPlay.muted());
}

// The DVD window plays forwards at the speed; its three-quarter state is the player's rate.
void CodingCommands::toggleSpeed(Player p) {
    const bool threeQuarter = p.mmPlay.rate() == kThreeQuarter;
    const double speed = threeQuarter ? kNormalSpeed : kThreeQuarter;
    if (p.differs.speedByForwardPlay) {
        p.mmPlay.playForwards(speed);
    } else {
        p.mmPlay.setRate(speed);
    }
}

void CodingCommands::warnWhenOutOfRange(const MarkReading& reading) {
    if (links_.TimeOuttaRange && links_.TimeOuttaRange(reading.seconds, reading.frame)) {
        services_.dialogs.messageBox(kOutOfRange, "Warning", Buttons::OK, Icon::Information);
    }
}

void CodingCommands::stamp(Player p, const MarkReading& reading, int row) {
    g_.data.gData.at(1, row) = textfile::Value::ofText(markText(p.mmPlay, reading, p.kind, g_.settings));
}

// Paused on the frame a reading was taken on.
void CodingCommands::endOn(Player p, const MarkReading& reading) {
    if (worksInFrames(p.kind, g_.settings) && reading.frame) {
        p.mmPlay.setFramePosition(*reading.frame);
    } else {
        p.mmPlay.setPosition(reading.seconds);
    }
}

// 105: the position is read as the command comes, before a box can let the clock run on.
void CodingCommands::addMarkStop(Player p) {
    const MarkReading reading = readMark(p.mmPlay);
    g_.data.gData.addRow();
    const int row = g_.data.gData.rows();
    g_.data.gRowCount = textfile::Value::ofNumber(row);
    grid_.refresh();
    grid_.setRow(row);
    warnWhenOutOfRange(reading);
    stamp(p, reading, row);
    p.mmPlay.pause();
    endOn(p, reading);
    grid_.refreshRow(row);
}

// 10, 106.
void CodingCommands::mark(Player p) {
    const MarkReading reading = readMark(p.mmPlay);
    warnWhenOutOfRange(reading);
    const int row = grid_.Row();
    stamp(p, reading, row);
    if (g_.settings.gMarkMoves != kFalse && row < g_.data.gData.rows() - 1) {
        grid_.setRow(row + 1);
    }
    grid_.refresh();
}

// A small seek step, ended paused on its target.
void CodingCommands::stepTo(Player p, double target) {
    p.mmPlay.setPosition(target);
    if (p.differs.frameStep == FrameStep::SeekPlayUntilPlaying) {
        p.mmPlay.play();
        waitUntilPlaying(p.mmPlay, services_.dialogs, services_.clock);
        p.mmPlay.pause();
    } else {
        p.mmPlay.play();
        p.mmPlay.pause();
        p.mmPlay.play();
        p.mmPlay.pause();
    }
    p.mmPlay.setPosition(target);
}

void CodingCommands::frameBack(Player p) {
    const double position = p.mmPlay.position();
    if (p.differs.frameStep != FrameStep::FrameCommands) {
        if (position >= p.differs.backFloor) {
            stepTo(p, position - p.differs.stepSeconds);
        }
        return;
    }
    if (position == 0) {
        return;
    }
    const int can = p.mmPlay.seekingCapabilities(platform::kAllSeeking);
    if (can & platform::kFrameBackward) {
        p.mmPlay.previousFrame();
    } else if (can & platform::kSeekBackward) {
        p.mmPlay.setPosition(position - p.differs.stepSeconds);
    } else {
        services_.dialogs.messageBox("Backward seeking not supported with this media type", "Sorry",
                                     Buttons::OK, Icon::Information);
    }
}

void CodingCommands::frameAhead(Player p) {
    const double duration = p.mmPlay.duration();
    const double position = p.mmPlay.position();
    if (p.differs.frameStep != FrameStep::FrameCommands) {
        if (!(position > duration - p.differs.stepSeconds)) {
            stepTo(p, position + p.differs.stepSeconds);
        }
        return;
    }
    if (position == duration) {
        return;
    }
    const int can = p.mmPlay.seekingCapabilities(platform::kAllSeeking);
    if (can & platform::kFrameForward) {
        p.mmPlay.nextFrame();
    } else if (can & platform::kSeekForward) {
        p.mmPlay.setPosition(position + p.differs.stepSeconds);
    } else {
        services_.dialogs.messageBox("Forward seeking not supported with this media type", "Sorry",
                                     Buttons::OK, Icon::Information);
    }
}

void CodingCommands::preRollPlay(Player p) {
    const double preRoll = g_.settings.PreRoll;
    if (worksInFrames(p.kind, g_.settings)) {
        const double target = p.mmPlay.framePosition() - preRoll;
        if (target < 0) {
            return;
        }
        p.mmPlay.setFramePosition(static_cast<int32_t>(target));
    } else {
        const double target = p.mmPlay.position() - preRoll;
        if (target < 0 && p.differs.preRollRefusedBelowZero) {
            return;
        }
        p.mmPlay.setPosition(target < 0 ? 0 : target);
    }
    p.mmPlay.play();
}

void CodingCommands::goToStart(Player p) {
    if (p.differs.goToStart == GoToStart::SeekStart) {
        p.mmPlay.seekStart();
    } else {
        p.mmPlay.stop();
    }
}

// 6, 107 and the header's Seek buttons.
void CodingCommands::seekRow(Player p, const std::string& time) {
    const SeekTarget target = seekTargetOf(time, p.kind, g_.settings);
    const auto setTarget = [&] {
        if (target.inFrames) {
            p.mmPlay.setFramePosition(target.frame);
        } else {
            p.mmPlay.setPosition(target.seconds);
        }
    };
    switch (p.differs.rowSeek) {
    case RowSeek::PauseOnly:
        setTarget();
        p.mmPlay.pause();
        return;
    case RowSeek::PlayPause:
        setTarget();
        p.mmPlay.play();
        p.mmPlay.pause();
        break;
    case RowSeek::ThreeRounds:
        setTarget();
        p.mmPlay.play();
        p.mmPlay.pause();
        WaitSeconds(services_.clock, kDvdSeekWait);
        setTarget();
        p.mmPlay.play();
        WaitSeconds(services_.clock, kDvdSeekWait);
        p.mmPlay.pause();
        setTarget();
        p.mmPlay.play();
        p.mmPlay.pause();
        break;
    }
    setTarget();
}

void CodingCommands::replay() {
    if (!links_.InstantReplay) {
        return notAvailable("instant replay");
    }
    links_.InstantReplay();
}

void CodingCommands::jumpBackwards() {
    if (!links_.showBackplay) {
        return notAvailable("backwards-play window");
    }
    links_.showBackplay();
}

} // namespace vc
