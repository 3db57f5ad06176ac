#pragma once
// The descriptions of code groups 0 to 48. In the video coder they have no store of their
// own: they are the code-set editor's group grid (CodeFrm, grid Fg3, rows 1 to 49, column 1).
// This is that grid's data. Touching it loads the editor without showing it, which sets
// gCodeOpen and gives an empty code table its one empty code; the editor's window, when it
// exists, shows and edits these same texts.

#include "videocoder/core/Globals.h"

#include <array>
#include <functional>
#include <string>

namespace vc {

inline constexpr int kCodeGroups = 49;

class GroupDescriptions {
public:
    // Loads the editor when it is not loaded.
    void touch(Globals& g);
    // Group 0..48; touches first.
    std::string& at(Globals& g, int group);

    // Group 0..48 as it stands, without loading the editor.
    const std::string& peek(int group) const { return descriptions_.at(static_cast<std::size_t>(group)); }

    bool loaded() const { return loaded_; }
    // The editor unloads: its descriptions vanish with it and the flag clears.
    void unload(Globals& g);
    // Called as the editor unloads, before its descriptions go: its window, when there is
    // one, closes with it.
    void onUnload(std::function<void()> call) { onUnload_ = std::move(call); }

private:
    std::array<std::string, kCodeGroups> descriptions_;
    bool loaded_ = false;
    std::function<void()> onUnload_;
};

} // namespace vc
