#pragma once
// The code-set editor over each program's binding, on the scripted platform, with a view that
// records what the editor asks of its window: the editor's tests run once per rig.

#include "support/ScriptedPlatform.h"
#include "videocoder/core/CodeEditor.h"

#include <memory>
#include <string>
#include <vector>

namespace testsupport {

class RecordingEditorView : public vc::CodeEditorView {
public:
    explicit RecordingEditorView(vc::CodeEditor& editor) : editor_(editor) {}
    int row = 0;
    int field = 1;
    bool normal = true;
    vc::EditorGeometry shownAt{1500, 1200, 6000, 4500};
    std::vector<std::string> calls;
    std::string caption;
    // What closing the window did: "closed" or "stays".
    std::vector<std::string> closes;

    int currentRow() const override { return row; }
    int currentField() const override { return field; }
    void setCurrentRow(int r) override {
        row = r;
        calls.push_back("row " + std::to_string(r));
    }
    void commitEdit() override { calls.push_back("commit"); }
    void refreshCodes() override { calls.push_back("refreshCodes"); }
    void refreshGroups() override { calls.push_back("refreshGroups"); }
    void setCaption(const std::string& c) override {
        caption = c;
        calls.push_back("caption " + c);
    }
    void dressGrids(const std::array<std::string, 3>& headers, const std::string& groupList) override {
        calls.push_back("dress " + headers[0] + "," + headers[1] + "," + headers[2] + " " + groupList);
    }
    void place(const vc::EditorGeometry& g) override {
        calls.push_back("place " + std::to_string(static_cast<int>(g.left)) + " " +
                        std::to_string(static_cast<int>(g.top)) + " " +
                        std::to_string(static_cast<int>(g.width)) + " " +
                        std::to_string(static_cast<int>(g.height)));
    }
    void centre() override { calls.push_back("centre"); }
    vc::EditorGeometry geometry() const override { return shownAt; }
    bool normalState() const override { return normal; }
    void closeWindow() override { closes.push_back(editor_.Form_Unload() ? "closed" : "stays"); }

private:
    vc::CodeEditor& editor_;
};

// One program's editor: its binding over its store, read from a code-set file as the program
// reads one.
class EditorRig {
public:
    virtual ~EditorRig() = default;
    virtual const char* program() const = 0;
    virtual bool coder() const = 0;
    virtual ScriptedPlatform& doubles() = 0;
    virtual vc::CodeEditor& editor() = 0;
    virtual vc::CodeTableBinding& table() = 0;
    // Reads the file as the program's OpenCodeFile does, then loads the editor.
    virtual void read(const std::string& path) = 0;
    virtual std::string group(int group) = 0;
    // The codes as write-form fields, one text per row: "\"A\",\"Alpha\",1"; Null as #NULL#.
    std::vector<std::string> rows();
    RecordingEditorView& view() { return *view_; }

protected:
    std::unique_ptr<RecordingEditorView> view_;
};

std::unique_ptr<EditorRig> coderRig();
std::unique_ptr<EditorRig> workstationRig();

} // namespace testsupport
