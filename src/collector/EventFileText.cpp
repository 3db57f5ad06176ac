#include "collector/EventFileText.h"

#include "collector/SessionClock.h"
#include "textfile/Numeric.h"
#include "textfile/TextForms.h"

namespace collector {

std::string collectedFileBytes(std::string_view boxText, std::string_view clockShown, float sessionDuration,
                               bool tenths) {
    std::string bytes(boxText);
    // Only a real line end is dropped before the one written here: an edited last line
    // keeps all its characters.
    if (!bytes.empty() && !bytes.ends_with(textfile::kLineEnd)) {
        bytes += textfile::kLineEnd;
    }
    if (clockShown.starts_with("Start")) {
        return bytes;
    }
    const double shown = textfile::leadingNumber(clockShown);
    bytes += "-500,";
    if (shown < limitUnits(sessionDuration, tenths)) {
        bytes += clockShown;
    } else {
        bytes += limitText(sessionDuration, tenths);
    }
    bytes += textfile::kLineEnd;
    bytes += textfile::kLineEnd;
    return bytes;
}

} // namespace collector
