#pragma once
// One generated clip open in one of the video coder's player windows on libmpv, driven
// through the window's own controls, with the frame it shows read from its picture.
// Needs a display (xvfb-run).

#include "platform/qt/MpvPlayer.h"
#include "support/ScriptedPlatform.h"
#include "support/TestMedia.h"
#include "videocoder/coding/PlayerLinks.h"
#include "videocoder/core/Globals.h"

#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace vc {
class PlayerWindows;
}

namespace testsupport {

class PlayerWindowRig {
public:
    PlayerWindowRig(const GeneratedMedia& clip, vc::PlayerKind window);
    ~PlayerWindowRig();

    // Empty when the window holds the clip; else what went wrong.
    const std::string& failure() const { return failure_; }
    // "media window", "file window", "DVD window".
    static const char* windowName(vc::PlayerKind window);
    vc::PlayerKind kind() const { return kind_; }

    // The window's own way to a time: "Go To Time..." in the media window, the position
    // slider in the others.
    void seek(double seconds);
    // The file and DVD windows' frame buttons; the media window has none, and the coding
    // window steps its player.
    void step(bool forward);
    void seekEnd();
    void seekStart();
    void play();

    // The frame the picture shows, once the last seek has landed; nullopt when unread.
    std::optional<int> shown();
    int reported();
    double position();
    double duration();
    platform::qt::MpvPlayer& player() { return *player_; }
    QWidget& window();
    vc::PlayerWindows& windows() { return *windows_; }
    vc::Globals& globals() { return g_; }
    ScriptedPlatform& scripted() { return scripted_; }

private:
    ScriptedPlatform scripted_;
    vc::Globals g_;
    vc::PlayerKind kind_;
    platform::qt::MpvPlayer* player_ = nullptr;
    std::unique_ptr<vc::PlayerWindows> windows_;
    std::string failure_;
};

} // namespace testsupport
