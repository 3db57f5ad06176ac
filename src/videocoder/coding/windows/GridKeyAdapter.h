#pragma once
// Turns Qt's key events on the coding grid's view into the grid's key events: a press
// raises FG1_KeyDown with the classic key code and shift state, then FG1_KeyPress with the
// character it types; a key the handlers swallow never reaches the view, any other goes on
// to it (a typed character then starts editing the cell). A release raises FG1_KeyUp.
// Auto-repeat raises nothing: a repeat reaches the view only when its key's first press
// did. The system does not always mark a repeat: under X it may come as a plain release and
// press with one timestamp, the press read a few milliseconds after the release. So a
// release is held back for a short gap, the handlers keeping what its key-up stamps as it
// is then; a press of that key at the release's timestamp (or of a key still down) is a
// repeat, and any other key event, the gap running out or the focus going, lets the key-up
// go. Copy, paste and the erase keys never reach the view, whose own copy would overwrite
// the clipboard. A key still down when the view loses focus gets its FG1_KeyUp then (after
// the handler running, when a box it showed took the focus), and its later release is
// dropped. The filter sits on the view, not on its cell editor: typing in an open editor
// is the editor's.

#include "videocoder/coding/GridKeyEvents.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <map>
#include <optional>
#include <set>

class QAbstractItemView;
class QKeyEvent;

namespace vc {

class GridKeyAdapter : public QObject {
    Q_OBJECT

public:
    // How long a release waits for the press that would make it a repeat's: the two are sent
    // together, so a few milliseconds would do; a busy window thread may read them further
    // apart.
    static constexpr std::chrono::milliseconds kRepeatGap{40};

    GridKeyAdapter(QAbstractItemView& view, GridKeyEvents& handlers);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(const QKeyEvent& event);
    bool keyReleased(const QKeyEvent& event);
    bool repeatOfHeldRelease(quint32 identity, const QKeyEvent& event) const;
    void raiseHeldRelease();
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
    struct HeldRelease {
        quint32 identity = 0;
        quint64 timestamp = 0;
        int shift = 0;
    };
    std::optional<HeldRelease> release_; // released, its key-up not yet raised
    QTimer releaseGap_;
    int handling_ = 0; // handlers running
    bool focusLostWhileHandling_ = false;
};

} // namespace vc
