// A fuzzed mimeapps.list given our type's default: the result names it once, in its own
// section, and giving the default again changes nothing.
#include "FuzzSupport.h"

#include "platform/DesktopFiles.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string mime = "application/x-vintrosa-document";
    const std::string desktop = "vintrosa-document.desktop";
    const std::string once =
        platform::withDefaultApplication(std::string(fuzz::bytesOf(data, size)), mime, desktop);
    if (once.find(mime + "=" + desktop) == std::string::npos) {
        fuzz::propertyFailed("the default line is missing");
    }
    if (platform::withDefaultApplication(once, mime, desktop) != once) {
        fuzz::propertyFailed("a second registration changed the file");
    }
    return 0;
}
