// Qt key events on the coding grid's view become the grid's key events.
#include "videocoder/coding/windows/GridKeyAdapter.h"

#include "KeyUpGap.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTableView>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct RecordingKeys : vc::GridKeyEvents {
    std::vector<std::string> events;
    bool swallowPresses = false;
    bool recordMoments = false; // whether to record the stamp kept for a held key-up
    std::function<void()> onKeyDown;
    void FG1_KeyDown(int keyCode, int shift) override {
        events.push_back("down " + std::to_string(keyCode) + " " + std::to_string(shift));
        if (onKeyDown) {
            onKeyDown();
        }
    }
    void FG1_KeyPress(int& keyAscii) override {
        events.push_back("press " + std::to_string(keyAscii));
        if (swallowPresses) {
            keyAscii = 0;
        }
    }
    void FG1_KeyUp(int keyCode, int shift) override {
        events.push_back("up " + std::to_string(keyCode) + " " + std::to_string(shift));
    }
    void keepKeyUpMoment(bool keep) override {
        if (recordMoments) {
            events.push_back(keep ? "keep" : "drop");
        }
    }
};

// The view's editing state, which QTableView keeps to itself.
struct TableView : QTableView {
    bool editing() const { return state() == QAbstractItemView::EditingState; }
};

struct Grid {
    QStandardItemModel model{3, 3};
    TableView view;
    RecordingKeys keys;
    vc::GridKeyAdapter adapter{view, keys};
    Grid() {
        view.setModel(&model);
        view.setEditTriggers(QAbstractItemView::AnyKeyPressed);
        view.setCurrentIndex(model.index(0, 0));
    }
    // True when the view saw the event (the adapter let it through).
    bool send(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, const QString& text,
              bool autoRepeat = false, quint64 timestamp = 0) {
        QKeyEvent event(type, key, modifiers, text, autoRepeat);
        event.setTimestamp(timestamp);
        return !adapter.eventFilter(&view, &event);
    }
    void loseFocus() {
        QFocusEvent focusOut(QEvent::FocusOut);
        adapter.eventFilter(&view, &focusOut);
    }
    bool press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
        return send(QEvent::KeyPress, key, modifiers, text);
    }
    // The key-up comes once the release is known to be no auto-repeat's.
    void release(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
        send(QEvent::KeyRelease, key, modifiers, text);
        vctest::waitOutKeyUpGap();
    }
};

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    std::vector<std::string> events; // press, then release
    bool reachesView;
};

class KeyEvents : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyEvents, BecomeKeyDownPressAndUp) {
    const KeyCase& c = GetParam();
    Grid grid;
    const bool reached = grid.press(c.key, c.modifiers, QString::fromUtf8(c.text));
    grid.release(c.key, c.modifiers, QString::fromUtf8(c.text));
    EXPECT_EQ(grid.keys.events, c.events);
    EXPECT_EQ(reached, c.reachesView);
}

const Qt::KeyboardModifiers kNone = Qt::NoModifier;
const Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
const Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyEvents,
    ::testing::Values(
        KeyCase{"Letter", Qt::Key_A, kNone, "a", {"down 65 0", "press 97", "up 65 0"}, true},
        KeyCase{"ShiftedLetter", Qt::Key_A, kShift, "A", {"down 65 1", "press 65", "up 65 1"}, true},
        KeyCase{"AltLetter", Qt::Key_A, Qt::AltModifier, "", {"down 65 4", "up 65 4"}, true},
        KeyCase{
            "CtrlAltShift", Qt::Key_B, kShift | kCtrl | Qt::AltModifier, "", {"down 66 7", "up 66 7"}, true},
        KeyCase{"TopRowDigit", Qt::Key_1, kNone, "1", {"down 49 0", "press 49", "up 49 0"}, true},
        KeyCase{"KeypadDigit", Qt::Key_1, kKeypad, "1", {"down 97 0", "press 49", "up 97 0"}, true},
        KeyCase{"KeypadZero", Qt::Key_0, kKeypad, "0", {"down 96 0", "press 48", "up 96 0"}, true},
        KeyCase{"KeypadNine", Qt::Key_9, kKeypad, "9", {"down 105 0", "press 57", "up 105 0"}, true},
        KeyCase{"F1", Qt::Key_F1, kNone, "", {"down 112 0", "up 112 0"}, true},
        KeyCase{"F12", Qt::Key_F12, kNone, "", {"down 123 0", "up 123 0"}, true},
        KeyCase{"Insert", Qt::Key_Insert, kNone, "", {"down 45 0", "up 45 0"}, true},
        KeyCase{"CopyWithCtrlInsert", Qt::Key_Insert, kCtrl, "", {"down 45 2", "up 45 2"}, false},
        KeyCase{"PasteWithShiftInsert", Qt::Key_Insert, kShift, "", {"down 45 1", "up 45 1"}, false},
        KeyCase{"CopyWithCtrlC", Qt::Key_C, kCtrl, "\x03", {"down 67 2", "press 3", "up 67 2"}, false},
        KeyCase{"PasteWithCtrlV", Qt::Key_V, kCtrl, "\x16", {"down 86 2", "press 22", "up 86 2"}, false},
        KeyCase{"CtrlShiftCIsNoCopy",
                Qt::Key_C,
                kCtrl | kShift,
                "\x03",
                {"down 67 3", "press 3", "up 67 3"},
                true},
        KeyCase{"Delete", Qt::Key_Delete, kNone, "\x7f", {"down 46 0", "up 46 0"}, false},
        KeyCase{"Backspace", Qt::Key_Backspace, kNone, "\b", {"down 8 0", "press 8", "up 8 0"}, false},
        KeyCase{"Enter", Qt::Key_Return, kNone, "\r", {"down 13 0", "press 13", "up 13 0"}, true},
        KeyCase{"KeypadEnter", Qt::Key_Enter, kKeypad, "\r", {"down 13 0", "press 13", "up 13 0"}, true},
        KeyCase{
            "LatinLetter", Qt::Key_Eacute, kNone, "\xc3\xa9", {"down 201 0", "press 233", "up 201 0"}, true},
        KeyCase{"Arrow", Qt::Key_Down, kNone, "", {"down 40 0", "up 40 0"}, true},
        // Qt reports a modifier key's own press with its modifier set, as the system's state
        // after it.
        KeyCase{"ShiftAlone", Qt::Key_Shift, kNone, "", {"down 16 1", "up 16 1"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridKeyAdapter, AutoRepeatRaisesNothingBetweenTheDownAndTheUp) {
    Grid grid;
    grid.keys.swallowPresses = true;
    EXPECT_FALSE(grid.press(Qt::Key_A, kNone, "a"));
    for (int i = 0; i < 5; ++i) {
        grid.send(QEvent::KeyRelease, Qt::Key_A, kNone, "a", true);
        EXPECT_FALSE(grid.send(QEvent::KeyPress, Qt::Key_A, kNone, "a", true))
            << "a swallowed key repeats unseen";
    }
    grid.release(Qt::Key_A, kNone, "a");
    EXPECT_EQ(grid.keys.events, (std::vector<std::string>{"down 65 0", "press 97", "up 65 0"}));
}

// X sends an auto-repeat as a release and a press with one timestamp, and Qt marks the pair
// only when it happens to have read both at once.
struct Step {
    char kind; // 'p' press, 'r' release, 'w' wait out the key-up's gap, 'f' focus lost
    int key = 0;
    quint64 timestamp = 0;
};

struct RepeatCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> events; // "view": that press went on to the view
};

class UnmarkedRepeats : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(UnmarkedRepeats, AreToldFromRealReleasesAndPresses) {
    Grid grid;
    grid.keys.recordMoments = true;
    grid.keys.swallowPresses = true; // letters: coded keys, which never reach the view
    for (const Step& step : GetParam().steps) {
        const QString text = step.key == Qt::Key_Down ? QString() : QString(QChar(step.key).toLower());
        switch (step.kind) {
        case 'p':
            if (grid.send(QEvent::KeyPress, step.key, kNone, text, false, step.timestamp)) {
                grid.keys.events.push_back("view");
            }
            break;
        case 'r':
            grid.send(QEvent::KeyRelease, step.key, kNone, text, false, step.timestamp);
            break;
        case 'w':
            vctest::waitOutKeyUpGap();
            break;
        default:
            grid.loseFocus();
        }
    }
    EXPECT_EQ(grid.keys.events, GetParam().events);
}

const std::vector<std::string> kHeldA{"down 65 0", "press 97", "keep",    "drop", "keep",
                                      "drop",      "keep",     "up 65 0", "drop"};

INSTANTIATE_TEST_SUITE_P(
    Cases, UnmarkedRepeats,
    ::testing::Values(RepeatCase{"AReleaseAndPressAtOneMomentAreARepeat",
                                 {{'p', 'A', 100},
                                  {'r', 'A', 760},
                                  {'p', 'A', 760},
                                  {'r', 'A', 800},
                                  {'p', 'A', 800},
                                  {'r', 'A', 2100},
                                  {'w'}},
                                 kHeldA},
                      RepeatCase{"APressOfAKeyStillDownIsARepeat",
                                 {{'p', 'A', 100}, {'p', 'A', 760}, {'p', 'A', 800}, {'r', 'A', 2100}, {'w'}},
                                 {"down 65 0", "press 97", "keep", "up 65 0", "drop"}},
                      RepeatCase{"APressAtAnotherMomentIsANewPress",
                                 {{'p', 'A', 100}, {'r', 'A', 200}, {'p', 'A', 230}, {'r', 'A', 300}, {'w'}},
                                 {"down 65 0", "press 97", "keep", "up 65 0", "drop", "down 65 0", "press 97",
                                  "keep", "up 65 0", "drop"}},
                      RepeatCase{"AnotherKeyAtTheMomentLetsTheUpGoFirst",
                                 {{'p', 'A', 100}, {'r', 'A', 200}, {'p', 'B', 200}, {'r', 'B', 300}, {'w'}},
                                 {"down 65 0", "press 97", "keep", "up 65 0", "drop", "down 66 0", "press 98",
                                  "keep", "up 66 0", "drop"}},
                      RepeatCase{"AnotherKeysReleaseLetsTheUpGoFirst",
                                 {{'p', 'A', 100}, {'p', 'B', 150}, {'r', 'A', 200}, {'r', 'B', 200}, {'w'}},
                                 {"down 65 0", "press 97", "down 66 0", "press 98", "keep", "up 65 0", "drop",
                                  "keep", "up 66 0", "drop"}},
                      RepeatCase{"EventsWithoutATimestampAreNeverARepeat",
                                 {{'p', 'A'}, {'r', 'A'}, {'p', 'A'}, {'r', 'A'}, {'w'}},
                                 {"down 65 0", "press 97", "keep", "up 65 0", "drop", "down 65 0", "press 97",
                                  "keep", "up 65 0", "drop"}},
                      RepeatCase{"TheUpWaitsUntilTheGapIsOut",
                                 {{'p', 'A', 100}, {'r', 'A', 200}},
                                 {"down 65 0", "press 97", "keep"}},
                      RepeatCase{"TheFocusGoingLetsTheUpGoAtOnce",
                                 {{'p', 'A', 100}, {'r', 'A', 200}, {'f'}, {'p', 'A', 200}, {'r', 'A', 300}},
                                 {"down 65 0", "press 97", "keep", "up 65 0", "drop", "down 65 0", "press 97",
                                  "keep"}},
                      RepeatCase{"AHeldArrowKeepsMovingTheView",
                                 {{'p', Qt::Key_Down, 100},
                                  {'r', Qt::Key_Down, 760},
                                  {'p', Qt::Key_Down, 760},
                                  {'r', Qt::Key_Down, 900},
                                  {'w'}},
                                 {"down 40 0", "view", "keep", "drop", "view", "keep", "up 40 0", "drop"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridKeyAdapter, AKeyTheViewSawRepeatsOnTheView) {
    Grid grid;
    EXPECT_TRUE(grid.press(Qt::Key_Down));
    EXPECT_TRUE(grid.send(QEvent::KeyPress, Qt::Key_Down, kNone, "", true));
    grid.release(Qt::Key_Down);
    EXPECT_EQ(grid.keys.events, (std::vector<std::string>{"down 40 0", "up 40 0"}));
}

TEST(GridKeyAdapter, AKeyHeldWhenTheFocusGoesGetsItsUpThen) {
    Grid grid;
    grid.press(Qt::Key_A, kNone, "a");
    grid.loseFocus();
    EXPECT_EQ(grid.keys.events.back(), "up 65 0");
    grid.release(Qt::Key_A, kNone, "a");
    EXPECT_EQ(grid.keys.events.size(), 3u) << "the late release is dropped";
}

TEST(GridKeyAdapter, AFocusLostToABoxOfTheKeyDownGivesTheUpAfterTheHandler) {
    Grid grid;
    grid.keys.onKeyDown = [&] {
        grid.loseFocus(); // a box shows and takes the focus
        grid.keys.events.push_back("box");
    };
    grid.press(Qt::Key_A, kNone, "a");
    EXPECT_EQ(grid.keys.events, (std::vector<std::string>{"down 65 0", "box", "press 97", "up 65 0"}));
}

TEST(GridKeyAdapter, ASwallowedKeyDoesNotStartEditingAndAnotherDoes) {
    Grid grid;
    grid.view.show();
    grid.keys.swallowPresses = true;
    QKeyEvent swallowed(QEvent::KeyPress, Qt::Key_A, kNone, "a");
    QCoreApplication::sendEvent(&grid.view, &swallowed);
    EXPECT_FALSE(grid.view.editing());
    grid.keys.swallowPresses = false;
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_B, kNone, "b");
    QCoreApplication::sendEvent(&grid.view, &typed);
    EXPECT_TRUE(grid.view.editing());
}

} // namespace
