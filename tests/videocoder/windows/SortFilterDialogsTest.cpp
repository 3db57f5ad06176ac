#include "support/ScriptedPlatform.h"
#include "videocoder/core/Globals.h"
#include "videocoder/core/windows/FilterFrm.h"
#include "videocoder/core/windows/SortFrm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <optional>

namespace {

template <class W> W* child(QDialog& dialog, const char* name) {
    W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

TEST(SortFrm, OffersTimeAndGroupsZeroToNineForBothKeys) {
    vc::CodingState coding;
    vc::SortFrm sortFrm(coding);
    EXPECT_EQ(sortFrm.windowTitle(), "Sort Data");
    EXPECT_EQ(child<QGroupBox>(sortFrm, "Frame1")->title(), "Sort By");
    EXPECT_EQ(child<QGroupBox>(sortFrm, "Frame2")->title(), "Then By");
    for (const char* name : {"Combo1_0", "Combo1_1"}) {
        QComboBox* combo = child<QComboBox>(sortFrm, name);
        ASSERT_EQ(combo->count(), 11);
        EXPECT_EQ(combo->itemText(0), "Time");
        EXPECT_EQ(combo->itemText(1), "Group 0");
        EXPECT_EQ(combo->itemText(10), "Group 9");
        EXPECT_EQ(combo->currentIndex(), -1);
    }
    EXPECT_EQ(child<QRadioButton>(sortFrm, "Option1_3")->text(), "Descending");
}

// Shown as the coding window shows it: the person picks, then presses a button.
struct SortCase {
    const char* name;
    int first, second;          // list indexes, -1 none
    bool firstDown, secondDown; // "Descending"
    bool ok;
    std::optional<double> key1, key2;
};

TEST(SortFrm, OkSetsSignedKeysAndCancelNone) {
    const SortCase cases[] = {
        {"group 2 down, then time", 3, 0, true, false, true, -4, 1},
        {"time, then group 0 down", 0, 1, false, true, true, 1, -2},
        {"nothing chosen", -1, -1, true, true, true, 0, 0},
        {"cancel", 3, 0, false, false, false, std::nullopt, std::nullopt},
    };
    for (const SortCase& c : cases) {
        testsupport::ScriptedDialogs dialogs;
        vc::CodingState coding;
        dialogs.modalHandlers.push_back([&](QDialog& shown) {
            child<QComboBox>(shown, "Combo1_0")->setCurrentIndex(c.first);
            child<QComboBox>(shown, "Combo1_1")->setCurrentIndex(c.second);
            child<QRadioButton>(shown, c.firstDown ? "Option1_1" : "Option1_0")->setChecked(true);
            child<QRadioButton>(shown, c.secondDown ? "Option1_3" : "Option1_2")->setChecked(true);
            child<QPushButton>(shown, c.ok ? "Command1" : "Command2")->click();
        });
        vc::SortFrm sortFrm(coding);
        dialogs.showModal(sortFrm);
        EXPECT_EQ(dialogs.modalShown, std::vector<std::string>{"SortFrm"});
        EXPECT_EQ(coding.gSortKey1, c.key1) << c.name;
        EXPECT_EQ(coding.gSortKey2, c.key2) << c.name;
    }
}

TEST(FilterFrm, OkTakesTheStringAndModeCancelEmptiesTheString) {
    testsupport::ScriptedDialogs dialogs;
    vc::CodingState coding;
    dialogs.modalHandlers.push_back([](QDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), "Filter Data");
        EXPECT_EQ(child<QGroupBox>(shown, "Frame1")->title(), "Rows with string");
        EXPECT_EQ(shown.focusWidget(), child<QLineEdit>(shown, "Text1"));
        child<QLineEdit>(shown, "Text1")->setText("xy");
        child<QRadioButton>(shown, "Option1_1")->setChecked(true);
        child<QPushButton>(shown, "Command1")->click();
    });
    vc::FilterFrm first(coding);
    dialogs.showModal(first);
    EXPECT_EQ(coding.gFilterText, "xy");
    EXPECT_EQ(coding.gFilterMode, vc::kTrue);

    dialogs.modalHandlers.push_back([](QDialog& shown) {
        child<QLineEdit>(shown, "Text1")->setText("ab");
        child<QPushButton>(shown, "Command2")->click();
    });
    vc::FilterFrm second(coding);
    dialogs.showModal(second);
    EXPECT_EQ(coding.gFilterText, "");
}

TEST(SortAndFilterFrm, CentreThemselvesOnTheScreen) {
    vc::CodingState coding;
    vc::SortFrm sortFrm(coding);
    vc::FilterFrm filterFrm(coding);
    for (QDialog* dialog : {static_cast<QDialog*>(&sortFrm), static_cast<QDialog*>(&filterFrm)}) {
        dialog->show();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect frame = dialog->frameGeometry();
        EXPECT_NEAR(frame.center().x(), screen.center().x(), 2);
        EXPECT_NEAR(frame.center().y(), screen.center().y(), 2);
        dialog->hide();
    }
}

} // namespace
