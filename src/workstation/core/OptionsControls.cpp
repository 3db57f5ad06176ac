#include "workstation/core/OptionsControls.h"

#include "textfile/NumberText.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"

#include <cmath>

namespace ws {

namespace {

std::string boxText(int value) {
    return textfile::joinedNumber(value);
}

std::string boxText(float value) {
    return (value < 0 ? "" : " ") + textfile::singleText(value);
}

// The numeric value of a box's text; nothing when it is too large even for a double.
std::optional<double> valueOf(const std::string& text) {
    try {
        return textfile::leadingNumber(text);
    } catch (const textfile::RunError&) {
        return std::nullopt;
    }
}

bool fitsInt16(const std::optional<double>& value) {
    return value && std::nearbyint(*value) >= -32768 && std::nearbyint(*value) <= 32767;
}

bool fitsSingle(const std::optional<double>& value) {
    try {
        return value && (textfile::toSingle(*value), true);
    } catch (const textfile::RunError&) {
        return false;
    }
}

std::int16_t int16Of(const std::string& text) {
    return textfile::toInt16(textfile::leadingNumber(text));
}

} // namespace

OptionsControls controlsFromSettings(const WorkstationSettings& s) {
    OptionsControls c;
    c.Check1 = s.gStartBanner;
    c.Check3 = s.gCutOffEvents;
    c.Text2 = boxText(s.gNumToUse % 100);
    c.Text3 = boxText(s.gNumToUse / 100);
    c.Text1 = boxText(s.gIOAWindow);
    c.fileFormat = s.gFileFormat;
    c.vtrs.convertToSeconds = s.gVintro2Secs;
    c.vtrs.keepScratch = s.gVTRSKeepScratch;
    c.vtrs.CombineChk = s.gVTRSCombine;
    c.vtrs.EndOpt = s.gVTRSEndTime;
    c.vtrs.StartOpt = s.gVTRSStartTime;
    for (int group = 0; group < kColumnGroupNodes; ++group) {
        const std::int16_t state = s.ColumnGroupStates[static_cast<std::size_t>(group)];
        c.vtrs.groups[static_cast<std::size_t>(group)] = {state == 1, state == 2};
    }
    c.Label4 = s.Code_File;
    c.Label6 = s.Text_Editor;
    c.Label7 = s.Spreadsheet_Editor;
    c.Check4 = s.gSoundsOn;
    c.Check2 = s.gFixedEntry;
    c.Text4 = boxText(s.gNumToAuto);
    c.Text5 = boxText(s.SessionDuration);
    c.Check5 = s.TenthsofSeconds;
    c.doru = {s.gDORUKeepScratch, s.gDORUUseTranslation, s.gDORUConvertTimes, s.gDORUTransFile};
    c.odf = {s.gODFKeepScratch, s.gODFZeroJustify, s.gODFConvertTimes};
    c.ContCheck = {s.gReadCont, s.gContStateChange, s.gZeroCont, s.gContHeader, s.gSaveContMerged};
    return c;
}

std::optional<std::string> refusalOf(const OptionsControls& c) {
    const std::optional<double> x = valueOf(c.Text2);
    const std::optional<double> y = valueOf(c.Text3);
    const bool cutOff = c.Check3 != 0;
    // X above 99 would spill into Y; below 1 with the cut-off ticked no read could succeed.
    if (!x || std::nearbyint(*x) > 99 || std::nearbyint(*x) < (cutOff ? 1 : 0)) {
        return cutOff ? "X= must be a whole number from 1 to 99." : "X= must be a whole number from 0 to 99.";
    }
    if (!fitsInt16(y) || !fitsInt16(*y * 100 + *x)) {
        return std::string("Y= is too large: Y x 100 + X must not exceed 32767.");
    }
    if (!fitsInt16(valueOf(c.Text1))) {
        return std::string("Frequency IOA Window Size must be a whole number from -32768 to 32767.");
    }
    if (!fitsInt16(valueOf(c.Text4))) {
        return std::string("Digits to Auto Enter must be a whole number from -32768 to 32767.");
    }
    if (!fitsSingle(valueOf(c.Text5))) {
        return std::string("Session Duration (in seconds) is too large.");
    }
    return std::nullopt;
}

void copyControls(const OptionsControls& c, WorkstationSettings& s) {
    const auto v = [](int value) { return static_cast<std::int16_t>(value); };
    s.gStartBanner = v(c.Check1);
    s.gCutOffEvents = v(c.Check3);
    s.gNumToUse =
        textfile::toInt16(textfile::leadingNumber(c.Text3) * 100 + textfile::leadingNumber(c.Text2));
    s.gIOAWindow = int16Of(c.Text1);
    s.gFileFormat = v(c.fileFormat);
    s.gVintro2Secs = v(c.vtrs.convertToSeconds);
    s.gVTRSKeepScratch = v(c.vtrs.keepScratch);
    s.gVTRSCombine = v(c.vtrs.CombineChk);
    s.gVTRSEndTime = v(c.vtrs.EndOpt);
    s.gVTRSStartTime = v(c.vtrs.StartOpt);
    // A node both checked and red counts as ignored.
    for (int group = 0; group < kColumnGroupNodes; ++group) {
        const GroupNode& node = c.vtrs.groups[static_cast<std::size_t>(group)];
        s.ColumnGroupStates[static_cast<std::size_t>(group)] = node.ignored ? 2 : (node.checked ? 1 : 0);
    }
    s.Code_File = c.Label4;
    s.Text_Editor = c.Label6;
    s.Spreadsheet_Editor = c.Label7;
    s.gSoundsOn = v(c.Check4);
    s.gFixedEntry = v(c.Check2);
    s.gNumToAuto = int16Of(c.Text4);
    s.SessionDuration = textfile::toSingle(textfile::leadingNumber(c.Text5));
    s.TenthsofSeconds = v(c.Check5);
    s.gDORUKeepScratch = v(c.doru.Check3);
    s.gDORUConvertTimes = v(c.doru.Check1);
    s.gDORUUseTranslation = v(c.doru.Check2);
    s.gDORUTransFile = c.doru.Label2;
    s.gODFKeepScratch = v(c.odf.Check3);
    s.gODFConvertTimes = v(c.odf.Check1);
    s.gODFZeroJustify = v(c.odf.Check2);
    s.gReadCont = v(c.ContCheck[0]);
    s.gContStateChange = v(c.ContCheck[1]);
    s.gZeroCont = v(c.ContCheck[2]);
    s.gContHeader = v(c.ContCheck[3]);
    s.gSaveContMerged = v(c.ContCheck[4]);
}

} // namespace ws
