#pragma once
// A released key's key-up waits a moment for a press that would make the release an
// auto-repeat's; tests let that moment pass on the real event loop.

#include "videocoder/coding/windows/GridKeyAdapter.h"

#include <QCoreApplication>
#include <QTest>

namespace vctest {

inline void waitOutKeyUpGap() {
    QTest::qWait(static_cast<int>(vc::GridKeyAdapter::kRepeatGap.count()) + 5);
    // The wait may end right after a sleep in which the key-up fell due.
    QCoreApplication::processEvents();
}

} // namespace vctest
