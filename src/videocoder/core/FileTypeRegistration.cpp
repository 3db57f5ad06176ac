#include "videocoder/core/FileTypeRegistration.h"

namespace vc {

platform::FileTypeRegistration qvdRegistration(const std::string& programFolder) {
    return {".qvd", "Vintrosa.Document", "Vintrosa Document", programFolder + "/Vintrosa \"%1\""};
}

void RegisterQvdType(platform::FileTypes& fileTypes, const std::string& programFolder) {
    fileTypes.registerType(qvdRegistration(programFolder));
}

} // namespace vc
