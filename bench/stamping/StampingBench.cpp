// Stamping exactness of the player windows on libmpv, as the coding window relies on it:
// every generated clip (H.264, VP9 with a late first frame, variable rate, MPEG-2 program
// stream, DVD folder) in each window that plays it, driven through the window's own
// controls: exact seeks (Go To Time in the media window, the position slider in the
// others) and frame steps both ways (the frame buttons; the media window's player, as the
// coding window steps it). After each action the frame number the player reports is
// compared with the number burned into the picture it shows, read back from the rendered
// pixels, and a step must move the picture by exactly one frame.
// Also prints the median time of one exact seek over the time of decoding one frame.
// Then the coding window's marks: on the H.264 clip, a 70-second one made alike and the DVD
// folder, in each window and time form, random stops (an exact seek, a frame step, or play
// then pause) are marked on a row, the player is moved away, and the seek command on the
// row must show the frame that was on screen at the mark.
// Needs a display for OpenGL: run it under xvfb-run -a. Arguments: the actions per file
// clip (1000) and per DVD window (300), then the marks per file line (1000) and per DVD
// line (100), then which clip and window of the marks to run (from 0, in the order printed;
// all when left out), so that several runs can share the marks.
#include "platform/qt/SystemClock.h"
#include "support/ShownFrame.h"
#include "support/SilentCodingWindow.h"
#include "support/players/PlayerWindowRig.h"
#include "videocoder/coding/CodingCommands.h"
#include "videocoder/coding/windows/PlayerWindows.h"

#include <QApplication>
#include <QElapsedTimer>

#include <mpv/client.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

using testsupport::GeneratedMedia;
using testsupport::PlayerWindowRig;

// Decoding the whole clip as fast as it goes, with no output: the time of one frame.
double decodeSecondsPerFrame(const GeneratedMedia& clip) {
    mpv_handle* mpv = mpv_create();
    for (const char* option : {"vo=null", "ao=null", "aid=no", "untimed=yes", "hwdec=no", "terminal=no"}) {
        const std::string text(option);
        const auto equals = text.find('=');
        mpv_set_option_string(mpv, text.substr(0, equals).c_str(), text.substr(equals + 1).c_str());
    }
    mpv_initialize(mpv);
    const char* load[] = {"loadfile", clip.path.c_str(), nullptr};
    QElapsedTimer timer;
    timer.start();
    mpv_command(mpv, load);
    while (true) {
        mpv_event* event = mpv_wait_event(mpv, 10);
        if (event->event_id == MPV_EVENT_END_FILE || event->event_id == MPV_EVENT_SHUTDOWN) {
            break;
        }
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    mpv_terminate_destroy(mpv);
    return seconds / clip.frames;
}

struct Tally {
    int seeks = 0;
    int forward = 0;
    int back = 0;
    int off = 0;
    int badSteps = 0;
    int unread = 0;
    int actions() const { return seeks + forward + back; }
};

// Reads the picture after an action; returns what it showed (nullopt when unread).
std::optional<int> check(PlayerWindowRig& rig, Tally& tally) {
    const int reported = rig.reported();
    const auto shown = rig.shown();
    if (!shown) {
        ++tally.unread;
    } else if (*shown != reported) {
        ++tally.off;
    }
    return shown;
}

Tally run(PlayerWindowRig& rig, const GeneratedMedia& clip, int actions, std::vector<double>& seekSeconds) {
    std::mt19937 random(14);
    std::uniform_real_distribution<double> anywhere(0, rig.duration());
    std::discrete_distribution<int> action({4, 3, 3}); // seek, step forward, step back
    Tally tally;
    std::optional<int> before = rig.shown();
    for (int i = 0; i < actions; ++i) {
        const int kind = action(random);
        if (kind == 0) {
            ++tally.seeks;
            QElapsedTimer timer;
            timer.start();
            rig.seek(anywhere(random));
            testsupport::pumpUntil([&] { return rig.player().seekLanded(); }, 5);
            seekSeconds.push_back(timer.nsecsElapsed() / 1e9);
            before = check(rig, tally);
            continue;
        }
        const bool forward = kind == 1;
        // At the ends the buttons rightly do nothing: such steps are not counted as steps.
        const bool movable = before && (forward ? *before < clip.frames - 1 : *before > 0);
        rig.step(forward);
        const auto after = check(rig, tally);
        if (movable) {
            ++(forward ? tally.forward : tally.back);
            if (!after || *after != *before + (forward ? 1 : -1)) {
                ++tally.badSteps;
            }
        } else {
            --i;
        }
        before = after;
    }
    return tally;
}

// ---- marks read back by the coding window's seek ----

class OneRowGrid : public vc::CommandGrid {
public:
    int Row() const override { return 1; }
    void setRow(int) override {}
    int Col() const override { return 1; }
    void setCol(int) override {}
    std::vector<int> selectedRows() const override { return {}; }
    void refresh() override {}
    void refreshRow(int) override {}
    void setCaption(const std::string&) override {}
};

struct MarkTally {
    int stops = 0;
    int off = 0;
    int unread = 0;
};

// The picture's frame once the player has settled: a pause asked for has taken hold and
// the last seek has landed.
std::optional<int> settled(PlayerWindowRig& rig) {
    testsupport::pumpUntil([&] { return rig.player().state() != platform::PlayerState::Playing; }, 5);
    testsupport::pumpUntil([&] { return rig.player().seekLanded(); }, 5);
    return rig.shown();
}

// Random stops (an exact seek, a frame step, or play for a moment then pause), each marked
// on a row; the player is moved elsewhere, and the seek command on the row must show the
// frame that was on screen at the mark. Frames compare modulo the strip's 1024.
MarkTally markAndSeek(PlayerWindowRig& rig, int form, int stops) {
    vc::Globals& g = rig.globals();
    g.settings.FrameDisplay = form;
    g.settings.PlayerSelection = static_cast<double>(rig.kind());
    g.data.gData.reset(vc::kDataColumns, 1, 1);
    g.data.gRowCount = textfile::Value::ofNumber(1);
    testsupport::SilentCodingWindow view;
    vc::CodingWindowModel dataFrm(view);
    vc::GroupDescriptions groups;
    vc::CoderLinks coder{rig.scripted().dialogs, dataFrm, groups, {}};
    OneRowGrid grid;
    // The DVD seek's waits are busy waits: they need a clock that runs by itself.
    platform::qt::SystemClock clock;
    vc::CodingCommands commands(g, dataFrm, coder, rig.windows().links(), {rig.scripted().dialogs, clock},
                                grid, {});
    std::mt19937 random(28 + form);
    std::uniform_real_distribution<double> anywhere(0, rig.duration());
    std::uniform_int_distribution<int> playMilliseconds(50, 400);
    std::discrete_distribution<int> action({4, 3, 3}); // seek, frame step, play then pause
    MarkTally tally;
    for (int i = 0; i < stops; ++i) {
        const int kind = action(random);
        if (kind == 0) {
            rig.seek(anywhere(random));
        } else if (kind == 1) {
            rig.step(random() % 2 == 0);
        } else {
            rig.play();
            QElapsedTimer timer;
            timer.start();
            testsupport::pumpUntil([&] { return timer.elapsed() >= playMilliseconds(random); }, 1);
            commands.ControlSub(vc::kCmdPause);
        }
        const auto before = settled(rig);
        commands.ControlSub(vc::kCmdMark);
        const std::string written = g.data.gData.at(1, 1).asText();
        rig.seek(anywhere(random));
        settled(rig);
        commands.ControlSub(vc::kCmdSeek);
        const auto after = settled(rig);
        ++tally.stops;
        if (!before || !after) {
            ++tally.unread;
        } else if (*before % 1024 != *after % 1024) {
            ++tally.off;
            std::printf("  off: frame %d on screen at the mark, written \"%s\", the seek showed %d\n",
                        *before, written.c_str(), *after);
        }
    }
    return tally;
}

// The windows that play a clip.
std::vector<vc::PlayerKind> windowsOf(const GeneratedMedia& clip) {
    return clip.dvd ? std::vector{vc::PlayerKind::DvdWindow}
                    : std::vector{vc::PlayerKind::MediaWindow, vc::PlayerKind::FileWindow};
}

// Says so, and counts a failure, when the window did not open the clip.
bool opened(PlayerWindowRig& rig, const GeneratedMedia& clip, vc::PlayerKind window, int& failures) {
    if (rig.failure().empty()) {
        return true;
    }
    std::printf("%-20s %-13s did not open: %s\n", clip.name.c_str(), PlayerWindowRig::windowName(window),
                rig.failure().c_str());
    ++failures;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int fileActions = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int dvdActions = argc > 2 ? std::atoi(argv[2]) : 300;
    const auto media = testsupport::generatedMedia();
    if (media.empty()) {
        std::fprintf(stderr, "ffmpeg could not make the clips\n");
        return 1;
    }
    std::printf("frame numbers read from the rendered picture (burned-in bit strip)\n");
    std::printf("%-20s %-13s %6s %6s %6s %6s %11s %7s\n", "clip", "window", "seeks", "steps+", "steps-",
                "off", "not one step", "unread");
    Tally total;
    int failures = 0;
    std::vector<double> seekSeconds;
    for (const auto& clip : media) {
        for (const auto window : windowsOf(clip)) {
            PlayerWindowRig rig(clip, window);
            if (!opened(rig, clip, window, failures)) {
                continue;
            }
            // The seek times are the H.264 clip's in the file window.
            std::vector<double> untimed;
            const bool timed = &clip == &media.front() && window == vc::PlayerKind::FileWindow;
            const Tally tally =
                run(rig, clip, clip.dvd ? dvdActions : fileActions, timed ? seekSeconds : untimed);
            std::printf("%-20s %-13s %6d %6d %6d %6d %11d %7d\n", clip.name.c_str(),
                        PlayerWindowRig::windowName(window), tally.seeks, tally.forward, tally.back,
                        tally.off, tally.badSteps, tally.unread);
            std::fflush(stdout);
            total.seeks += tally.seeks;
            total.forward += tally.forward;
            total.back += tally.back;
            total.off += tally.off;
            total.badSteps += tally.badSteps;
            total.unread += tally.unread;
        }
    }
    std::printf("exact seeks: %d, frames off: %d (target 0), pictures unread: %d\n", total.seeks, total.off,
                total.unread);
    std::printf("frame steps: %d, not exactly one frame: %d (target 0)\n", total.forward + total.back,
                total.badSteps);
    if (!seekSeconds.empty()) {
        std::nth_element(seekSeconds.begin(), seekSeconds.begin() + seekSeconds.size() / 2,
                         seekSeconds.end());
        const double medianSeek = seekSeconds[seekSeconds.size() / 2];
        const double decode = decodeSecondsPerFrame(media.front());
        std::printf(
            "median exact seek (H.264, file window): %.2f ms; decoding one frame: %.3f ms; ratio %.1f\n",
            medianSeek * 1000, decode * 1000, medianSeek / decode);
    }
    const int fileMarks = argc > 3 ? std::atoi(argv[3]) : 1000;
    const int dvdMarks = argc > 4 ? std::atoi(argv[4]) : 100;
    std::printf("marks read back by the seek command (frame on screen at the mark, then after the seek)\n");
    std::printf("%-20s %-13s %5s %6s %6s %7s\n", "clip", "window", "form", "marks", "off", "unread");
    std::vector<GeneratedMedia> marked{media.front()};
    if (const auto longClip = testsupport::generatedLongClip()) {
        marked.push_back(*longClip);
    }
    if (media.back().dvd) {
        marked.push_back(media.back());
    }
    const int onlyPair = argc > 5 ? std::atoi(argv[5]) : -1;
    int pair = -1;
    MarkTally marks;
    for (const auto& clip : marked) {
        for (const auto window : windowsOf(clip)) {
            if (++pair != onlyPair && onlyPair >= 0) {
                continue;
            }
            PlayerWindowRig rig(clip, window);
            if (!opened(rig, clip, window, failures)) {
                continue;
            }
            for (int form = 0; form <= 3; ++form) {
                const MarkTally tally = markAndSeek(rig, form, clip.dvd ? dvdMarks : fileMarks);
                std::printf("%-20s %-13s %5d %6d %6d %7d\n", clip.name.c_str(),
                            PlayerWindowRig::windowName(window), form, tally.stops, tally.off, tally.unread);
                std::fflush(stdout);
                marks.stops += tally.stops;
                marks.off += tally.off;
                marks.unread += tally.unread;
            }
        }
    }
    std::printf("marks: %d, frames off after the seek: %d (target 0), pictures unread: %d\n", marks.stops,
                marks.off, marks.unread);
    return failures + total.off + total.badSteps + total.unread + marks.off + marks.unread == 0 ? 0 : 2;
}
