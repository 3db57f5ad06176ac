#include "videocoder/coding/PlayerLinks.h"

namespace vc {

PlayerKind chosenPlayer(const VideoSettings& s) {
    if (s.PlayerSelection == 1) {
        return PlayerKind::FileWindow;
    }
    if (s.PlayerSelection == 2) {
        return PlayerKind::DvdWindow;
    }
    return PlayerKind::MediaWindow;
}

} // namespace vc
