#pragma once
// The coding window's menus and toolbar as data: what each item is called, where it sits,
// its shortcut and what it runs. The window builds its menu bar and toolbar from these, and
// tests walk them.

#include <functional>
#include <string>
#include <vector>

namespace vc {

class DataFrm;

struct DataFrmMenu {
    std::string name;    // the menu's control
    std::string caption; // on the menu bar
    bool visible = true;
};

struct DataFrmMenuItem {
    std::string menu;    // the DataFrmMenu it sits in
    std::string submenu; // "" or the submenu item it sits in
    std::string name;    // its control: "SaveMnu", "Command(0)", "gridsel(2)"
    std::string caption; // "-" for a separator
    std::string shortcut;
    // Runs the item; empty for separators, submenus and the items without a handler.
    std::function<void(DataFrm&)> click;
    bool opensSubmenu = false;
};

struct ToolbarButton {
    int index = 0;       // from 1, separators counted; a click sends this command
    std::string caption; // "" for a separator
    std::string toolTip;
};

const std::vector<DataFrmMenu>& dataFrmMenus();
// In the order they appear, menu by menu.
const std::vector<DataFrmMenuItem>& dataFrmMenuItems();
const std::vector<ToolbarButton>& toolbarButtons();

} // namespace vc
