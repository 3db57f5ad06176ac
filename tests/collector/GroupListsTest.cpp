// The group lists: which list holds which group, the initial lines of the first start,
// lists following typed codes, picks, and the code sets the lists refuse.
#include "collector/CollectorRig.h"

#include <gtest/gtest.h>

namespace collector {
namespace {

std::vector<std::string> shownLists(const GroupLists& lists) {
    std::vector<std::string> shown;
    for (int k = 1; k <= kGroupLists; ++k) {
        const GroupList& list = lists.list(k);
        if (list.shown) {
            std::string line = std::to_string(lists.LevelList[k]) + ":";
            for (const std::string& item : list.items) {
                line += " " + item;
            }
            shown.push_back(line + " [" + list.shownText() + "]");
        }
    }
    return shown;
}

CollectorRig& started(CollectorRig& rig) {
    rig.session.Form_Load();
    rig.newFile("kid.eve", "H");
    rig.session.TimerStart_Click();
    return rig;
}

TEST(GroupLists, OneListPerGroupInAscendingOrderWithCodesInTableOrder) {
    CollectorRig rig;
    rig.useCodes({{"C1", 3}, {"A1", 1}, {"B1", 2}, {"A2", 1}, {"C2", 3}});
    rig.session.Form_Load();
    EXPECT_EQ(shownLists(rig.session.lists()),
              (std::vector<std::string>{"1: A1 A2 [A1]", "2: B1 [B1]", "3: C1 C2 [C1]"}));
    EXPECT_EQ(rig.session.lists().list(2).top, 1010);
}

TEST(GroupLists, TheTenthListHasAPlaceOfItsOwn) {
    CollectorRig rig;
    std::vector<std::pair<std::string, int>> codes;
    for (int group = 1; group <= 10; ++group) {
        codes.push_back({"G" + std::to_string(group), group});
    }
    rig.useCodes(codes);
    started(rig);
    const GroupLists& lists = rig.session.lists();
    for (int k = 1; k < kGroupLists; ++k) {
        EXPECT_FALSE(lists.list(k).left == lists.list(10).left && lists.list(k).top == lists.list(10).top)
            << k;
    }
    EXPECT_EQ(lists.list(7).left, 7320);
    EXPECT_EQ(lists.list(7).top, 510);
    rig.type("G9");
    rig.enter();
    EXPECT_EQ(lists.list(9).shownText(), "G9");
}

TEST(GroupLists, FirstStartWritesEachGroupsCodeButNotGroupZeros) {
    CollectorRig rig;
    rig.useCodes({{"Z", 0}, {"A1", 1}, {"A2", 1}, {"B1", 2}});
    rig.session.Form_Load();
    rig.newFile("kid.eve", "H");
    rig.session.pick(2, 1); // a pick before the start only changes what the start writes
    rig.session.TimerStart_Click();
    EXPECT_EQ(rig.text1.text(), "Events\r\nH\r\nA2,0\r\nB1,0\r\n");
}

TEST(GroupLists, TypedCodesMoveTheirListWithoutASecondLineAndPicksWriteOne) {
    CollectorRig rig;
    rig.useCodes({{"A1", 1}, {"A2", 1}, {"B1", 2}, {"A2", 2}, {"B2", 2}});
    started(rig);
    rig.at(4);
    rig.type("A2"); // listed twice: the first row's group decides
    rig.enter();
    rig.type("Nope");
    rig.enter();
    rig.at(9);
    rig.session.pick(2, 2);
    EXPECT_EQ(rig.text1.text(), "Events\r\nH\r\nA1,0\r\nB1,0\r\nA2,4\r\nNope,4\r\nB2,9\r\n");
    EXPECT_EQ(shownLists(rig.session.lists()),
              (std::vector<std::string>{"1: A1 A2 [A2]", "2: B1 A2 B2 [B2]"}));
}

TEST(GroupLists, RefusedCodeSetsShowNoListAndTypingStillWorks) {
    struct Case {
        std::vector<std::pair<std::string, int>> codes;
        std::vector<std::string> boxes;
    };
    std::vector<std::pair<std::string, int>> eleven;
    for (int group = 0; group <= 10; ++group) {
        eleven.push_back({"G" + std::to_string(group), group});
    }
    const std::vector<Case> cases = {{{}, {}},
                                     {eleven, {"TALVOR|Can only have 10 levels, fix the Code file"}},
                                     {{{"A", 1}, {"B", 99999}}, {"TALVOR|1 Overflow getting unique levels"}}};
    for (const Case& c : cases) {
        CollectorRig rig;
        rig.useCodes(c.codes);
        rig.session.Form_Load();
        EXPECT_EQ(rig.boxTexts(), c.boxes);
        EXPECT_TRUE(shownLists(rig.session.lists()).empty());
        rig.newFile("kid.eve", "H");
        rig.session.TimerStart_Click();
        rig.type("G3");
        rig.enter();
        EXPECT_EQ(rig.text1.text(), "Events\r\nH\r\nG3,0\r\n");
    }
}

} // namespace
} // namespace collector
