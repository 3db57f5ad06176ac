#pragma once
// The coding window's items whose work is built elsewhere, in one place: each runs the
// handler the program wires for it, and one with no handler yet says so in a box. The grid's
// key handlers are here too; with none wired a key edits the grid as usual.

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
    InstantReplay,
};
inline constexpr std::size_t kLaterItems = static_cast<std::size_t>(LaterItem::InstantReplay) + 1;

// What the item is called in its box: "Revert to Saved".
std::string laterItemName(LaterItem item);

class LaterItems {
public:
    // Key press on the grid: true when handled; a keyAscii left at 0 swallows the key.
    std::function<bool(std::int16_t& keyAscii)> FG1_KeyPress;
    // Key down and up on the grid, with the key code and the shift state (1 Shift, 2 Ctrl,
    // 4 Alt, added): true when handled, and the grid then leaves the key alone.
    std::function<bool(int keyCode, int shift)> FG1_KeyDown;
    std::function<bool(int keyCode, int shift)> FG1_KeyUp;

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
