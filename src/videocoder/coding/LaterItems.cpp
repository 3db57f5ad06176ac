#include "videocoder/coding/LaterItems.h"

#include "platform/NotAvailable.h"
#include "videocoder/core/Globals.h"

namespace vc {

std::string laterItemName(LaterItem item) {
    static const std::array<const char*, kLaterItems> names = {
        "Revert to Saved",
        "Print",
        "Export",
        "VTRS Data Import",
        "Comma Seperated File Import",
        "Filter Rows",
        "Add Rows",
        "Sort Rows",
        "Sort Data Grid by Time",
        "Show Loaded Code File",
        "Fill in Initial Codes",
        "Convert All Times to Current Time Format",
        "Hide Selected Columns",
    };
    return names.at(static_cast<std::size_t>(item));
}

void LaterItems::run(LaterItem item, platform::Dialogs& dialogs) const {
    if (const auto& handler = handlers_.at(index(item))) {
        handler();
        return;
    }
    platform::sayNotAvailable(dialogs, laterItemName(item), kProgramTitle);
}

} // namespace vc
