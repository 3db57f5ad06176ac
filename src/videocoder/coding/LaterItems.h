#pragma once
// The coding window's items whose work is built elsewhere, in one place: each runs the
// handler the program wires for it, and one with no handler yet says so in a box.

#include "platform/Dialogs.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace vc {

enum class LaterItem {
    RevertMnu,
    PrintMnu,
    ExportData,
    VTRSImport,
    CSVImport,
    FilterMnu,
    AddRowsMnu,
    SortMnu,
    SortByTimeMnu,
    ShowCodesMnu,
    FillInMnu,
    Cnvrtmnu,
    HideColsMnu,
};
inline constexpr std::size_t kLaterItems = static_cast<std::size_t>(LaterItem::HideColsMnu) + 1;

// What the item is called in its box: "Revert to Saved".
std::string laterItemName(LaterItem item);

class LaterItems {
public:
    void set(LaterItem item, std::function<void()> handler) {
        handlers_.at(index(item)) = std::move(handler);
    }
    bool wired(LaterItem item) const { return static_cast<bool>(handlers_.at(index(item))); }
    // Runs the item's handler, or says "... is not available yet.".
    void run(LaterItem item, platform::Dialogs& dialogs) const;

private:
    static std::size_t index(LaterItem item) { return static_cast<std::size_t>(item); }
    std::array<std::function<void()>, kLaterItems> handlers_;
};

} // namespace vc
