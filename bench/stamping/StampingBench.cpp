// Stamping exactness of the libmpv player as the windows draw it: on the generated clip,
// 1000 random exact seeks and 1000 frame steps (forward and back, mixed). After each, the
// frame number the player reports is compared with the number burned into the picture it
// shows, read back from the rendered pixels (the bit strip along the clip's top edge).
// Also prints the median time of one exact seek over the time of decoding one frame.
// Needs a display for OpenGL: run it under xvfb-run -a.
#include "platform/qt/MpvPlayer.h"
#include "support/BurnedFrameNumber.h"
#include "support/ShownFrame.h"
#include "support/TestMedia.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <mpv/client.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using testsupport::TestClip;

// Decoding the whole clip as fast as it goes, with no output: the time of one frame.
double decodeSecondsPerFrame(const std::string& clip) {
    mpv_handle* mpv = mpv_create();
    for (const char* option : {"vo=null", "ao=null", "aid=no", "untimed=yes", "hwdec=no", "terminal=no"}) {
        const std::string text(option);
        const auto equals = text.find('=');
        mpv_set_option_string(mpv, text.substr(0, equals).c_str(), text.substr(equals + 1).c_str());
    }
    mpv_initialize(mpv);
    const char* load[] = {"loadfile", clip.c_str(), nullptr};
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
    return seconds / TestClip::kFrames;
}

struct Tally {
    int tried = 0;
    int off = 0;
    int unread = 0;
};

void check(platform::qt::MpvPlayer& player, Tally& tally) {
    ++tally.tried;
    const int reported = player.framePosition();
    const auto shown = testsupport::shownFrame(player, [](QSize surface) {
        return testsupport::fittedVideoRect(surface, QSize(TestClip::kWidth, TestClip::kHeight));
    });
    if (!shown) {
        ++tally.unread;
    } else if (*shown != reported) {
        ++tally.off;
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const std::string clip = testsupport::generatedClip();
    if (clip.empty()) {
        std::fprintf(stderr, "ffmpeg could not make the clip\n");
        return 1;
    }
    QWidget window;
    platform::qt::MpvPlayer player(platform::qt::MpvPlayer::Options{true, false});
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(player.surface());
    window.resize(640, 480);
    window.show();
    player.openFile(clip);
    if (!testsupport::pumpUntil([&] { return player.state() != platform::PlayerState::NotReady; }, 10)) {
        std::fprintf(stderr, "the clip did not open\n");
        return 1;
    }

    std::mt19937 random(14);
    std::uniform_real_distribution<double> anywhere(0, player.duration());
    Tally seeks;
    std::vector<double> seekSeconds;
    for (int i = 0; i < 1000; ++i) {
        QElapsedTimer timer;
        timer.start();
        player.setPosition(anywhere(random));
        testsupport::pumpUntil([&] { return player.seekLanded(); }, 5);
        seekSeconds.push_back(timer.nsecsElapsed() / 1e9);
        check(player, seeks);
    }

    Tally steps;
    std::bernoulli_distribution forward(0.5);
    player.setFramePosition(TestClip::kFrames / 2);
    for (int i = 0; i < 1000; ++i) {
        forward(random) ? player.nextFrame() : player.previousFrame();
        check(player, steps);
    }

    std::nth_element(seekSeconds.begin(), seekSeconds.begin() + seekSeconds.size() / 2, seekSeconds.end());
    const double medianSeek = seekSeconds[seekSeconds.size() / 2];
    const double decode = decodeSecondsPerFrame(clip);
    std::printf("frame numbers read from the rendered picture (burned-in bit strip)\n");
    std::printf("exact seeks: %d, frames off: %d (target 0), pictures unread: %d\n", seeks.tried, seeks.off,
                seeks.unread);
    std::printf("frame steps: %d, frames off: %d (target 0), pictures unread: %d\n", steps.tried, steps.off,
                steps.unread);
    std::printf("median exact seek: %.2f ms; decoding one frame: %.3f ms; ratio %.1f\n", medianSeek * 1000,
                decode * 1000, medianSeek / decode);
    return seeks.off + steps.off + seeks.unread + steps.unread == 0 ? 0 : 2;
}
