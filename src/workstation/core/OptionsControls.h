#pragma once
// The options dialog's controls and its import-settings windows as plain values, and the copy
// between them and the settings both ways.

#include "platform/Platform.h"
#include "workstation/core/WorkstationSettings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace ws {

inline constexpr int kColumnGroupNodes = 50;

// A node of the import window's group tree.
struct GroupNode {
    bool checked = false;
    bool ignored = false; // red, " Ignored" after its text
};

struct VTRSControls {
    int StartOpt = 0; // index of the selected start-time button
    int EndOpt = 0;
    int convertToSeconds = 0; // Check1(0)
    int keepScratch = 0;      // Check1(1)
    int CombineChk = 0;
    std::array<GroupNode, kColumnGroupNodes> groups{};
};

struct ODFControls {
    int Check3 = 0; // keep scratch
    int Check2 = 0; // zero justify
    int Check1 = 0; // convert times
};

struct DORUControls {
    int Check3 = 0; // keep scratch
    int Check2 = 0; // use translation
    int Check1 = 0; // convert times
    std::string Label2;
};

struct OptionsControls {
    // General
    int Check1 = 0; // start banner
    int Check3 = 0; // cut-off
    std::string Text2, Text3, Text1;
    int fileFormat = 0; // selected Option1
    // Helper files: the labels show the paths
    std::string Label4, Label6, Label7;
    // Collector
    int Check4 = 0, Check2 = 0;
    std::string Text4, Text5;
    int Check5 = 0;
    // Continuous variables, ContCheck1 to ContCheck5
    std::array<int, 5> ContCheck{};
    VTRSControls vtrs;
    ODFControls odf;
    DORUControls doru;
};

OptionsControls controlsFromSettings(const WorkstationSettings& s);

// A message naming the first box whose number does not fit its setting, or nothing.
std::optional<std::string> refusalOf(const OptionsControls& c);

// Copies every control into the settings, in the dialog's order. Call only when refusalOf
// found nothing.
void copyControls(const OptionsControls& c, WorkstationSettings& s);

} // namespace ws
