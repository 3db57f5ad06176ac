// Quick keys and the grid's other keys through the key adapter, on the simulated players
// and the scripted platform.
#include "KeyRigs.h"
#include "KeyUpGap.h"
#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"
#include "videocoder/coding/GridKeys.h"
#include "videocoder/coding/windows/GridKeyAdapter.h"
#include "videocoder/core/DataFile.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTableView>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using platform::Answer;

struct Code {
    const char* code;
    const char* description;
    int group;
};

const std::vector<Code> kCodes{{"A1", "Arm up", 2}, {"AB", "Away", 5},   {"B", "Bye", 0},
                               {"", "blank", 1},    {"a", "at rest", 1}, {"\xc3\xa9t\xc3\xa9", "summer", 3},
                               {"p", "points", 4}};

struct KeyRig : vctest::CodingRig {
    KeyRig() {
        g.settings.gQKMode = vc::kTrue;
        g.settings.gQKGroup = -1;
        setCodes(kCodes);
        setRows({{"00:00:01.00"}});
        players[vc::PlayerKind::MediaWindow].setPosition(2.5);
        model.setRowCount(3);
        model.setColumnCount(3);
        view.setModel(&model);
        view.setEditTriggers(QAbstractItemView::AnyKeyPressed);
    }
    void setCodes(const std::vector<Code>& codes) {
        g.codeSet.gCodes.reset(vc::kCodeFields, static_cast<int>(codes.size()));
        g.codeSet.gCodeCount = static_cast<int>(codes.size());
        for (std::size_t i = 0; i < codes.size(); ++i) {
            const int row = static_cast<int>(i) + 1;
            g.codeSet.gCodes.at(1, row) = textfile::Value::ofText(codes[i].code);
            g.codeSet.gCodes.at(2, row) = textfile::Value::ofText(codes[i].description);
            g.codeSet.gCodes.at(3, row) = textfile::Value::ofNumber(codes[i].group);
        }
    }
    // Every row of gData as its filled cells, "column:text" joined by blanks.
    std::vector<std::string> rows() const {
        std::vector<std::string> out;
        for (int r = 1; r <= g.data.gData.rows(); ++r) {
            std::string line;
            for (int c = 1; c <= vc::kDataColumns; ++c) {
                const std::string text = cell(c, r);
                if (!text.empty()) {
                    line += (line.empty() ? "" : " ") + std::to_string(c) + ":" + text;
                }
            }
            out.push_back(line);
        }
        return out;
    }
    // Presses and releases through the view's adapter; true when the press reached the view.
    bool press(int key, Qt::KeyboardModifiers modifiers, const QString& text, quint64 timestamp = 0) {
        return send(QEvent::KeyPress, key, modifiers, text, false, timestamp);
    }
    // The key-up follows once the release is known to be no auto-repeat's.
    void release(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
        send(QEvent::KeyRelease, key, modifiers, text, false, 0);
        vctest::waitOutKeyUpGap();
    }
    // An auto-repeat: a release and a press at one moment, marked by Qt or not.
    void repeat(int key, Qt::KeyboardModifiers modifiers, const QString& text, bool marked,
                quint64 timestamp) {
        send(QEvent::KeyRelease, key, modifiers, text, marked, timestamp);
        send(QEvent::KeyPress, key, modifiers, text, marked, timestamp);
    }
    bool send(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, const QString& text,
              bool autoRepeat, quint64 timestamp) {
        QKeyEvent event(type, key, modifiers, text, autoRepeat);
        event.setTimestamp(timestamp);
        return !adapter.eventFilter(&view, &event);
    }
    bool type(int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const bool reached = press(key, modifiers, text);
        release(key, modifiers, text);
        return reached;
    }

    std::vector<int> sent;
    testsupport::RecordingClipboard& clipboard = scripted.clipboard;
    vc::GridKeys keys{g, grid, scripted.dialogs, clipboard, keyCommands(sent)};
    QStandardItemModel model;
    QTableView view;
    vc::GridKeyAdapter adapter{view, keys};
};

struct QuickKeyCase {
    const char* name;
    std::function<void(KeyRig&)> arrange;
    int key;
    const char* text;
    bool reachesView;
    std::vector<std::string> rows;
    std::vector<int> commands;
    const char* box; // "" none
};

class QuickKeys : public ::testing::TestWithParam<QuickKeyCase> {};

TEST_P(QuickKeys, CodeTheKeyIntoRows) {
    const QuickKeyCase& c = GetParam();
    KeyRig rig;
    if (c.arrange) {
        c.arrange(rig);
    }
    EXPECT_EQ(rig.type(c.key, QString::fromUtf8(c.text)), c.reachesView);
    EXPECT_EQ(rig.rows(), c.rows);
    EXPECT_EQ(rig.sent, c.commands);
    if (*c.box) {
        ASSERT_EQ(rig.scripted.dialogs.boxes.size(), 1u);
        EXPECT_EQ(rig.scripted.dialogs.boxes[0].text, c.box);
        EXPECT_EQ(rig.scripted.dialogs.boxes[0].title, "VTRS Error");
        EXPECT_EQ(rig.scripted.dialogs.boxes[0].icon, platform::Icon::Exclamation);
    } else {
        EXPECT_TRUE(rig.scripted.dialogs.boxes.empty()) << rig.scripted.dialogs.boxes[0].text;
    }
}

const std::string kFirst = "1:00:00:01.00";
const std::string kAt = "1:00:00:02.50";

void threeRows(KeyRig& rig) {
    rig.setRows({{"00:00:01.00"}, {"00:00:02.00"}, {"00:00:03.00"}});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuickKeys,
    ::testing::Values(QuickKeyCase{"AnyGroupGivesARowPerCode",
                                   {},
                                   Qt::Key_A,
                                   "A",
                                   false,
                                   {kFirst, kAt + " 4:A1", kAt + " 7:AB"},
                                   {},
                                   ""},
                      QuickKeyCase{"OneGroup",
                                   [](KeyRig& r) { r.g.settings.gQKGroup = 5; },
                                   Qt::Key_A,
                                   "A",
                                   false,
                                   {kFirst, kAt + " 7:AB"},
                                   {},
                                   ""},
                      QuickKeyCase{"Descriptions",
                                   [](KeyRig& r) { r.g.settings.gEditInCell = 3; },
                                   Qt::Key_B,
                                   "B",
                                   false,
                                   {kFirst, kAt + " 2:Bye"},
                                   {},
                                   ""},
                      QuickKeyCase{"CaseMatters", {}, Qt::Key_B, "b", false, {kFirst}, {}, ""},
                      QuickKeyCase{"BeyondAscii",
                                   {},
                                   Qt::Key_Eacute,
                                   "\xc3\xa9",
                                   false,
                                   {kFirst, kAt + " 5:\xc3\xa9t\xc3\xa9"},
                                   {},
                                   ""},
                      QuickKeyCase{"PauseAfterTheRows",
                                   [](KeyRig& r) { r.g.settings.gQKPause = vc::kTrue; },
                                   Qt::Key_B,
                                   "B",
                                   false,
                                   {kFirst, kAt + " 2:B"},
                                   {101},
                                   ""},
                      QuickKeyCase{"NoMatchStillPauses",
                                   [](KeyRig& r) { r.g.settings.gQKPause = vc::kTrue; },
                                   Qt::Key_Z,
                                   "z",
                                   false,
                                   {kFirst},
                                   {101},
                                   ""},
                      QuickKeyCase{"NoCodeSet",
                                   [](KeyRig& r) {
                                       r.setCodes({});
                                       r.g.codeSet.gCodeCount = 0;
                                       r.g.settings.gQKPause = vc::kTrue;
                                   },
                                   Qt::Key_A,
                                   "A",
                                   false,
                                   {kFirst},
                                   {101},
                                   ""},
                      QuickKeyCase{"NoMediaEditsTheCell",
                                   [](KeyRig& r) { r.g.open.gVideoOpen = vc::kFalse; },
                                   Qt::Key_A,
                                   "A",
                                   true,
                                   {kFirst},
                                   {},
                                   ""},
                      QuickKeyCase{"QuickKeysOffEditTheCell",
                                   [](KeyRig& r) { r.g.settings.gQKMode = vc::kFalse; },
                                   Qt::Key_A,
                                   "A",
                                   true,
                                   {kFirst},
                                   {},
                                   ""},
                      QuickKeyCase{"InsertAfterTheCurrentRow",
                                   [](KeyRig& r) {
                                       threeRows(r);
                                       r.g.settings.gQKInsert = vc::kTrue;
                                       r.g.settings.gQKGroup = 0;
                                   },
                                   Qt::Key_B,
                                   "B",
                                   false,
                                   {kFirst, kAt + " 2:B", "1:00:00:02.00", "1:00:00:03.00"},
                                   {9},
                                   ""},
                      QuickKeyCase{"InsertOnTheLastRowAppends",
                                   [](KeyRig& r) {
                                       threeRows(r);
                                       r.grid.row = 3;
                                       r.g.settings.gQKInsert = vc::kTrue;
                                   },
                                   Qt::Key_B,
                                   "B",
                                   false,
                                   {kFirst, "1:00:00:02.00", "1:00:00:03.00", kAt + " 2:B"},
                                   {},
                                   ""},
                      QuickKeyCase{"GroupOutOfRangeKeepsEarlierRows",
                                   [](KeyRig& r) {
                                       r.setCodes({{"Z1", "fine", 1}, {"Z2", "too far", 49}});
                                   },
                                   Qt::Key_Z,
                                   "Z",
                                   false,
                                   {kFirst, kAt + " 3:Z1", ""},
                                   {},
                                   "Error in QKMode:Subscript out of range"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuickKeyEntry, InsertWithAnyGroupMovesTheSelectionToTheLastRow) {
    for (const int group : {-1, 0}) {
        KeyRig rig;
        threeRows(rig);
        rig.g.settings.gQKInsert = vc::kTrue;
        rig.g.settings.gQKGroup = static_cast<std::int16_t>(group);
        rig.type(Qt::Key_B, "B");
        EXPECT_EQ(rig.grid.row, group == -1 ? 4 : 2);
    }
}

TEST(QuickKeyEntry, AppendSelectsTheNewLastRowAtColumnOne) {
    KeyRig rig;
    rig.type(Qt::Key_B, "B");
    EXPECT_EQ(rig.grid.calls.back(), "Select 2 1");
}

struct UpDownCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    std::int16_t editInCell;
    std::vector<std::string> rows;
};

class KeyDownUp : public ::testing::TestWithParam<UpDownCase> {};

// The key goes down at 1 s of play, repeats (Qt marking only some of the repeats), and
// comes up at 3 s; its key-up, raised a moment later, still stamps 3 s.
TEST_P(KeyDownUp, OneOnsetAtThePressAndOneOffsetAtTheRelease) {
    const UpDownCase& c = GetParam();
    KeyRig rig;
    rig.g.settings.gQKUpDown = vc::kTrue;
    rig.g.settings.gEditInCell = c.editInCell;
    auto& player = rig.players[vc::PlayerKind::MediaWindow];
    player.setPosition(0);
    player.play();
    rig.scripted.clock.monotonic = 1.0;
    // A key that types a character never reaches the view; F1 types none and goes on.
    const QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(rig.press(c.key, c.modifiers, text, 1000), *c.text == '\0');
    EXPECT_EQ(rig.g.coding.gKeyDownCoded, vc::kTrue);
    for (int i = 1; i <= 20; ++i) {
        rig.scripted.clock.monotonic += 0.1;
        rig.repeat(c.key, c.modifiers, text, i % 3 == 0, 1000 + 100 * i);
    }
    rig.send(QEvent::KeyRelease, c.key, c.modifiers, text, false, 3100);
    rig.scripted.clock.monotonic += 0.5; // the clip plays on while the key-up waits
    vctest::waitOutKeyUpGap();
    EXPECT_EQ(rig.rows(), c.rows);
    EXPECT_EQ(rig.g.coding.gKeyDownCoded, vc::kFalse);
}

INSTANTIATE_TEST_SUITE_P(Cases, KeyDownUp,
                         ::testing::Values(UpDownCase{"LetterMatchesLowerCase",
                                                      Qt::Key_A,
                                                      Qt::NoModifier,
                                                      "a",
                                                      0,
                                                      {kFirst, "1:00:00:01.00 3:a", "1:00:00:03.00 3:af"}},
                                           UpDownCase{"ShiftedLetterStillLowerCase",
                                                      Qt::Key_A,
                                                      Qt::ShiftModifier,
                                                      "A",
                                                      0,
                                                      {kFirst, "1:00:00:01.00 3:a", "1:00:00:03.00 3:af"}},
                                           UpDownCase{"KeypadOneIsA",
                                                      Qt::Key_1,
                                                      Qt::KeypadModifier,
                                                      "1",
                                                      0,
                                                      {kFirst, "1:00:00:01.00 3:a", "1:00:00:03.00 3:af"}},
                                           UpDownCase{"FunctionKeyOneIsP",
                                                      Qt::Key_F1,
                                                      Qt::NoModifier,
                                                      "",
                                                      0,
                                                      {kFirst, "1:00:00:01.00 6:p", "1:00:00:03.00 6:pf"}},
                                           UpDownCase{"DescriptionsEndInOff",
                                                      Qt::Key_A,
                                                      Qt::NoModifier,
                                                      "a",
                                                      3,
                                                      {kFirst, "1:00:00:01.00 3:at rest",
                                                       "1:00:00:03.00 3:at rest off"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyDownUpCoding, AKeyHeldWhenABoxTakesTheFocusComesUpThen) {
    KeyRig rig;
    rig.g.settings.gQKUpDown = vc::kTrue;
    rig.press(Qt::Key_A, Qt::NoModifier, "a");
    QFocusEvent focusOut(QEvent::FocusOut);
    rig.adapter.eventFilter(&rig.view, &focusOut);
    EXPECT_EQ(rig.g.coding.gKeyDownCoded, vc::kFalse);
    EXPECT_EQ(rig.rows(), (std::vector<std::string>{kFirst, kAt + " 3:a", kAt + " 3:af"}));
    rig.release(Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(rig.g.data.gData.rows(), 3) << "the late release writes nothing";
}

TEST(KeyDownUpCoding, SwitchedOffWhileAKeyIsDownEveryPressIsSwallowedUntilItIsOnAgain) {
    KeyRig rig;
    rig.g.settings.gQKUpDown = vc::kTrue;
    rig.press(Qt::Key_A, Qt::NoModifier, "a");
    rig.g.settings.gQKUpDown = vc::kFalse;
    rig.release(Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(rig.g.coding.gKeyDownCoded, vc::kTrue);
    rig.g.settings.gQKMode = vc::kFalse;
    EXPECT_FALSE(rig.type(Qt::Key_X, "x")) << "swallowed though quick keys are off";
    rig.g.settings.gQKMode = vc::kTrue;
    rig.g.settings.gQKUpDown = vc::kTrue;
    rig.type(Qt::Key_X, "x");
    EXPECT_EQ(rig.g.coding.gKeyDownCoded, vc::kFalse);
}

// A key at any frame of a playing clip writes a time that the seek command reads back to
// the frame that was on screen, in every player and time form.
class KeyStamping : public ::testing::TestWithParam<std::tuple<vc::PlayerKind, int>> {};

TEST_P(KeyStamping, TheSeekGoesBackToTheFrameOnScreenAtTheKey) {
    const auto [kind, form] = GetParam();
    for (const double frame : {0.0, 2.4, 100.5, 1795.0, 1799.7, 3597.0, 107890.3}) {
        KeyRig rig;
        rig.g.settings.PlayerSelection = static_cast<double>(kind);
        rig.g.settings.FrameDisplay = form;
        auto& player = rig.players[kind];
        player.mediaDuration = 5000;
        player.setPosition(frame * 1001 / 30000.0);
        player.play();
        rig.scripted.clock.monotonic += 0.004; // it plays on a little
        const int32_t shown = player.framePosition();
        rig.press(Qt::Key_B, Qt::NoModifier, "B");
        const std::string text = rig.cell(1, 2);
        player.pause();
        player.setPosition(1.0);
        rig.grid.row = 2;
        rig.commands.ControlSub(6);
        EXPECT_EQ(player.framePosition(), shown) << "frame " << frame << " text " << text;
        EXPECT_TRUE(rig.scripted.dialogs.boxes.empty());
    }
}

std::string stampingName(const ::testing::TestParamInfo<std::tuple<vc::PlayerKind, int>>& info) {
    static const char* const kinds[] = {"Media", "File", "Dvd"};
    return std::string(kinds[static_cast<int>(std::get<0>(info.param))]) + "Form" +
           std::to_string(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(Players, KeyStamping,
                         ::testing::Combine(::testing::Values(vc::PlayerKind::MediaWindow,
                                                              vc::PlayerKind::FileWindow,
                                                              vc::PlayerKind::DvdWindow),
                                            ::testing::Values(0, 1, 2, 3)),
                         stampingName);

// ---- copy, paste, erase, Enter ----

struct ClipRig : KeyRig {
    ClipRig() {
        g.settings.gQKMode = vc::kFalse;
        setRows({{"t1", "a1", "b1"}, {"t2", "a2", "b2"}, {"t3", "a3", "b3"}});
    }
};

TEST(GridKeys, CopyTakesTheSelectionWithTabsAndLineEndsOnlyWithCtrlExactly) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool copies;
    };
    for (const Case& c :
         {Case{Qt::Key_C, Qt::ControlModifier, true}, Case{Qt::Key_Insert, Qt::ControlModifier, true},
          Case{Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier, false},
          Case{Qt::Key_C, Qt::ControlModifier | Qt::AltModifier, false}}) {
        ClipRig rig;
        rig.grid.selection = vc::GridRange{1, 0, 2, 1};
        rig.type(c.key, "", c.modifiers);
        if (c.copies) {
            EXPECT_EQ(rig.clipboard.calls, (std::vector<std::string>{"Clear", "Set t1\ta1\r\nt2\ta2"}));
        } else {
            EXPECT_TRUE(rig.clipboard.calls.empty());
        }
    }
}

TEST(GridKeys, PasteFromTheFirstCellClippedToTheTable) {
    struct Case {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        vc::GridRange at;
        std::string text;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases{
        {"CtrlV",
         Qt::Key_V,
         Qt::ControlModifier,
         {2, 1, 3, 2},
         "x\ty\r\nz\tw",
         {"1:t1 2:a1 3:b1", "1:t2 2:x 3:y", "1:t3 2:z 3:w"}},
        {"ShiftInsertLineFeeds",
         Qt::Key_Insert,
         Qt::ShiftModifier,
         {1, 0, 1, 0},
         "p\nq\n",
         {"1:p 2:a1 3:b1", "1:q 2:a2 3:b2", "1:t3 2:a3 3:b3"}},
        {"LargerThanTheTable",
         Qt::Key_V,
         Qt::ControlModifier,
         {3, 48, 3, 48},
         "u\tv\tw\r\nnew row",
         {"1:t1 2:a1 3:b1", "1:t2 2:a2 3:b2", "1:t3 2:a3 3:b3 49:u 50:v"}},
        {"EmptyCellsClear",
         Qt::Key_V,
         Qt::ControlModifier,
         {1, 1, 1, 1},
         "\t",
         {"1:t1", "1:t2 2:a2 3:b2", "1:t3 2:a3 3:b3"}},
    };
    for (const Case& c : cases) {
        ClipRig rig;
        rig.clipboard.held = c.text;
        rig.grid.selection = c.at;
        EXPECT_FALSE(rig.type(c.key, "", c.modifiers)) << c.name;
        EXPECT_EQ(rig.rows(), c.rows) << c.name;
        EXPECT_EQ(rig.g.data.gData.rows(), 3) << c.name;
    }
    ClipRig rig; // Ctrl+Shift+V is no paste
    rig.clipboard.held = "x";
    rig.type(Qt::Key_V, "", Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(rig.cell(2, 1), "a1");
}

TEST(GridKeys, EraseAsksAndClearsTheSelectionOnYesOnly) {
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        for (const int key : {Qt::Key_Delete, Qt::Key_Backspace}) {
            ClipRig rig;
            rig.grid.selection = vc::GridRange{1, 1, 2, 2};
            rig.scripted.dialogs.answers = {answer};
            EXPECT_FALSE(rig.type(key, ""));
            ASSERT_EQ(rig.scripted.dialogs.boxes.size(), 1u);
            const auto& box = rig.scripted.dialogs.boxes[0];
            EXPECT_EQ(box.text, "Really Erase Selection?  Can't be undone...");
            EXPECT_EQ(box.title, "VTRS");
            EXPECT_EQ(box.buttons, platform::Buttons::YesNo);
            EXPECT_EQ(box.icon, platform::Icon::Exclamation);
            const std::vector<std::string> erased{"1:t1", "1:t2", "1:t3 2:a3 3:b3"};
            const std::vector<std::string> kept{"1:t1 2:a1 3:b1", "1:t2 2:a2 3:b2", "1:t3 2:a3 3:b3"};
            EXPECT_EQ(rig.rows(), answer == Answer::Yes ? erased : kept);
        }
    }
    ClipRig rig; // nothing selected: the current cell
    rig.grid.row = 2;
    rig.grid.col = 2;
    rig.type(Qt::Key_Delete, "");
    EXPECT_EQ(rig.cell(3, 2), "");
    EXPECT_EQ(rig.cell(2, 2), "a2");
}

TEST(GridKeys, EnterInATranscriptMovesRightThenAddsAndStampsARow) {
    ClipRig rig;
    rig.g.data.gDataType = "TRANSCRIPT";
    rig.grid.row = 2;
    rig.grid.col = 1;
    rig.type(Qt::Key_Return, "\r");
    EXPECT_EQ(rig.grid.col, 2);
    EXPECT_TRUE(rig.sent.empty());
    rig.type(Qt::Key_Return, "\r");
    EXPECT_EQ(rig.sent, (std::vector<int>{11, 10}));
    EXPECT_EQ(rig.grid.row, 4);
    EXPECT_EQ(rig.cell(1, 4), "00:00:02.50");

    ClipRig events; // not in an EVENTS file
    events.grid.col = 2;
    events.type(Qt::Key_Return, "\r");
    EXPECT_TRUE(events.sent.empty());
}

// ---- a coded session saved ----

// Key sessions, one folder each under fixtures/coding-keys: input.qvd, case.txt with the quick-key
// settings (updown=1, insert=1, editincell=n) and keys=<+|-><key>@<seconds of play> ... (A-Z
// a letter, k0-k9 a keypad digit, F1-F12), and the bytes expected after the save.
class KeySession : public testsupport::FixtureCase {
protected:
    std::filesystem::path family() const override { return testsupport::fixtureFamily("coding-keys"); }
};

struct ScriptedKey {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

ScriptedKey scriptedKey(const std::string& name) {
    if (name.size() == 2 && name[0] == 'k') {
        return {Qt::Key_0 + (name[1] - '0'), Qt::KeypadModifier, QString(name[1])};
    }
    if (name[0] == 'F') {
        return {Qt::Key_F1 + std::stoi(name.substr(1)) - 1, Qt::NoModifier, {}};
    }
    return {Qt::Key_A + (name[0] - 'A'), Qt::NoModifier, QString(name[0])};
}

TEST_P(KeySession, SavesTheRowsTheKeysWrote) {
    const auto settings = caseSettings();
    testsupport::ScratchFolder scratch;
    const std::string saved = scratch.file("session.qvd");
    textfile::saveFileAtomically(saved, textfile::readWholeFile((folder() / "input.qvd").string()));
    KeyRig rig;
    rig.g.data.gFileName = saved;
    ASSERT_TRUE(vc::OpenDataFile(rig.g, rig.coder));
    rig.g.open.gVideoOpen = vc::kTrue;
    rig.setCodes(kCodes);
    const auto flag = [&](const char* key) {
        return settings.count(key) != 0 && settings.at(key) == "1" ? vc::kTrue : vc::kFalse;
    };
    rig.g.settings.gQKUpDown = flag("updown");
    rig.g.settings.gQKInsert = flag("insert");
    if (settings.count("editincell") != 0) {
        rig.g.settings.gEditInCell = static_cast<std::int16_t>(std::stoi(settings.at("editincell")));
    }
    auto& player = rig.players[vc::PlayerKind::MediaWindow];
    player.setPosition(0);
    player.play();
    std::istringstream keys(settings.at("keys"));
    for (std::string step; keys >> step;) {
        const auto at = step.find('@');
        rig.scripted.clock.monotonic = std::stod(step.substr(at + 1));
        const ScriptedKey key = scriptedKey(step.substr(1, at - 1));
        if (step[0] == '+') {
            rig.press(key.key, key.modifiers, key.text);
        } else {
            rig.release(key.key, key.modifiers, key.text);
        }
    }
    ASSERT_TRUE(vc::SaveDataFile(rig.g, rig.coder));
    EXPECT_TRUE(rig.scripted.dialogs.boxes.empty());
    EXPECT_TRUE(testsupport::sameAsFile(textfile::readWholeFile(saved), folder() / "expected.qvd"));
}

SUITE_FIXTURE_CASES(KeySession, "coding-keys");

} // namespace
