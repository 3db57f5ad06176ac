// Replays on libmpv, as the coding window runs them: 200 one-second replays (pre-roll and
// post-roll of half a second) around random row times of the generated clip, on the media
// window's player with its picture not drawn. Each must end paused on the frame of its end
// E, read back once the last seek has landed (target: 0 off). While they run, the window
// thread's CPU time over the replays' wall time (target at most 0.1): the wait polls the
// player without spinning. Arguments: the number of replays (200).
#include "../SilentCodingWindow.h"
#include "platform/qt/MpvPlayer.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/SystemClock.h"
#include "support/ShownFrame.h"
#include "support/SilentCodingWindow.h"
#include "support/TestMedia.h"
#include "videocoder/coding/InstantReplay.h"
#include "videocoder/coding/PlayerWait.h"
#include "videocoder/core/TimeConversion.h"

#include <QApplication>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>

namespace {

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int replays = argc > 1 ? std::atoi(argv[1]) : 200;
    const std::string& clip = testsupport::generatedClip();
    if (clip.empty()) {
        std::fprintf(stderr, "ffmpeg could not make the clip\n");
        return 1;
    }
    platform::qt::QtDialogs dialogs;
    platform::qt::SystemClock clock;
    platform::qt::MpvPlayer player(platform::qt::MpvPlayer::Options{false, false});
    player.openFile(clip);
    if (!vc::waitUntilOpened(player, dialogs, clock)) {
        std::fprintf(stderr, "the clip did not open\n");
        return 1;
    }

    vc::Globals g;
    g.open.gVideoOpen = vc::kTrue;
    g.settings.PreRoll = 0.5;
    g.settings.PostRoll = 0.5;
    vc::PlayerLinks links;
    links.loadedPlayer = [&](vc::PlayerKind kind) -> platform::MediaPlayer* {
        return kind == vc::PlayerKind::MediaWindow ? &player : nullptr;
    };
    testsupport::SilentCodingWindow view;
    vc::CodingWindowModel dataFrm(view);
    dataFrm.ensureLoaded(g);
    bench::SilentGrid grid(g);
    const vc::ReplayContext context{g, links, grid, dataFrm, dialogs, clock};

    std::mt19937 random(29);
    std::uniform_real_distribution<double> anywhere(0.6, player.duration() - 0.6);
    int off = 0;
    int notPaused = 0;
    double cpu = 0;
    double wall = 0;
    for (int i = 0; i < replays; ++i) {
        const std::string time = vc::SecondsToClockText(anywhere(random), g.settings);
        g.data.gData.at(1, 1) = textfile::Value::ofText(time);
        const double cpuStart = threadCpuSeconds();
        const auto wallStart = std::chrono::steady_clock::now();
        vc::InstantReplay(context);
        cpu += threadCpuSeconds() - cpuStart;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        const int32_t endFrame = player.framePosition(); // the frame a seek to E shows
        testsupport::pumpUntil([&] { return player.seekLanded(); }, 5);
        if (player.framePosition() != endFrame) {
            ++off;
        }
        if (player.state() != platform::PlayerState::Paused) {
            ++notPaused;
        }
    }
    std::printf("replays: %d of one second on libmpv (picture not drawn), wall %.1f s\n", replays, wall);
    std::printf("ended off E's frame: %d, not paused: %d (target 0 each)\n", off, notPaused);
    std::printf("window thread CPU over wall time: %.4f (target at most 0.1)\n", cpu / wall);
    return off + notPaused == 0 && cpu / wall <= 0.1 ? 0 : 2;
}
