#pragma once
// The video coder's side of the code-set editor's codes grid: gCodes with gCodeCount, the
// code-set file procedures of the coder, and the editor's geometry among the settings.

#include "platform/SettingsStore.h"
#include "videocoder/core/CodeTableBinding.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/Globals.h"

namespace vc {

class EditorCodeTable : public CodeTableBinding {
public:
    EditorCodeTable(Globals& g, CoderLinks& links, platform::SettingsStore& settings)
        : g_(g), links_(links), settings_(settings) {}

    int count() const override { return g_.codeSet.gCodeCount; }
    void setCount(int count) override { g_.codeSet.gCodeCount = count; }
    int rows() const override { return g_.codeSet.gCodes.rows(); }
    textfile::Value& cell(int field, int row) override { return g_.codeSet.gCodes.at(field, row); }
    void resizeKeeping(int rows) override { g_.codeSet.gCodes.resizeRows(rows); }
    void recreate(int rows) override { g_.codeSet.gCodes.reset(kCodeFields, rows); }

    std::string& fileName() override { return g_.codeSet.gCodeFileName; }
    std::string captionName() const override;
    bool open() override;
    bool save() override;
    void saveSettings() override;
    bool changed() override;

    void markLoaded() override;
    void unload() override;
    void emptyGroupNames() override;
    EditorGeometry storedGeometry() const override;
    void storeGeometry(const EditorGeometry& geometry) override;

    const CodeEditorDifferences& differences() const override;

private:
    Globals& g_;
    CoderLinks& links_;
    platform::SettingsStore& settings_;
};

} // namespace vc
