#include "videocoder/core/CodeEditor.h"

#include "textfile/NumberText.h"

#include <vector>

namespace vc {
namespace {

using platform::Buttons;
using platform::Icon;

constexpr int kFields = 3;

const std::string kHelpText = "* Leave the mouse over each toolbar \r\n"
                              "  button to show its function. \r\n"
                              "\r\n"
                              "* Loading a code file makes\r\n"
                              "  it the current code file.\r\n"
                              "\r\n"
                              "* File gets saved when editor is closed. \r\n"
                              "  To quit without saving... hit revert first.\r\n"
                              "\r\n";

// The table's rows and count as they stand, to put back when a step that replaces them does
// not happen.
struct TableCopy {
    int count = 0;
    std::vector<textfile::Value> cells; // row by row, fields 1..3

    static TableCopy of(CodeTableBinding& table) {
        TableCopy copy{table.count(), {}};
        for (int row = 1; row <= table.rows(); ++row) {
            for (int field = 1; field <= kFields; ++field) {
                copy.cells.push_back(table.cell(field, row));
            }
        }
        return copy;
    }
    void restore(CodeTableBinding& table) const {
        const int rows = static_cast<int>(cells.size()) / kFields;
        table.recreate(rows);
        for (int row = 1; row <= rows; ++row) {
            for (int field = 1; field <= kFields; ++field) {
                table.cell(field, row) = cells[static_cast<std::size_t>((row - 1) * kFields + field - 1)];
            }
        }
        table.setCount(count);
    }
};

} // namespace

std::string CodeEditorDifferences::addRefusal() const {
    // Joined as the box always read: "Only 500allowed!".
    return "Only" + textfile::joinedNumber(addLimit + 1) + "allowed!";
}

std::string groupColumnList() {
    std::string list;
    for (int group = 0; group < kBoundGroupNames; ++group) {
        list += (group == 0 ? "" : "|") + std::to_string(group);
    }
    return list;
}

CodeEditor::CodeEditor(CodeTableBinding& table, GroupNameBinding& groups, platform::Platform& p)
    : table_(table), groups_(groups), p_(p) {}

void CodeEditor::Form_Load() {
    const CodeEditorDifferences& d = table_.differences();
    if (d.placeFromStore) {
        view_->place(table_.storedGeometry());
    } else {
        view_->centre();
    }
    if (table_.count() == 0) {
        if (d.emptyLoadCountsOne) {
            table_.setCount(1);
        }
        table_.recreate(1);
    }
    renewCaption();
    view_->dressGrids(kCodeHeaders, groupColumnList());
    table_.markLoaded();
    loaded_ = true;
    refreshCodes();
    view_->refreshGroups();
}

bool CodeEditor::Form_Unload() {
    if (!loaded_) {
        return true;
    }
    if (!table_.differences().unloadStoresGeometry) {
        table_.saveSettings();
    } else if (view_->normalState()) {
        table_.storeGeometry(view_->geometry());
        table_.saveSettings();
    }
    // A set unchanged since it was read or saved is not written again; one whose save did
    // not happen (a cancelled name, a failed write) keeps the editor open with its codes.
    if (table_.changed() && !table_.save()) {
        return false;
    }
    loaded_ = false;
    table_.unload();
    return true;
}

void CodeEditor::Toolbar1_ButtonClick(int index) {
    view_->commitEdit();
    ToolbarAction(index);
}

void CodeEditor::MenuAction(int index) {
    view_->commitEdit();
    ToolbarAction(index);
}

void CodeEditor::ToolbarAction(int index) {
    const int row = view_->currentRow();
    switch (index) {
    case kOpenAction:
        open();
        break;
    case kSaveAction:
        table_.save();
        break;
    case kSaveAsAction:
        saveAs();
        break;
    case kDeleteAction:
        deleteRow(row);
        break;
    case kMoveUpAction:
        if (row == 1) {
            p_.dialogs.beep();
        } else if (row > 1) {
            moveRow(row, row - 1);
            view_->setCurrentRow(row - 1);
            refreshCodes();
        }
        break;
    case kMoveDownAction:
        // A workstation set of no codes shows one empty row that has none below it.
        if (row >= table_.count()) {
            p_.dialogs.beep();
        } else if (row >= 1) {
            moveRow(row + 1, row);
            view_->setCurrentRow(row + 1);
            refreshCodes();
        }
        break;
    case kAddAction:
        addRow();
        break;
    case kInsertAction:
        insertRow(row);
        break;
    case kRevertAction:
        revert();
        break;
    case kEraseAllAction:
        eraseAll();
        break;
    case kHelpAction:
        help();
        break;
    default:
        break;
    }
}

void CodeEditor::renewCaption() {
    view_->setCaption(kCodeEditorCaption + " (" + table_.captionName() + ")");
}

void CodeEditor::refreshCodes() {
    view_->refreshCodes();
}

// Open and Revert read a file; one that is not read leaves the set as it was.
void CodeEditor::open() {
    const std::string kept = table_.fileName();
    table_.fileName() = std::string(1, '\x1b');
    if (!table_.open() && table_.fileName().empty()) {
        table_.fileName() = kept;
    }
    renewCaption();
    if (table_.differences().openReloads) {
        Form_Load();
    }
    refreshCodes();
    view_->refreshGroups();
}

void CodeEditor::revert() {
    const std::string kept = table_.fileName();
    if (!table_.open() && table_.fileName().empty()) {
        table_.fileName() = kept;
    }
    Form_Load();
}

void CodeEditor::saveAs() {
    if (table_.differences().saveAsSavesFirst) {
        table_.save();
    }
    const std::string kept = table_.fileName();
    table_.fileName().clear();
    table_.save();
    if (table_.fileName().empty()) {
        table_.fileName() = kept;
    }
    Form_Load();
}

void CodeEditor::NewMnu_Click() {
    view_->commitEdit();
    if (table_.differences().newEmptiesCodes) {
        newEmptySet();
    } else {
        saveAs();
    }
}

// The workstation's New: the current set is saved, then a file of no codes with the current
// group names is named. Cancelled, everything stays as it was; named, the group names go.
void CodeEditor::newEmptySet() {
    if (!table_.save() && table_.changed()) {
        return; // the old set's changes would go with its codes
    }
    const std::string kept = table_.fileName();
    const TableCopy table = TableCopy::of(table_);
    table_.fileName().clear();
    table_.setCount(0);
    table_.save();
    if (table_.fileName().empty()) {
        table_.fileName() = kept;
        table.restore(table_);
    } else {
        table_.emptyGroupNames();
    }
    Form_Load();
}

void CodeEditor::deleteRow(int row) {
    if (table_.count() <= 0) {
        table_.setCount(1);
    }
    if (row <= 0) {
        return;
    }
    int count = table_.count();
    if (row != count) {
        for (int code = row; code <= count - 1; ++code) {
            for (int field = 1; field <= kFields; ++field) {
                table_.cell(field, code) = table_.cell(field, code + 1);
            }
        }
    }
    count = count - 1 == 0 ? 1 : count - 1;
    table_.setCount(count);
    table_.resizeKeeping(count);
    refreshCodes();
}

// Swaps two rows: `from` goes to `to` through a text (its fields become texts), `to` takes
// its place as it was.
void CodeEditor::moveRow(int from, int to) {
    for (int field = 1; field <= kFields; ++field) {
        const std::string moved = table_.cell(field, from).asText();
        table_.cell(field, from) = table_.cell(field, to);
        table_.cell(field, to) = textfile::Value::ofText(moved);
    }
}

void CodeEditor::addRow() {
    const CodeEditorDifferences& d = table_.differences();
    if (table_.count() == d.addLimit) {
        p_.dialogs.messageBox(d.addRefusal(), "Too Many!", Buttons::OK, Icon::None);
        return;
    }
    table_.setCount(table_.count() + 1);
    table_.resizeKeeping(table_.count());
    refreshCodes();
}

void CodeEditor::insertRow(int row) {
    if (row <= 0) {
        return; // with no current row there is nowhere to insert
    }
    const int count = table_.count() + 1;
    table_.setCount(count);
    table_.resizeKeeping(count);
    for (int code = count; code >= row + 1; --code) {
        for (int field = 1; field <= kFields; ++field) {
            table_.cell(field, code) = table_.cell(field, code - 1);
        }
    }
    for (int field = 1; field <= kFields; ++field) {
        table_.cell(field, row) = textfile::Value::null();
    }
    refreshCodes();
}

void CodeEditor::eraseAll() {
    if (p_.dialogs.messageBox("Really erase all codes?", "Verify", Buttons::OKCancel, Icon::None) ==
        platform::Answer::Cancel) {
        return;
    }
    table_.setCount(1);
    table_.recreate(1);
    refreshCodes();
    table_.fileName().clear();
}

void CodeEditor::help() {
    p_.dialogs.messageBox(kHelpText, "Code file editor...", Buttons::OK, Icon::Information);
}

void CodeEditor::PrintMnu_Click() {
    view_->commitEdit();
    platform::Printer& printer = p_.printer;
    if (!printer.setup()) {
        return;
    }
    printer.beginRun();
    printer.nameDocument(table_.fileName(), platform::PageOrientation::Portrait);
    printer.printLine(kCodeHeaders[0] + "\t" + kCodeHeaders[1] + "\t" + kCodeHeaders[2]);
    for (int row = 1; row <= table_.rows(); ++row) {
        printer.printLine(table_.cell(1, row).asText() + "\t" + table_.cell(2, row).asText() + "\t" +
                          table_.cell(3, row).asText());
    }
    const platform::PrintOutcome outcome = printer.endDoc();
    if (outcome.kind == platform::PrintOutcome::Kind::Failed) {
        p_.dialogs.messageBox("The codes of " + table_.fileName() + " could not be printed: " + outcome.error,
                              "Error!", Buttons::OK, Icon::Exclamation);
    }
}

void CodeEditor::ExitMnu_Click() {
    view_->commitEdit();
    view_->closeWindow();
}

bool CodeEditor::Fg2_KeyDown(int keyCode, int shift) {
    const bool copy = shift == kEditorCtrlAlone &&
                      (keyCode == kEditorKeyC || keyCode == kEditorKeyX || keyCode == kEditorKeyInsert);
    const bool paste = (shift == kEditorCtrlAlone && keyCode == kEditorKeyV) ||
                       (shift == kEditorShiftAlone && keyCode == kEditorKeyInsert);
    if (!copy && !paste) {
        return false;
    }
    const int row = view_->currentRow();
    const int field = view_->currentField();
    if (row < 1 || row > table_.rows() || field < 1 || field > kFields) {
        return true;
    }
    if (copy) {
        p_.clipboard.clear();
        p_.clipboard.setText(table_.cell(field, row).asText());
    } else {
        table_.cell(field, row) = textfile::Value::ofText(p_.clipboard.text());
        refreshCodes();
    }
    return true;
}

void CodeEditor::Fg3_CellEdited() {
    view_->refreshGroups();
}

std::string CodeEditor::groupDescription(int group) const {
    return loaded_ ? groups_.groupName(group) : std::string();
}

void CodeEditor::setGroupDescription(int group, const std::string& text) {
    if (loaded_) {
        groups_.setGroupName(group, text);
    }
}

} // namespace vc
