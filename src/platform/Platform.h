#pragma once
// The services a program hands its windows and procedures.

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Printer.h"
#include "platform/SettingsStore.h"
#include "platform/Sound.h"

#include <string>

namespace platform {

struct Platform {
    Dialogs& dialogs;
    SettingsStore& settings;
    Launcher& launcher;
    Sound& sound;
    Clock& clock;
    // The program's data folder (its sounds), without a trailing separator.
    std::string programFolder;
    Printer& printer;
    Clipboard& clipboard;
};

} // namespace platform
