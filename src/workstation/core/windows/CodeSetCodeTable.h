#pragma once
// The workstation's side of the code-set editor's codes grid: CodeTable with NumCodes and
// Code_File, the workstation's code-set file procedures and settings. The table stays the
// workstation's current code set after the editor closes.

#include "platform/Platform.h"
#include "videocoder/core/CodeTableBinding.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowPlacement.h"
#include "workstation/core/Settings.h"

#include <string>

namespace ws {

class CodeSetCodeTable : public vc::CodeTableBinding {
public:
    CodeSetCodeTable(Global& g, platform::Platform& p) : g_(g), p_(p) {}
    // Settings saves go with the main window's placement and the program's settings calls.
    void saveSettingsThrough(MainWindowPlacement* mainWindow, const SettingsCalls* calls) {
        mainWindow_ = mainWindow;
        calls_ = calls;
    }

    int count() const override { return g_.NumCodes; }
    // NumCodes is 16-bit: a count past it is an overflow error, never a wrapped count.
    void setCount(int count) override;
    int rows() const override { return g_.CodeTable.rows(); }
    textfile::Value& cell(int field, int row) override;
    void resizeKeeping(int rows) override { g_.CodeTable.resizeKeeping(rows); }
    void recreate(int rows) override { g_.CodeTable.resize(rows); }

    std::string& fileName() override { return g_.Code_File; }
    std::string captionName() const override;
    bool open() override;
    bool save() override;
    void saveSettings() override;
    bool changed() override;

    void markLoaded() override;
    void unload() override { loaded_ = false; }
    void emptyGroupNames() override;
    vc::EditorGeometry storedGeometry() const override { return {}; }
    void storeGeometry(const vc::EditorGeometry&) override {}

    const vc::CodeEditorDifferences& differences() const override;

private:
    Global& g_;
    platform::Platform& p_;
    MainWindowPlacement* mainWindow_ = nullptr;
    const SettingsCalls* calls_ = nullptr;
    // The set's bytes as last read or saved while the editor is loaded.
    std::string baseline_;
    bool loaded_ = false;
};

} // namespace ws
