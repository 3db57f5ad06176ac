#pragma once
// The main window as the settings see it: its stored state and geometry, read from the
// window when saving and applied to it when loading. A program without a main window
// (the stand-alone collector) passes none.

#include <cstdint>

namespace ws {

// Stored state and geometry of the main window, in twips (15 per pixel).
struct WindowPlacement {
    std::int16_t state = 0; // 0 normal, 1 minimised, 2 maximised
    std::int16_t left = 0, top = 0, width = 9135, height = 6900;
    // False when only the state is to be applied: position and size stay as they are
    // (a stored minimised or maximised state brings no usable rectangle).
    bool withGeometry = true;
};

class MainWindowPlacement {
public:
    virtual WindowPlacement placement() const = 0;
    virtual void applyPlacement(const WindowPlacement& placement) = 0;

protected:
    ~MainWindowPlacement() = default;
};

} // namespace ws
