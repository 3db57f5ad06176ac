#include "videocoder/coding/InstantReplay.h"

#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "videocoder/coding/DataFrm.h"
#include "videocoder/coding/PlayerWait.h"
#include "videocoder/coding/StampTexts.h"
#include "videocoder/core/TimeConversion.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vc {

using platform::MediaPlayer;
using platform::PlayerState;

namespace {

enum class ReplayMode { AroundEvent, ToNext, FromPrevious };

ReplayMode modeOf(double gReplayMode) {
    if (gReplayMode == 0) {
        return ReplayMode::AroundEvent;
    }
    return gReplayMode == 1 ? ReplayMode::ToNext : ReplayMode::FromPrevious;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Positions and lengths in the replay's unit.
class Unit {
public:
    Unit(bool frames, MediaPlayer& player, const VideoSettings& s)
        : frames_(frames), player_(player), s_(s) {}

    double timeOf(const std::string& text) const {
        return frames_ ? TimecodeToFrames(text, s_) : TimeTextToSeconds(text, s_);
    }
    // An amount of the settings (PreRoll, PostRoll): whole frames in frames.
    double amount(double value) const { return frames_ ? textfile::toInt32(value) : value; }
    double length() const { return frames_ ? player_.frameCount() : player_.duration(); }
    // The last position the player can show.
    double lastPosition() const { return frames_ ? player_.frameCount() - 1 : player_.duration(); }
    double position() const { return frames_ ? player_.framePosition() : player_.position(); }
    void seek(double to) const {
        if (frames_) {
            player_.setFramePosition(textfile::toInt32(to));
        } else {
            player_.setPosition(to);
        }
    }

private:
    bool frames_;
    MediaPlayer& player_;
    const VideoSettings& s_;
};

} // namespace

ReplaySpan replaySpan(const ReplayContext& c, PlayerKind kind, MediaPlayer& player) {
    const VideoSettings& s = c.g.settings;
    const CellTable& gData = c.g.data.gData;
    ReplaySpan span;
    span.frames = worksInFrames(kind, s);
    const Unit unit(span.frames, player, s);
    const int i = c.grid.Row();
    const int k = c.grid.Col();
    const int n = textfile::toInt32(c.g.data.gRowCount.asNumber());
    const auto t = [&](int r) { return unit.timeOf(gData.at(1, r).asText()); };
    const auto hasEntry = [&](int r) { return !gData.at(k + 1, r).asText().empty(); };
    const auto beginning = [&] {
        const std::string start = trimmed(c.dataFrm.Text1.at(kStartTimeField));
        return start.empty() ? 0.0 : unit.timeOf(start);
    };
    const bool inGroup = s.gReplayInGroup != 0;

    switch (modeOf(s.gReplayMode)) {
    case ReplayMode::AroundEvent: {
        span.start = std::max(0.0, t(i) - unit.amount(s.PreRoll));
        const double end = t(i) + unit.amount(s.PostRoll);
        const double length = unit.length();
        span.end = end < length ? end : length;
        break;
    }
    case ReplayMode::ToNext: {
        span.start = t(i);
        if (!inGroup) {
            span.end = i < n ? t(i + 1) : unit.length();
            break;
        }
        // Only the file player counting frames takes the last row as the next event.
        const int last = span.frames ? n : n - 1;
        int r = i + 1;
        while (r <= last && !hasEntry(r)) {
            ++r;
        }
        span.end = r <= last ? t(r) : unit.length();
        break;
    }
    case ReplayMode::FromPrevious: {
        span.end = t(i);
        if (!inGroup) {
            span.start = i >= 2 ? t(i - 1) : beginning();
            break;
        }
        int r = i - 1;
        while (r >= 1 && !hasEntry(r)) {
            --r;
        }
        span.start = r >= 1 ? t(r) : beginning();
        break;
    }
    }
    return span;
}

void InstantReplay(const ReplayContext& c) {
    const PlayerKind kind = chosenPlayer(c.g.settings);
    std::int16_t& gReplaying = c.g.coding.gReplaying;
    gReplaying = kTrue;
    MediaPlayer* player = c.players.player(kind);
    if (player == nullptr) {
        throw textfile::RunError(textfile::kInvalidArgument, "No video file is open");
    }
    ReplaySpan span = replaySpan(c, kind, *player);
    const Unit unit(span.frames, *player, c.g.settings);
    unit.seek(span.start);
    player->play();

    const double started = c.clock.monotonicSeconds();
    bool seenPlaying = false;
    double last = NAN;
    while (true) {
        c.dialogs.yieldToUi();
        if (!gReplaying) {
            return; // a command stopped it and left the player as it wanted
        }
        if (!c.dataFrm.loaded() || !c.g.open.gVideoOpen || c.players.player(kind) != player) {
            gReplaying = kFalse; // the window went away: nothing left to touch
            return;
        }
        const double position = unit.position();
        if (position >= span.end) {
            break;
        }
        if (player->state() == PlayerState::Playing) {
            seenPlaying = true;
        } else if (seenPlaying) {
            if (position < unit.lastPosition()) {
                gReplaying = kFalse; // paused or stopped from the player's own controls
                return;
            }
            span.end = std::min(span.end, unit.lastPosition()); // the media ended first
            break;
        } else if (c.clock.monotonicSeconds() - started >= kPlayerWaitLimit) {
            player->pause(); // it never started
            gReplaying = kFalse;
            return;
        }
        if (position == last) {
            c.dialogs.waitForEvents(kReplayPassMilliseconds);
        }
        last = position;
    }
    player->pause();
    gReplaying = kFalse;
    unit.seek(span.end);
}

} // namespace vc
