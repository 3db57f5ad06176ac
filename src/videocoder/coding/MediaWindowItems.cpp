#include "videocoder/coding/MediaWindowItems.h"

#include "textfile/Numeric.h"
#include "videocoder/core/TimeConversion.h"

namespace vc {

std::optional<double> goToTimeSeconds(const std::optional<std::string>& answer, const VideoSettings& s) {
    if (!answer) {
        return std::nullopt;
    }
    if (answer->find(':') != std::string::npos) {
        return TimeTextToSeconds(*answer, s);
    }
    if (!textfile::isNumeric(*answer)) {
        return std::nullopt;
    }
    return textfile::leadingNumber(*answer);
}

} // namespace vc
