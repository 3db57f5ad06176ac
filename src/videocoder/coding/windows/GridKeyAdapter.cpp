#include "videocoder/coding/windows/GridKeyAdapter.h"

#include "videocoder/coding/GridKeys.h"
#include "videocoder/coding/windows/CoderKeyCodes.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace vc {

namespace {

// One physical key, pressed and released: the scan code where the system gives one.
quint32 identityOf(const QKeyEvent& event) {
    if (event.nativeScanCode() != 0) {
        return event.nativeScanCode();
    }
    const bool keypad = (event.modifiers() & Qt::KeypadModifier) != 0;
    return static_cast<quint32>(event.key()) ^ (keypad ? 0x80000000u : 0u);
}

} // namespace

GridKeyAdapter::GridKeyAdapter(QAbstractItemView& view, GridKeyEvents& handlers)
    : QObject(&view), view_(view), handlers_(handlers) {
    view.installEventFilter(this);
    releaseGap_.setSingleShot(true);
    releaseGap_.setTimerType(Qt::PreciseTimer);
    releaseGap_.setInterval(kRepeatGap);
    connect(&releaseGap_, &QTimer::timeout, this, [this] { raiseHeldRelease(); });
}

bool GridKeyAdapter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &view_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Copy and paste belong to the grid even where a menu has them as shortcuts.
        auto* key = static_cast<QKeyEvent*>(event);
        if (isClipboardKey(classicKeyCode(*key), shiftState(key->modifiers()))) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress:
        return keyPressed(*static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        return keyReleased(*static_cast<QKeyEvent*>(event));
    case QEvent::FocusOut:
        if (handling_ > 0) {
            focusLostWhileHandling_ = true;
        } else {
            releaseHeldKeys();
        }
        return false;
    default:
        return false;
    }
}

bool GridKeyAdapter::keyPressed(const QKeyEvent& event) {
    const quint32 identity = identityOf(event);
    if (repeatOfHeldRelease(identity, event)) {
        releaseGap_.stop();
        release_.reset();
        handlers_.keepKeyUpMoment(false);
        return !reachedView_.contains(identity);
    }
    raiseHeldRelease();
    if (event.isAutoRepeat() || held_.contains(identity)) {
        return !reachedView_.contains(identity);
    }
    const int keyCode = classicKeyCode(event);
    const int shift = shiftState(event.modifiers());
    held_[identity] = {keyCode, shift};
    reachedView_.erase(identity);

    ++handling_;
    handlers_.FG1_KeyDown(keyCode, shift);
    bool swallowed = isClipboardKey(keyCode, shift) || keyCode == kKeyBackspace || keyCode == kKeyDelete;
    if (int keyAscii = typedCharacter(event); keyAscii != 0) {
        handlers_.FG1_KeyPress(keyAscii);
        swallowed = swallowed || keyAscii == 0;
    }
    --handling_;

    releaseIfFocusWent();
    if (!swallowed) {
        reachedView_.insert(identity);
    }
    return swallowed;
}

bool GridKeyAdapter::keyReleased(const QKeyEvent& event) {
    if (event.isAutoRepeat()) {
        return true;
    }
    raiseHeldRelease();
    const quint32 identity = identityOf(event);
    if (!held_.contains(identity)) {
        return true; // its key-up was raised when the focus went
    }
    release_ = HeldRelease{identity, event.timestamp(), shiftState(event.modifiers())};
    handlers_.keepKeyUpMoment(true);
    releaseGap_.start();
    return false;
}

// A repeat the system left unmarked: the held release's key pressed at the release's own
// timestamp. Events made up without a timestamp are never taken for one.
bool GridKeyAdapter::repeatOfHeldRelease(quint32 identity, const QKeyEvent& event) const {
    return release_ && release_->identity == identity &&
           (event.isAutoRepeat() || (event.timestamp() != 0 && event.timestamp() == release_->timestamp));
}

void GridKeyAdapter::raiseHeldRelease() {
    if (!release_) {
        return;
    }
    releaseGap_.stop();
    const HeldRelease release = *release_;
    release_.reset();
    reachedView_.erase(release.identity);
    const auto held = held_.find(release.identity);
    if (held == held_.end()) {
        handlers_.keepKeyUpMoment(false);
        return;
    }
    const int keyCode = held->second.keyCode;
    held_.erase(held);
    ++handling_;
    handlers_.FG1_KeyUp(keyCode, release.shift);
    handlers_.keepKeyUpMoment(false);
    --handling_;
    releaseIfFocusWent();
}

// A box shown by a handler took the focus: a key released while it was up never comes
// back to the view, so every key still held counts as released now.
void GridKeyAdapter::releaseIfFocusWent() {
    if (handling_ == 0 && focusLostWhileHandling_) {
        focusLostWhileHandling_ = false;
        releaseHeldKeys();
    }
}

void GridKeyAdapter::releaseHeldKeys() {
    raiseHeldRelease();
    while (!held_.empty()) {
        const auto first = held_.begin();
        const HeldKey key = first->second;
        reachedView_.erase(first->first);
        held_.erase(first);
        handlers_.FG1_KeyUp(key.keyCode, key.shift);
    }
}

} // namespace vc
