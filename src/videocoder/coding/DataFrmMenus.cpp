#include "videocoder/coding/DataFrmMenus.h"

#include "videocoder/coding/CommandCodes.h"
#include "videocoder/coding/DataFrm.h"

namespace vc {

const std::vector<DataFrmMenu>& dataFrmMenus() {
    static const std::vector<DataFrmMenu> menus = {
        {"FileMnu", "&File"},
        // Copying and pasting are the grid's own keys; the menu is not offered.
        {"EditMnu", "&Edit", false},
        {"ControlMnu", "&Media Control"},
        {"s3", "&Data"},
    };
    return menus;
}

namespace {

using Click = std::function<void(DataFrm&)>;

DataFrmMenuItem item(const char* menu, const char* name, const char* caption, const char* shortcut,
                     Click click) {
    return {menu, "", name, caption, shortcut, std::move(click)};
}
DataFrmMenuItem separator(const char* menu, const char* name) {
    return {menu, "", name, "-", "", {}};
}
DataFrmMenuItem submenu(const char* menu, const char* name, const char* caption) {
    return {menu, "", name, caption, "", {}, true};
}
DataFrmMenuItem subitem(const char* menu, const char* parent, const char* name, const char* caption,
                        const char* shortcut, Click click) {
    return {menu, parent, name, caption, shortcut, std::move(click)};
}
Click mediaControl(int index) {
    return [index](DataFrm& f) { f.Command_Click(index); };
}

std::vector<DataFrmMenuItem> buildItems() {
    return {
        item("FileMnu", "SaveMnu", "&Save", "Ctrl+S", [](DataFrm& f) { f.SaveMnu_Click(); }),
        item("FileMnu", "CloseMnu", "Save and &Close", "Ctrl+W", [](DataFrm& f) { f.CloseMnu_Click(); }),
        item("FileMnu", "SaveAsMnu", "Save &As...", "", [](DataFrm& f) { f.SaveAsMnu_Click(); }),
        item("FileMnu", "RevertMnu", "Revert to Saved", "", [](DataFrm& f) { f.RevertMnu_Click(); }),
        separator("FileMnu", "sep10"),
        item("FileMnu", "PrintMnu", "Print...", "Ctrl+P", [](DataFrm& f) { f.PrintMnu_Click(); }),
        separator("FileMnu", "sep1"),
        item("FileMnu", "ExportMnu", "&Export File...", "", [](DataFrm& f) { f.ExportMnu_Click(); }),
        submenu("FileMnu", "ImpMenu", "&Import File..."),
        subitem("FileMnu", "ImpMenu", "VTRSImport", "VTRS Data Import...", "",
                [](DataFrm& f) { f.VTRSImport_Click(); }),
        subitem("FileMnu", "ImpMenu", "CSVImport", "Comma Seperated File Import...", "",
                [](DataFrm& f) { f.CSVImport_Click(); }),
        separator("FileMnu", "sep3"),
        item("FileMnu", "ExitMnu", "E&xit without saving", "", [](DataFrm& f) { f.ExitMnu_Click(); }),

        item("EditMnu", "CopyMnu", "Copy", "Ctrl+C", {}),
        item("EditMnu", "PasteMnu", "Paste", "Ctrl+V", {}),

        item("ControlMnu", "Command(0)", "Play", "Ctrl+D", mediaControl(0)),
        item("ControlMnu", "Command(1)", "Stop", "Ctrl+F", mediaControl(1)),
        item("ControlMnu", "Command(2)", "Go to Start", "Ctrl+G", mediaControl(2)),
        item("ControlMnu", "Command(3)", "Frame Back", "F7", mediaControl(3)),
        item("ControlMnu", "Command(4)", "Frame Ahead", "F8", mediaControl(4)),
        separator("ControlMnu", "Command(5)"),
        item("ControlMnu", "Command(6)", "Mark", "Ctrl+E", mediaControl(6)),
        item("ControlMnu", "Command(7)", "Find/Seek", "Ctrl+R", mediaControl(7)),
        item("ControlMnu", "Command(8)", "Replay", "Ctrl+A", mediaControl(8)),
        item("ControlMnu", "ReverseMnu", "Pre-Roll and play", "Ctrl+B",
             [](DataFrm& f) { f.ReverseMnu_Click(); }),
        item("ControlMnu", "ADdMarkStopMnu", "Add - Mark - Stop", "Ctrl+X",
             [](DataFrm& f) { f.ADdMarkStopMnu_Click(); }),
        separator("ControlMnu", "sep21"),
        item("ControlMnu", "HalfSpeedMnu", "Three Quarter Speed", "F5",
             [](DataFrm& f) { f.HalfSpeedMnu_Click(); }),
        item("ControlMnu", "BackwardsMnu", "Jump Backwards", "F6",
             [](DataFrm& f) { f.BackwardsMnu_Click(); }),
        item("ControlMnu", "MuteMnu", "Mute", "F9", [](DataFrm& f) { f.MuteMnu_Click(); }),

        item("s3", "FilterMnu", "&Filter Rows...", "", [](DataFrm& f) { f.FilterMnu_Click(); }),
        item("s3", "AddRowsMnu", "&Add Rows...", "", [](DataFrm& f) { f.AddRowsMnu_Click(); }),
        item("s3", "SortMnu", "&Sort Rows...", "", [](DataFrm& f) { f.SortMnu_Click(); }),
        item("s3", "SortByTimeMnu", "Sort Data Grid by Time", "F12",
             [](DataFrm& f) { f.SortByTimeMnu_Click(); }),
        separator("s3", "sep5"),
        item("s3", "ShowCodesMnu", "Show Loaded Code File", "Ctrl+L",
             [](DataFrm& f) { f.ShowCodesMnu_Click(); }),
        item("s3", "AdjustGridMnu", "Adjust Data Grid for Current Codes and Settings", "Ctrl+J",
             [](DataFrm& f) { f.AdjustGridMnu_Click(); }),
        item("s3", "FillInMnu", "Fill in Initial Codes", "Ctrl+I", [](DataFrm& f) { f.FillInMnu_Click(); }),
        item("s3", "DataCleanupMnu", "Adjust Codes/Descriptions To Current Display Options", "",
             [](DataFrm& f) { f.DataCleanupMnu_Click(); }),
        item("s3", "Cnvrtmnu", "Convert All Times to Current Time Format", "",
             [](DataFrm& f) { f.Cnvrtmnu_Click(); }),
        separator("s3", "sep6"),
        item("s3", "grdMnu(0)", "Delete current row", "Ctrl+K", [](DataFrm& f) { f.grdMnu_Click(0); }),
        item("s3", "grdMnu(1)", "Insert a Row", "Ctrl+N", [](DataFrm& f) { f.grdMnu_Click(1); }),
        item("s3", "grdMnu(2)", "Add a Row", "Ctrl+M", [](DataFrm& f) { f.grdMnu_Click(2); }),
        item("s3", "grdMnu(3)", "Delete Selected Rows", "", [](DataFrm& f) { f.grdMnu_Click(3); }),
        item("s3", "HideColsMnu", "Hide Selected Columns", "Ctrl+H",
             [](DataFrm& f) { f.HideColsMnu_Click(); }),
        submenu("s3", "GridSel0", "Grid Selection Mode"),
        subitem("s3", "GridSel0", "gridsel(0)", "Select Rows", "F2", [](DataFrm& f) { f.gridsel_Click(0); }),
        subitem("s3", "GridSel0", "gridsel(1)", "Select Columns", "F3",
                [](DataFrm& f) { f.gridsel_Click(1); }),
        subitem("s3", "GridSel0", "gridsel(2)", "Select Ranges", "F4",
                [](DataFrm& f) { f.gridsel_Click(2); }),
    };
}

} // namespace

const std::vector<DataFrmMenuItem>& dataFrmMenuItems() {
    static const std::vector<DataFrmMenuItem> items = buildItems();
    return items;
}

const std::vector<ToolbarButton>& toolbarButtons() {
    static const std::vector<ToolbarButton> buttons = {
        {kCmdSave, "Save", "Saves the current file"},
        {kCmdExport, "Export", "Export File"},
        {3, "", ""},
        {kCmdOpenMedia, "Media", "Selects the associated video file"},
        {kCmdReplay, "Replay", "Plays the selected event"},
        {kCmdSeek, "Seek", "Go to the selected frame"},
        {7, "", ""},
        {kCmdDeleteRow, "Delete", "Delete Current Row"},
        {kCmdInsertRow, "Insert", "Insert a Row"},
        {kCmdMark, "Mark", "Set time mark for this row"},
        {kCmdAppendRow, "Add Row", "Add a row to the data file"},
    };
    return buttons;
}

} // namespace vc
