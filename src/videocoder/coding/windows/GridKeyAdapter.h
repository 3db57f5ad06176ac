#pragma once
// Turns Qt's key events on the coding grid's view into the grid's key events: a press
// raises FG1_KeyDown with the classic key code and shift state, then FG1_KeyPress with the
// character it types; a key the handlers swallow never reaches the view, any other goes on
// to it (a typed character then starts editing the cell). A release raises FG1_KeyUp.
// Auto-repeat raises nothing: a repeat reaches the view only when its key's first press
// did. Copy, paste and the erase keys never reach the view, whose own copy would overwrite
// the clipboard. A key still down when the view loses focus gets its FG1_KeyUp then (after
// the handler running, when a box it showed took the focus), and its later release is
// dropped. The filter sits on the view, not on its cell editor: typing in an open editor
// is the editor's.

#include "videocoder/coding/GridKeyEvents.h"

#include <QObject>

#include <map>
#include <set>

class QAbstractItemView;
class QKeyEvent;

namespace vc {

class GridKeyAdapter : public QObject {
    Q_OBJECT

public:
    GridKeyAdapter(QAbstractItemView& view, GridKeyEvents& handlers);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(const QKeyEvent& event);
    bool keyReleased(const QKeyEvent& event);
    void releaseIfFocusWent();
    void releaseHeldKeys();

    struct HeldKey {
        int keyCode = 0;
        int shift = 0;
    };
    QAbstractItemView& view_;
    GridKeyEvents& handlers_;
    std::map<quint32, HeldKey> held_; // by key identity
    std::set<quint32> reachedView_;   // keys whose first press went on to the view
    int handling_ = 0;                // handlers running
    bool focusLostWhileHandling_ = false;
};

} // namespace vc
