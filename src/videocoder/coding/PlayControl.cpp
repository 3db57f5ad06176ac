#include "videocoder/coding/PlayControl.h"

#include "textfile/RunError.h"
#include "videocoder/coding/StampTexts.h"
#include "videocoder/core/TimeConversion.h"

namespace vc {

using platform::PlayerState;

namespace {
bool isSecondsForm(const VideoSettings& s) {
    return s.FrameDisplay == 0 || s.FrameDisplay == 1;
}
} // namespace

int Transport::capabilities() {
    return mmPlay.seekingCapabilities(platform::kAllSeeking);
}

void Transport::refuse(const std::string& text) {
    dialogs.messageBox(text, "Sorry", platform::Buttons::OK, platform::Icon::Information);
}

void Transport::btnPlay_Click() {
    try {
        if (g.open.gVideoOpen) {
            if (mmPlay.position() == mmPlay.duration()) {
                mmPlay.seekStart();
            }
            mmPlay.play();
            g.coding.gReplaying = kFalse;
        }
    } catch (const textfile::RunError&) {
        // The Play button ignores every failure.
    }
}

void Transport::btnPause_Click() {
    g.coding.gReplaying = kFalse;
    if (g.open.gVideoOpen) {
        mmPlay.pause();
    }
}

void Transport::btnStart_Click() {
    g.coding.gReplaying = kFalse;
    if (mmPlay.state() == PlayerState::NotReady || mmPlay.position() == 0) {
        return;
    }
    if (capabilities() & (platform::kFrameBackward | platform::kSeekBackward)) {
        if (g.open.gVideoOpen) {
            mmPlay.seekStart();
        }
    } else {
        refuse(kBackwardRefusal);
    }
}

void Transport::btnEnd_Click() {
    g.coding.gReplaying = kFalse;
    if (capabilities() & (platform::kFrameForward | platform::kSeekForward)) {
        if (g.open.gVideoOpen) {
            mmPlay.seekEnd();
        }
    } else {
        refuse(kForwardRefusal);
    }
}

void Transport::btnPrev_Click() {
    g.coding.gReplaying = kFalse;
    if (mmPlay.position() == 0) {
        return;
    }
    const int allowed = capabilities();
    if (allowed & platform::kFrameBackward) {
        if (g.open.gVideoOpen) {
            mmPlay.previousFrame();
        }
    } else if (allowed & platform::kSeekBackward) {
        if (g.open.gVideoOpen) {
            mmPlay.setPosition(mmPlay.position() - 0.1);
        }
    } else {
        refuse(kBackwardRefusal);
    }
}

void Transport::btnNext_Click() {
    g.coding.gReplaying = kFalse;
    if (mmPlay.position() == mmPlay.duration()) {
        return;
    }
    const int allowed = capabilities();
    if (allowed & platform::kFrameForward) {
        if (g.open.gVideoOpen) {
            mmPlay.nextFrame();
        }
    } else if (allowed & platform::kSeekForward) {
        if (g.open.gVideoOpen) {
            mmPlay.setPosition(mmPlay.position() + 0.1);
        }
    } else {
        refuse(kForwardRefusal);
    }
}

std::optional<std::string> positionPanelText(platform::MediaPlayer& mmPlay, const VideoSettings& s) {
    if (isSecondsForm(s)) {
        return SecondsToClockText(mmPlay.position(), s);
    }
    if (isFrameForm(s)) {
        // As marks write it: TimecodeToFrames reads it back to the frame shown.
        return FramesToFrameTimecode(mmPlay.framePosition(), s);
    }
    return std::nullopt;
}

std::optional<std::string> sliderPanelText(platform::MediaPlayer& mmPlay, const VideoSettings& s) {
    if (isSecondsForm(s)) {
        return SecondsToClockText(mmPlay.position(), s);
    }
    if (isFrameForm(s)) {
        return SecondsToTimecode(mmPlay.position(), s);
    }
    return std::nullopt;
}

bool fallBackToSeconds(VideoSettings& s) {
    if (!isFrameForm(s)) {
        return false;
    }
    s.FrameDisplay -= 2;
    return true;
}

} // namespace vc
