#pragma once
// The coding grid's key events as its handlers take them, whatever toolkit raised them.

namespace vc {

class GridKeyEvents {
public:
    virtual ~GridKeyEvents() = default;
    // keyCode: the classic key code; shift: 1 Shift, 2 Ctrl, 4 Alt, added.
    virtual void FG1_KeyDown(int keyCode, int shift) = 0;
    // keyAscii: the character typed; a zero left in it cancels the key.
    virtual void FG1_KeyPress(int& keyAscii) = 0;
    virtual void FG1_KeyUp(int keyCode, int shift) = 0;
    // A key came up but its FG1_KeyUp waits until the key is known not to be repeating (an
    // auto-repeat may come as a plain release and press at one moment): true keeps what the
    // key-up is to stamp as it is now; false drops it (the key repeated, or its key-up ran).
    virtual void keepKeyUpMoment(bool /*keep*/) {}
};

} // namespace vc
