#pragma once
// The Qt implementations of every platform service, held together for a program's main.
// Create after the QApplication: the data folder is the folder the program runs from.

#include "platform/Platform.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtLauncher.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtSound.h"
#include "platform/qt/SystemClock.h"
#include "platform/qt/TextBridge.h"

#include <QCoreApplication>

namespace platform::qt {

struct QtPlatform {
    QtPrinter printer;
    QtDialogs dialogs{&printer};
    QtSettingsStore settings;
    QtLauncher launcher;
    QtSound sound;
    SystemClock clock;
    QtClipboard clipboard;
    Platform platform{dialogs, settings, launcher,
                      sound,   clock,    fromPath(QCoreApplication::applicationDirPath()),
                      printer, clipboard};
};

} // namespace platform::qt
