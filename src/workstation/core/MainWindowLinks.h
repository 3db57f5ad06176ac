#pragma once
// The windows the main window opens but does not own: the program wires them in.
// An unset link says in a box that its item is not available yet.

#include "workstation/core/Settings.h"

#include <functional>
#include <string>

namespace ws {

struct MainWindowLinks {
    // Writes the title into the analysis dialog's label and shows the dialog modally;
    // returns when it has closed.
    std::function<void(const std::string& title)> showAnalysis;
    std::function<void()> showCollector;  // "Collect &Data..."
    std::function<void()> showCodeEditor; // "&Code File Editor..."
    std::function<void()> showListEditor; // "&List Editor..."
    std::function<void()> showDataEditor; // "&Data File Editor..."
    std::function<void()> showMerger;     // "&Talvor File Merger..."
    std::function<void()> showSeqCompare; // "&Compare 2 sequential dependancies..."
    std::function<void()> showOptions;    // "&TALVOR Options..."
    std::function<void()> printSetup;
    std::function<void()> printData;
    std::function<void()> printListNames;
    std::function<void()> printListData;
    // What loading and saving the settings call beyond the store.
    SettingsCalls settingsCalls;
};

} // namespace ws
