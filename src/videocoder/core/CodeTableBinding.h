#pragma once
// What the code-set editor's codes grid shows and edits: a program's code table with its
// count, file name and file procedures. Beside GroupNameBinding, each program that shows the
// editor implements it over its own store; what the editor does differently in each program
// is data (CodeEditorDifferences), read by the one editor.

#include "textfile/Value.h"

#include <string>

namespace vc {

struct CodeEditorDifferences {
    // Add refuses a new code when the count is exactly this; the box names one more.
    int addLimit = 0;
    // Load: the stored geometry (where it is not 0), or centred on the screen.
    bool placeFromStore = false;
    // Load with a count of 0: the count becomes 1 (or stays 0 over the one empty row).
    bool emptyLoadCountsOne = false;
    // Open re-runs the load after renewing the caption.
    bool openReloads = false;
    // Save As saves the current file first.
    bool saveAsSavesFirst = false;
    // New names an empty set (the group descriptions emptied once it has a name), or a copy.
    bool newEmptiesCodes = false;
    // Unload stores the geometry and the settings only in the normal window state (or
    // stores the settings always, with no geometry).
    bool unloadStoresGeometry = false;
    // The Add box's number and the text it is joined from.
    std::string addRefusal() const;
};

// The window's size and place in twips; 0 = not stored.
struct EditorGeometry {
    double left = 0, top = 0, width = 0, height = 0;
};

class CodeTableBinding {
public:
    // The number of codes (gCodeCount, NumCodes).
    virtual int count() const = 0;
    virtual void setCount(int count) = 0;
    // The rows the table holds (the count, or one row over a count of 0).
    virtual int rows() const = 0;
    // Field 1..3 of row 1..rows(); RunError 9 outside.
    virtual textfile::Value& cell(int field, int row) = 0;
    // Rows 1..rows, keeping the cells of the rows that remain; new rows are Empty.
    virtual void resizeKeeping(int rows) = 0;
    // Rows 1..rows, every cell Empty.
    virtual void recreate(int rows) = 0;

    // The code-set file's path; "" = untitled.
    virtual std::string& fileName() = 0;
    // The file's name part, for the caption.
    virtual std::string captionName() const = 0;
    // The program's OpenCodeFile and SaveCodeFile: true when read or written.
    virtual bool open() = 0;
    virtual bool save() = 0;
    virtual void saveSettings() = 0;
    // Whether the codes or group names differ from the file as last read or saved.
    virtual bool changed() = 0;

    // The editor loads: the program's open flag, and where the set stands now for changed().
    virtual void markLoaded() = 0;
    // The editor unloads after its save: the program's flag, name and table as it says.
    virtual void unload() = 0;
    // A New that got its name: the group names go.
    virtual void emptyGroupNames() = 0;
    virtual EditorGeometry storedGeometry() const = 0;
    virtual void storeGeometry(const EditorGeometry& geometry) = 0;

    virtual const CodeEditorDifferences& differences() const = 0;

protected:
    ~CodeTableBinding() = default;
};

} // namespace vc
