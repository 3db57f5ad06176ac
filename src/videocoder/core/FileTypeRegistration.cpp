#include "videocoder/core/FileTypeRegistration.h"

namespace vc {

platform::FileTypeRegistration qvdRegistration(const std::string& programPath) {
    return {".qvd", "Vintrosa.Document", "Vintrosa Document", "application/x-vintrosa-document", programPath};
}

void RegisterQvdType(platform::FileTypes& fileTypes, const std::string& programPath) {
    fileTypes.registerType(qvdRegistration(programPath));
}

} // namespace vc
