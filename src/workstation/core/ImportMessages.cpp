#include "workstation/core/ImportMessages.h"

#include "workstation/core/ProgramTitle.h"

#include "textfile/RunError.h"
#include "workstation/core/ReadFailures.h"

namespace ws {
namespace {} // namespace

void ImportMessages::tell(const std::string& text) const {
    if (dialogs_ != nullptr) {
        dialogs_->messageBox(text, kProgramTitle, platform::Buttons::OK, platform::Icon::None);
    }
}

void ImportMessages::failed(const std::string& loadError, const std::exception& error) const {
    const auto* runError = dynamic_cast<const textfile::RunError*>(&error);
    const std::string description =
        runError != nullptr ? runError->description() : textfile::describeError(kInternalReadError);
    if (dialogs_ != nullptr) {
        dialogs_->messageBox(loadError + description, kProgramTitle + " Error", platform::Buttons::OK,
                             platform::Icon::Critical);
    }
}

} // namespace ws
