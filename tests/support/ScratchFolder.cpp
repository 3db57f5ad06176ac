#include "support/ScratchFolder.h"

#include <random>

namespace testsupport {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("suite-test-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

} // namespace testsupport
