#pragma once
// The code-set editor (CodeFrm) as logic: its toolbar actions, menus, clipboard keys, load and
// unload, over a program's code table and group names. The window (CodeFrm in the windows
// library) is two grids, a toolbar and menus over this; everything it shows or moves goes
// through CodeEditorView. The same editor serves both programs: what differs between them
// is the binding's data (CodeEditorDifferences).

#include "platform/Platform.h"
#include "videocoder/core/CodeTableBinding.h"
#include "videocoder/core/GroupNameBinding.h"

#include <array>
#include <string>

namespace vc {

// The toolbar's buttons by index 1..14; separators have no tooltip.
struct CodeEditorButton {
    int index;
    const char* tooltip; // nullptr: a separator
};
inline constexpr std::array<CodeEditorButton, 14> kCodeEditorToolbar{{
    {1, "Opens a Code File (Saves the Current File)"},
    {2, "Save File to Disk"},
    {3, "Save the Current Codes as a Different File"},
    {4, nullptr},
    {5, "Delete the Current Code"},
    {6, "Move the Current Code Up"},
    {7, "Move the Current Code Down"},
    {8, "Add a New Code"},
    {9, "Insert a Code"},
    {10, nullptr},
    {11, "Revert to Saved File"},
    {12, "Erase All Codes"},
    {13, nullptr},
    {14, "Show the Help Text"},
}};

enum ToolbarIndex {
    kOpenAction = 1,
    kSaveAction = 2,
    kSaveAsAction = 3,
    kDeleteAction = 5,
    kMoveUpAction = 6,
    kMoveDownAction = 7,
    kAddAction = 8,
    kInsertAction = 9,
    kRevertAction = 11,
    kEraseAllAction = 12,
    kHelpAction = 14,
};

inline const std::array<std::string, 3> kCodeHeaders = {"Code", "Description", "Group"};
inline const std::string kCodeEditorCaption = "Code File Editor";

// The key codes and shift states of the codes grid's clipboard keys.
inline constexpr int kEditorShiftAlone = 1;
inline constexpr int kEditorCtrlAlone = 2;
inline constexpr int kEditorKeyInsert = 45;
inline constexpr int kEditorKeyC = 67;
inline constexpr int kEditorKeyV = 86;
inline constexpr int kEditorKeyX = 88;

class CodeEditorView {
public:
    // The codes grid's current row (1 = first code; 0 = none) and field (1..3; 0 = none).
    virtual int currentRow() const = 0;
    virtual int currentField() const = 0;
    virtual void setCurrentRow(int row) = 0;
    // The cell being edited reaches the table.
    virtual void commitEdit() = 0;
    // The grids show the table and the group names as they stand now.
    virtual void refreshCodes() = 0;
    virtual void refreshGroups() = 0;
    virtual void setCaption(const std::string& caption) = 0;
    // Header texts of the codes grid and the group column's pick list ("0|1|...|48").
    virtual void dressGrids(const std::array<std::string, 3>& headers, const std::string& groupList) = 0;
    // Each of left, top, width, height applied only when not 0.
    virtual void place(const EditorGeometry& geometry) = 0;
    virtual void centre() = 0;
    virtual EditorGeometry geometry() const = 0;
    // Neither minimised nor maximised.
    virtual bool normalState() const = 0;
    // Closes the window as its close box does (which unloads through Form_Unload).
    virtual void closeWindow() = 0;

protected:
    ~CodeEditorView() = default;
};

class CodeEditor {
public:
    CodeEditor(CodeTableBinding& table, GroupNameBinding& groups, platform::Platform& p);

    void attach(CodeEditorView& view) { view_ = &view; }
    bool loaded() const { return loaded_; }

    // Safe to run again on a loaded editor (Save As, New, Revert and Open do).
    void Form_Load();
    // False when the set holds changes not on disk and its save did not happen: the editor
    // stays loaded with its codes.
    bool Form_Unload();
    // The program unloaded the editor itself (its codes and names went with it).
    void markUnloaded() { loaded_ = false; }

    // One action per toolbar index 1..14; anything else does nothing.
    void ToolbarAction(int index);
    // The cell being edited first reaches the table.
    void Toolbar1_ButtonClick(int index);
    void MenuAction(int index); // Open 1 ... Insert Row 9, Revert 11
    void NewMnu_Click();
    void PrintMnu_Click();
    void ExitMnu_Click();
    // True when the key was one of the clipboard keys (the grid does not see it then).
    bool Fg2_KeyDown(int keyCode, int shift);
    void Fg3_CellEdited();

    // The group grid's rows 1..49, column 1, while loaded ("" otherwise).
    std::string groupDescription(int group) const;
    void setGroupDescription(int group, const std::string& text);
    CodeTableBinding& table() { return table_; }

private:
    void open();
    void saveAs();
    void deleteRow(int row);
    void moveRow(int from, int to);
    void addRow();
    void insertRow(int row);
    void revert();
    void eraseAll();
    void help();
    void newEmptySet();
    void renewCaption();
    void refreshCodes();

    CodeTableBinding& table_;
    GroupNameBinding& groups_;
    platform::Platform& p_;
    CodeEditorView* view_ = nullptr;
    bool loaded_ = false;
};

// The group column's pick list: the numbers 0 to 48 joined by "|".
std::string groupColumnList();

} // namespace vc
