// The options dialog offscreen: its pages, the controls it never shows, the tab keys, clicks
// that show other controls, OK and a refusal.
#include "videocoder/core/windows/frmOptions.h"
#include "support/ScriptedPlatform.h"
#include "videocoder/core/windows/OptionsWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Coder {
    testsupport::ScriptedPlatform platform;
    vc::Globals g;
    struct NoWindow : vc::CodingWindowPort {
        void load() override {}
        void refresh() override {}
        void autoSize(int, int) override {}
        void setCodeList(const std::vector<std::string>&) override {}
        void setAutoSave(bool, int) override {}
        void ControlSub(int) override {}
        void setCaption(const std::string&) override {}
        void show() override {}
        void unload() override {}
    } port;
    vc::CodingWindowModel dataFrm{port};
    vc::GroupDescriptions groups;
    int refreshes = 0;
    vc::CoderLinks links{platform.dialogs, dataFrm, groups, [this] { ++refreshes; }};
    vc::OptionsWindow options{g, links, platform.platform};
    vc::MainFrmLinks windows;

    Coder() { options.wireInto(windows); }
    template <class W> W* find(QDialog& d, const char* name) { return d.findChild<W*>(name); }
};

TEST(FrmOptions, PagesHiddenControlsAndTabKeys) {
    Coder c;
    c.platform.settings.values[{"Vintrosa", "Data Settings", "gQKMode"}] = "False";
    std::vector<std::string> seen;
    c.platform.dialogs.modalHandlers.push_back([&](QDialog& d) {
        seen.push_back(d.windowTitle().toStdString());
        auto* tabs = c.find<QTabWidget>(d, "tbsOptions");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            seen.push_back(tabs->tabText(tab).toStdString() + "|" + tabs->tabToolTip(tab).toStdString());
        }
        for (const char* never : {"Option1(2)", "Option1(3)", "Check10", "Check8", "Combo1"}) {
            EXPECT_TRUE(c.find<QWidget>(d, never)->isHidden()) << never;
        }
        auto* field = c.find<QLineEdit>(d, "Text1");
        d.show();
        field->setFocus();
        std::vector<int> pages;
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(field, key, modifiers);
            pages.push_back(tabs->currentIndex());
        };
        press(Qt::Key_Tab, Qt::ControlModifier);
        press(Qt::Key_Tab, Qt::ControlModifier);
        press(Qt::Key_Tab, Qt::ControlModifier);
        press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        press(Qt::Key_PageDown, Qt::ControlModifier);
        press(Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier);
        EXPECT_EQ(pages, (std::vector<int>{1, 2, 0, 0, 0, 0}));

        auto* quickKeys = c.find<QCheckBox>(d, "Check1");
        quickKeys->click();
        EXPECT_FALSE(c.find<QWidget>(d, "Check8")->isHidden());
        EXPECT_FALSE(c.find<QWidget>(d, "Combo1")->isHidden());
        d.reject();
    });
    c.windows.showOptions();
    EXPECT_EQ(c.platform.dialogs.modalShown, std::vector<std::string>{"frmOptions"});
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "Vintrosa Options", "Media Control Options|Set Options for Video Control",
                        "Data Options|Set Options for Data Display", "Export Options|"}));
    EXPECT_EQ(c.g.settings.gQKMode, vc::kFalse) << "Cancel applies nothing";
}

TEST(FrmOptions, OkAppliesStoresAndRefreshesWithDataAndRefusesABadFrameRate) {
    Coder c;
    c.g.open.gDataOpen = vc::kTrue;
    bool openAfterRefusal = false;
    c.platform.dialogs.modalHandlers.push_back([&](QDialog& d) {
        c.find<QLineEdit>(d, "Text1")->setText("fast");
        c.find<QLineEdit>(d, "Text2(0)")->setText("6");
        c.find<QRadioButton>(d, "Option4(1)")->click();
        c.find<QPushButton>(d, "cmdOK")->click();
        openAfterRefusal = d.result() != QDialog::Accepted;
        EXPECT_EQ(c.find<QLineEdit>(d, "Text1")->text(), "fast");
        c.find<QLineEdit>(d, "Text1")->setText("25");
        c.find<QPushButton>(d, "cmdOK")->click();
    });
    c.windows.showOptions();
    EXPECT_TRUE(openAfterRefusal);
    ASSERT_EQ(c.platform.dialogs.boxes.size(), 1u);
    EXPECT_EQ(c.g.settings.FrameRate, 25);
    EXPECT_EQ(c.g.settings.PreRoll, 6);
    EXPECT_EQ(c.g.settings.PlayerSelection, 1);
    EXPECT_EQ((c.platform.settings.values[{"Vintrosa", "Video Settings", "PreRoll"}]), "6");
    EXPECT_EQ(c.refreshes, 1);
}

} // namespace
