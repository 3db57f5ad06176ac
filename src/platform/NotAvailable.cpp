#include "platform/NotAvailable.h"

namespace platform {

void sayNotAvailable(Dialogs& dialogs, const std::string& subject, const std::string& programTitle) {
    dialogs.messageBox(subject + " is not available yet.", programTitle, Buttons::OK, Icon::Information);
}

} // namespace platform
