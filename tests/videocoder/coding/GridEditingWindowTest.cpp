// The grid-editing items in the coding window as the program wires them: its menu items, the
// real sort and filter dialogs shown through the scripted platform, the grid as drawn.
#include "CodingWindowRig.h"
#include "videocoder/coding/GridEditingItems.h"
#include "videocoder/core/windows/FilterFrm.h"
#include "videocoder/core/windows/SortFrm.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <gtest/gtest.h>

namespace {

struct WiredRig {
    vctest::CodingWindowRig rig;
    vc::GridEditingItems items{rig.dataFrm, rig.sim.scripted.platform, windows()};

    WiredRig() {
        items.wireInto(rig.dataFrm.later());
        rig.openStudy();
    }
    vc::GridEditWindows windows() {
        vc::GridEditWindows shown;
        shown.showSortFrm = [this] {
            vc::SortFrm sortFrm(rig.g.coding);
            rig.dialogs.showModal(sortFrm);
        };
        shown.showFilterFrm = [this] {
            vc::FilterFrm filterFrm(rig.g.coding);
            rig.dialogs.showModal(filterFrm);
        };
        return shown;
    }
    void trigger(const std::string& item) { rig.window.menuItem(item)->trigger(); }
    QTableView* grid() { return rig.window.FG1(); }
};

template <class W> W* child(QDialog& dialog, const char* name) {
    return dialog.findChild<W*>(QString::fromLatin1(name));
}

TEST(GridEditingWindow, TheFilterHidesRowsAndItsItemTurnsItOffAgain) {
    WiredRig w;
    w.rig.dialogs.modalHandlers.push_back([](QDialog& shown) {
        child<QLineEdit>(shown, "Text1")->setText("Q");
        child<QRadioButton>(shown, "Option1_0")->setChecked(true); // "Are shown"
        child<QPushButton>(shown, "Command1")->click();
    });
    w.trigger("FilterMnu");
    EXPECT_EQ(w.rig.dialogs.modalShown, std::vector<std::string>{"FilterFrm"});
    EXPECT_TRUE(w.grid()->isRowHidden(0));
    EXPECT_FALSE(w.grid()->isRowHidden(1));
    QAction* item = w.rig.window.menuItem("FilterMnu");
    EXPECT_EQ(item->text(), "Turn of Filtering");
    EXPECT_TRUE(item->isChecked());

    w.trigger("FilterMnu"); // the click toggles the mark itself; the filter goes off all the same
    EXPECT_FALSE(w.grid()->isRowHidden(0));
    EXPECT_EQ(item->text(), "Filter Rows...");
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(w.rig.dialogs.modalShown.size(), 1u);

    w.rig.dialogs.modalHandlers.push_back(
        [](QDialog& shown) { child<QPushButton>(shown, "Command2")->click(); });
    w.trigger("FilterMnu"); // Cancel: no filter, no mark
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(item->text(), "Filter Rows...");
}

TEST(GridEditingWindow, TheSortDialogsKeysSortTheRows) {
    WiredRig w;
    w.rig.dialogs.modalHandlers.push_back([](QDialog& shown) {
        child<QComboBox>(shown, "Combo1_0")->setCurrentIndex(3); // Group 2, ascending
        child<QPushButton>(shown, "Command1")->click();
    });
    w.trigger("SortMnu");
    EXPECT_EQ(w.rig.g.data.gData.at(4, 1).asText(), "Q");
    EXPECT_EQ(w.rig.g.data.gData.at(1, 1).asText(), "00:00:06.00");
    w.trigger("SortByTimeMnu");
    EXPECT_EQ(w.rig.g.data.gData.at(4, 1).asText(), "T");
    EXPECT_TRUE(w.rig.newBoxes().empty());
}

TEST(GridEditingWindow, HideSelectedColumnsThenGiveThemBack) {
    WiredRig w;
    w.rig.dataFrm.setCol(3);
    w.trigger("HideColsMnu");
    EXPECT_TRUE(w.grid()->isColumnHidden(3));
    EXPECT_EQ(w.rig.window.menuItem("HideColsMnu")->text(), "Un-Hide Columns");
    w.trigger("HideColsMnu");
    EXPECT_FALSE(w.grid()->isColumnHidden(3));
    EXPECT_EQ(w.rig.window.menuItem("HideColsMnu")->text(), "Hide Selected Columns");
}

} // namespace
