#include "workstation/core/CodeEditorRigs.h"

#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/EditorCodeTable.h"
#include "videocoder/core/EditorGroupNames.h"
#include "videocoder/core/RecordingCodingWindow.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/Global.h"
#include "workstation/core/windows/CodeSetCodeTable.h"
#include "workstation/core/windows/CodeSetGroupNames.h"

namespace testsupport {
namespace {

std::string field(const textfile::Value& v) {
    switch (v.kind) {
    case textfile::Value::Kind::Text:
        return "\"" + v.text + "\"";
    case textfile::Value::Kind::Null:
        return "#NULL#";
    default:
        return v.asText();
    }
}

class CoderRig : public EditorRig {
public:
    CoderRig() {
        view_ = std::make_unique<RecordingEditorView>(editor_);
        editor_.attach(*view_);
    }
    const char* program() const override { return "coder"; }
    bool coder() const override { return true; }
    ScriptedPlatform& doubles() override { return coder_.platform; }
    vc::CodeEditor& editor() override { return editor_; }
    vc::CodeTableBinding& table() override { return table_; }
    void read(const std::string& path) override {
        coder_.g.codeSet.gCodeFileName = path;
        vc::OpenCodeFile(coder_.g, coder_.links);
        editor_.Form_Load();
    }
    std::string group(int group) override { return coder_.codeFrmGroups.peek(group); }
    vctest::Coder& state() { return coder_; }

private:
    vctest::Coder coder_;
    vc::EditorCodeTable table_{coder_.g, coder_.links, coder_.platform.settings};
    vc::EditorGroupNames names_{coder_.g, coder_.codeFrmGroups};
    vc::CodeEditor editor_{table_, names_, coder_.platform.platform};
};

class WorkstationRig : public EditorRig {
public:
    WorkstationRig() {
        view_ = std::make_unique<RecordingEditorView>(editor_);
        editor_.attach(*view_);
    }
    const char* program() const override { return "workstation"; }
    bool coder() const override { return false; }
    ScriptedPlatform& doubles() override { return doubles_; }
    vc::CodeEditor& editor() override { return editor_; }
    vc::CodeTableBinding& table() override { return table_; }
    void read(const std::string& path) override {
        g_.Code_File = path;
        ws::OpenCodeFile(g_, doubles_.platform);
        editor_.Form_Load();
    }
    std::string group(int group) override { return g_.GroupNames.at(static_cast<std::size_t>(group)); }

private:
    ScriptedPlatform doubles_;
    ws::Global g_;
    ws::CodeSetCodeTable table_{g_, doubles_.platform};
    ws::CodeSetGroupNames names_{g_};
    vc::CodeEditor editor_{table_, names_, doubles_.platform};
};

} // namespace

std::vector<std::string> EditorRig::rows() {
    std::vector<std::string> out;
    vc::CodeTableBinding& t = table();
    for (int row = 1; row <= t.rows(); ++row) {
        out.push_back(field(t.cell(1, row)) + "," + field(t.cell(2, row)) + "," + field(t.cell(3, row)));
    }
    return out;
}

std::unique_ptr<EditorRig> coderRig() {
    return std::make_unique<CoderRig>();
}

std::unique_ptr<EditorRig> workstationRig() {
    return std::make_unique<WorkstationRig>();
}

} // namespace testsupport
