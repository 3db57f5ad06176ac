// Quick keys on libmpv, as a coder types them: the generated clip plays in a player window
// and keys come at random moments; each writes a row whose time is what a mark writes.
// Afterwards every row is sought by command 6 and the frame the player reports and the
// frame its picture shows (read from the burned-in strip) are compared with the frame the
// player reported at the key (target 0 off). Per window and time form: the media window
// in seconds, the file window in each of the four forms. Needs a display: xvfb-run -a.
// Arguments: the keys per window and form (250, so 1,250 in all).
#include "../SilentCodingWindow.h"
#include "support/ShownFrame.h"
#include "support/SilentCodingWindow.h"
#include "support/players/PlayerWindowRig.h"
#include "videocoder/coding/CodingCommands.h"
#include "videocoder/coding/QuickKeys.h"
#include "videocoder/coding/windows/PlayerWindows.h"
#include "videocoder/core/GroupDescriptions.h"

#include <QApplication>
#include <QElapsedTimer>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <utility>
#include <vector>

namespace {

using testsupport::PlayerWindowRig;

struct Tally {
    int keys = 0;
    int reportedOff = 0; // the row sought back reports another frame than at the key
    int shownOff = 0;    // its picture shows another frame
    int unread = 0;
    int straddled = 0; // the player moved to the next frame while the key was handled
};

void pumpFor(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

Tally run(PlayerWindowRig& rig, vc::PlayerKind kind, double frameDisplay, int keys, std::mt19937& random) {
    vc::Globals& g = rig.globals();
    g.settings.PlayerSelection = kind == vc::PlayerKind::FileWindow ? 1 : 0;
    g.settings.FrameDisplay = frameDisplay;
    g.settings.gQKMode = vc::kTrue;
    g.settings.gQKGroup = -1;
    g.codeSet.gCodes.reset(vc::kCodeFields, 1);
    g.codeSet.gCodeCount = 1;
    g.codeSet.gCodes.at(1, 1) = textfile::Value::ofText("A");
    g.codeSet.gCodes.at(3, 1) = textfile::Value::ofNumber(0);
    g.data.gData.reset(vc::kDataColumns, 1);
    g.data.gRowCount = textfile::Value::ofNumber(1);

    testsupport::SilentCodingWindow view;
    vc::CodingWindowModel dataFrm(view);
    dataFrm.ensureLoaded(g);
    vc::GroupDescriptions groups;
    vc::CoderLinks coder{rig.scripted().dialogs, dataFrm, groups, {}};
    bench::SilentGrid grid(g);
    vc::CodingCommands commands(g, dataFrm, coder, rig.windows().links(),
                                {rig.scripted().dialogs, rig.scripted().clock}, grid, {});
    vc::QuickKeys quickKeys(
        g, grid, rig.scripted().dialogs,
        {[&](int code) { commands.ControlSub(code); }, [&] { return commands.currentTimeText(); }});

    std::uniform_int_distribution<int> pause(5, 150);
    std::vector<std::pair<int, int>> atKey; // the frame reported before and after the key
    Tally tally;
    rig.seekStart();
    rig.play();
    while (tally.keys < keys) {
        pumpFor(pause(random));
        if (rig.position() > rig.duration() - 0.3) {
            rig.seekStart();
            rig.play();
            continue;
        }
        const int before = rig.reported();
        int key = 'A';
        quickKeys.GridKeyPress(key, true);
        const int after = rig.reported();
        if (after != before) {
            ++tally.straddled; // either frame is the one at the key
        }
        atKey.emplace_back(before, after);
        ++tally.keys;
    }
    rig.player().pause();
    for (int r = 2; r <= g.data.gData.rows(); ++r) {
        const auto [before, after] = atKey[static_cast<std::size_t>(r - 2)];
        grid.setRow(r);
        commands.ControlSub(6);
        const auto shown = rig.shown();
        const int reported = rig.reported();
        if (reported != before && reported != after) {
            ++tally.reportedOff;
            std::printf("  row %d \"%s\": frame %d at the key, %d sought back\n", r,
                        g.data.gData.at(1, r).asText().c_str(), before, reported);
        }
        if (!shown) {
            ++tally.unread;
        } else if (*shown != reported) {
            ++tally.shownOff;
        }
    }
    if (!rig.scripted().dialogs.boxes.empty()) {
        std::printf("  boxes shown: %zu, the first: %s\n", rig.scripted().dialogs.boxes.size(),
                    rig.scripted().dialogs.boxes.front().text.c_str());
    }
    return tally;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int keys = argc > 1 ? std::atoi(argv[1]) : 250;
    const auto clip = testsupport::generatedMedium(0);
    if (!clip) {
        std::fprintf(stderr, "ffmpeg could not make the clip\n");
        return 1;
    }
    struct Form {
        vc::PlayerKind kind;
        double frameDisplay;
    };
    const Form forms[] = {{vc::PlayerKind::MediaWindow, 1},
                          {vc::PlayerKind::FileWindow, 0},
                          {vc::PlayerKind::FileWindow, 1},
                          {vc::PlayerKind::FileWindow, 2},
                          {vc::PlayerKind::FileWindow, 3}};
    std::mt19937 random(29);
    std::printf("quick keys on a playing clip, each row sought back by command 6 (%s)\n", clip->name.c_str());
    std::printf("%-13s %5s %6s %13s %10s %7s\n", "window", "form", "keys", "reported off", "shown off",
                "unread");
    Tally total;
    for (const Form& form : forms) {
        PlayerWindowRig rig(*clip, form.kind);
        if (!rig.failure().empty()) {
            std::printf("%-13s did not open: %s\n", PlayerWindowRig::windowName(form.kind),
                        rig.failure().c_str());
            return 1;
        }
        const Tally tally = run(rig, form.kind, form.frameDisplay, keys, random);
        std::printf("%-13s %5.0f %6d %13d %10d %7d   (%d keys across a frame change)\n",
                    PlayerWindowRig::windowName(form.kind), form.frameDisplay, tally.keys, tally.reportedOff,
                    tally.shownOff, tally.unread, tally.straddled);
        std::fflush(stdout);
        total.keys += tally.keys;
        total.reportedOff += tally.reportedOff;
        total.shownOff += tally.shownOff;
        total.unread += tally.unread;
    }
    std::printf("keys: %d, rows off the frame at the key: %d, pictures off: %d, unread: %d (target 0 each)\n",
                total.keys, total.reportedOff, total.shownOff, total.unread);
    return total.reportedOff + total.shownOff + total.unread == 0 ? 0 : 2;
}
