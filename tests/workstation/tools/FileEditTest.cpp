// The data-file text editor: byte-for-byte round trips, the caret's line, and the window's
// open, save, quit and drop flows from the main window's menu item.
#include "workstation/tools/windows/FileEdit.h"
#include "ToolsTestSupport.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"
#include "textfile/Numeric.h"
#include "workstation/core/windows/Talvor.h"
#include "workstation/tools/EditedText.h"
#include "workstation/tools/windows/ToolWindows.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>

#include <filesystem>
#include <random>

#include <sys/stat.h>

namespace ws {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::writeBytes;

TEST(EditedText, RoundTripsKeepLineEndsEncodingAndTheMissingFinalLineEnd) {
    struct Case {
        std::string label, bytes, shown, edited, saved;
    };
    const std::vector<Case> cases = {
        {"CR LF", "Events\r\nh\r\nA,1\r\n-500,2", "Events\nh\nA,1\n-500,2", "Events\nh\nB,1\n-500,2",
         "Events\r\nh\r\nB,1\r\n-500,2"},
        {"LF", "Events\nh\nA,1\n-500,2\n", "Events\nh\nA,1\n-500,2\n", "Events\nh\nA,1\nC,2\n-500,2\n",
         "Events\nh\nA,1\nC,2\n-500,2\n"},
        {"not UTF-8", "Events\r\nKind \xe9l\xe8ve\r\n\xa0,1", "Events\nKind \xc3\xa9l\xc3\xa8ve\n\xc2\xa0,1",
         "Events\nKind \xc3\xa9l\xc3\xa8ves\n\xc2\xa0,1", "Events\r\nKind \xe9l\xe8ves\r\n\xa0,1"},
        {"UTF-8", "Kind \xc3\xa9\xe2\x82\xac\n", "Kind \xc3\xa9\xe2\x82\xac\n",
         "Kind \xc3\xa9\xe2\x82\xac!\n", "Kind \xc3\xa9\xe2\x82\xac!\n"},
        {"a lone CR shows as a line end", "a\rb\r\nc", "a\nb\nc", "a\nb\nc\n", "a\r\nb\r\nc\r\n"},
        {"no line end at all", "", "", "one\ntwo", "one\r\ntwo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const EditedText text(c.bytes);
        // Taken a line at a time, the parts are the file's lines, each with its whole line end.
        std::string parts;
        std::size_t count = 0;
        for (std::size_t from = 0; from < c.bytes.size(); ++count) {
            parts += text.nextLines(from, 1);
        }
        EXPECT_EQ(parts, c.bytes);
        EXPECT_EQ(count, std::count(c.shown.begin(), c.shown.end(), '\n') +
                             (c.shown.empty() || c.shown.ends_with('\n') ? 0 : 1));
        EXPECT_EQ(text.shown(), c.shown);
        EXPECT_EQ(text.bytesFor(c.shown), c.bytes);
        EXPECT_EQ(text.bytesFor(c.edited), c.saved);
    }
}

TEST(EditedText, AFirstScreenFromTheStartAloneHasWholeAsciiLines) {
    for (const auto& [start, shown] : std::vector<std::pair<std::string, std::string>>{
             {"A\nB\nC\nD\n", "A\nB\nC\n"},
             {"A\r\nB\r", "A\r\n"}, // the LF of B's line end may come next
             {"A\r\nBC", "A\r\n"},
             {"A\rB\rC", "A\rB\r"},
             {"A\r\n", "A\r\n"},
             {"ABC", ""},
             {"A\n\xe9\n", ""}}) {
        EXPECT_EQ(EditedText::firstScreen(start, 3), shown) << start;
    }
}

TEST(EditedText, CurrentLineCountsLineEndsBeforeTheCaret) {
    for (const auto& [text, line] : std::vector<std::pair<std::string, int>>{
             {"", 1}, {"abc", 1}, {"a\r\nb\r\n", 3}, {"a\nb\n", 3}, {"a\r\nb\nc", 3}, {"a\r", 2}}) {
        EXPECT_EQ(CurrentLine(text), line) << text;
    }
}

ino_t inodeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

class FileEditWindow : public ::testing::Test {
protected:
    void SetUp() override { writeBytes(file, original); }
    // Shows the editor from the main window's menu item and operates it.
    void show(std::function<void(FileEdit&)> operate) {
        sp.dialogs.modalHandlers.push_back(
            [operate](QDialog& dialog) { operate(dynamic_cast<FileEdit&>(dialog)); });
        station.choose("DataEditor");
    }
    static QPlainTextEdit& text(FileEdit& editor) { return *editor.findChild<QPlainTextEdit*>("Text1"); }
    static QPushButton& button(FileEdit& editor, const char* name) {
        return *editor.findChild<QPushButton*>(name);
    }
    static void typeAtEnd(FileEdit& editor, const QString& typed) {
        QTextCursor cursor = text(editor).textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(typed);
    }

    ScratchFolder scratch;
    const std::string file = scratch.file("kid.eve");
    const std::string original = "Events\r\nKid \xe9\r\nA,1\r\n-500,2";
    toolstest::Workstation station;
    testsupport::ScriptedPlatform& sp = station.sp;
    Global& g = station.g;
};

TEST_F(FileEditWindow, OpenChangeSaveWritesTheTextBack) {
    sp.dialogs.files.push_back(file);
    show([&](FileEdit& editor) {
        EXPECT_EQ(editor.windowTitle().toStdString(), "TALVOR File Editor");
        EXPECT_FALSE(text(editor).isEnabled());
        EXPECT_FALSE(button(editor, "Save_Btn").isEnabled());
        button(editor, "Edit_btn").click();
        EXPECT_EQ(editor.windowTitle().toStdString(), "TALVOR File Editor (kid.eve)");
        EXPECT_TRUE(text(editor).isEnabled());
        EXPECT_FALSE(button(editor, "Edit_btn").isEnabled());
        EXPECT_EQ(g.UnsavedChanges, textfile::kFalse);

        QTextCursor cursor = text(editor).textCursor();
        cursor.movePosition(QTextCursor::Down, QTextCursor::MoveAnchor, 2);
        text(editor).setTextCursor(cursor);
        EXPECT_EQ(editor.CurrentLine(), 3);
        EXPECT_EQ(editor.findChild<QLabel*>("StatusPanel1")->text().toStdString(), "Line: 3");
        cursor.insertText("B,0\n");
        EXPECT_EQ(g.UnsavedChanges, textfile::kTrue);
        button(editor, "Save_Btn").click();
        EXPECT_EQ(editor.windowTitle().toStdString(), "TALVOR File Editor");
        EXPECT_TRUE(text(editor).toPlainText().isEmpty());
        EXPECT_FALSE(button(editor, "Save_Btn").isEnabled());
        EXPECT_TRUE(editor.editFileName().empty());
        EXPECT_EQ(g.UnsavedChanges, textfile::kFalse);
    });
    EXPECT_EQ(readBytes(file), "Events\r\nKid \xe9\r\nB,0\r\nA,1\r\n-500,2");
    EXPECT_TRUE(sp.dialogs.boxes.empty());
    EXPECT_EQ(sp.dialogs.openRequests.at(0).title, "Pick the file to edit...");
    EXPECT_EQ(sp.dialogs.openRequests.at(0).filter, "TALVOR Event Files (*.eve)|*.eve|All Files(*.*)|*.*");
}

TEST_F(FileEditWindow, SaveWithoutChangeWritesNothingAndOpenReloadsWithoutADialog) {
    sp.dialogs.files.push_back(file);
    const ino_t before = inodeOf(file);
    show([&](FileEdit& editor) {
        button(editor, "Edit_btn").click();
        button(editor, "Save_Btn").click();
        EXPECT_TRUE(text(editor).toPlainText().isEmpty());
        EXPECT_TRUE(button(editor, "Save_Btn").isEnabled());
        EXPECT_TRUE(button(editor, "Edit_btn").isEnabled());
        button(editor, "Edit_btn").click();
        EXPECT_EQ(text(editor).toPlainText().toStdString(), "Events\nKid \xc3\xa9\nA,1\n-500,2");
        // Typing and taking it back leaves the same text, which goes back as the same bytes.
        typeAtEnd(editor, "x");
        text(editor).undo();
        button(editor, "Save_Btn").click();
    });
    EXPECT_EQ(sp.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(readBytes(file), original);
    EXPECT_NE(inodeOf(file), before); // the second save did write
}

TEST_F(FileEditWindow, QuitFlows) {
    struct Case {
        std::string label;
        std::vector<Answer> answers;
        int questions;
        bool closed;
        bool saved;
    };
    const std::vector<Case> cases = {
        {"Yes saves and closes", {Answer::Yes}, 1, true, true},
        {"No asks again on unload, No closes", {Answer::No, Answer::No}, 2, true, false},
        {"No then Cancel keeps the window", {Answer::No, Answer::Cancel}, 2, false, false},
        {"Cancel keeps the window", {Answer::Cancel}, 1, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        writeBytes(file, original);
        sp.dialogs.boxes.clear();
        sp.dialogs.files.push_back(file);
        sp.dialogs.answers.assign(c.answers.begin(), c.answers.end());
        bool stillOpen = false;
        show([&](FileEdit& editor) {
            editor.show();
            button(editor, "Edit_btn").click();
            typeAtEnd(editor, "\nZ,3");
            button(editor, "Quit_Btn").click();
            stillOpen = editor.isVisible();
            editor.hide();
        });
        EXPECT_EQ(static_cast<int>(sp.dialogs.boxes.size()), c.questions);
        for (const auto& box : sp.dialogs.boxes) {
            EXPECT_EQ(box.text, "Do you want to save your changes?");
            EXPECT_EQ(box.title, "Save Changes?");
            EXPECT_EQ(box.buttons, platform::Buttons::YesNoCancel);
        }
        EXPECT_EQ(stillOpen, !c.closed);
        EXPECT_EQ(readBytes(file), c.saved ? original + "\r\nZ,3" : original);
    }
}

TEST_F(FileEditWindow, AFailedSaveKeepsTheTextAndTheWindow) {
    sp.dialogs.files.push_back(file);
    sp.dialogs.answers = {Answer::Yes};
    bool stillOpen = false;
    std::string kept;
    show([&](FileEdit& editor) {
        editor.show();
        button(editor, "Edit_btn").click();
        typeAtEnd(editor, "\nZ,3");
        {
            toolstest::FileSizeLimit full(8);
            button(editor, "Quit_Btn").click();
        }
        stillOpen = editor.isVisible();
        kept = text(editor).toPlainText().toStdString();
        editor.hide();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(kept, "Events\nKid \xc3\xa9\nA,1\n-500,2\nZ,3");
    ASSERT_EQ(sp.dialogs.boxes.size(), 2u);
    EXPECT_EQ(sp.dialogs.boxes[1].text, "Error Saving \r");
    EXPECT_EQ(sp.dialogs.boxes[1].title, "ERROR!");
    EXPECT_EQ(readBytes(file), original);
}

TEST_F(FileEditWindow, ADropLoadsTheFirstFileAfterAskingAboutUnsavedChanges) {
    const std::string other = scratch.file("other.eve");
    writeBytes(other, "Events\nother\n");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(other)),
                  QUrl::fromLocalFile(QString::fromStdString(file))});
    sp.dialogs.answers = {Answer::Cancel, Answer::No};
    show([&](FileEdit& editor) {
        toolstest::dropFiles(*text(editor).viewport(), data); // nothing open: no question
        EXPECT_EQ(editor.editFileName(), other);
        typeAtEnd(editor, "x");
        toolstest::dropFiles(editor, data); // Cancel: the drop is ignored
        EXPECT_EQ(text(editor).toPlainText().toStdString(), "Events\nother\nx");
        toolstest::dropFiles(editor, data); // No: the dropped file replaces the text
        EXPECT_EQ(text(editor).toPlainText().toStdString(), "Events\nother\n");
    });
    EXPECT_EQ(sp.dialogs.boxes.size(), 2u);
    EXPECT_EQ(readBytes(other), "Events\nother\n");
}

TEST_F(FileEditWindow, AFileThatCannotBeReadLeavesTheEditorEmpty) {
    sp.dialogs.files.push_back(scratch.file("gone.eve"));
    show([&](FileEdit& editor) {
        button(editor, "Edit_btn").click();
        EXPECT_FALSE(text(editor).isEnabled());
        EXPECT_TRUE(button(editor, "Edit_btn").isEnabled());
    });
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Error loading!\r");
    EXPECT_EQ(sp.dialogs.beeps, 1);
}

// The widget's text as the editor reads it back: each line end one LF.
std::string shownText(QPlainTextEdit& widget) {
    return widget.document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')).toStdString();
}

// Random lines of printable ASCII and `extra` bytes, with the given line end, over more than
// a screenful and a part, so that a long file goes in by parts.
std::string randomLongFile(std::mt19937& random, const std::string& lineEnd, const std::string& extra,
                           int asciiLines, bool endsWithLineEnd) {
    const std::string ascii = "ABC xyz,0123456789-";
    const std::string characters = ascii + extra;
    std::string bytes;
    const int lines = std::uniform_int_distribution<int>(20'000, 26'000)(random);
    for (int line = 0; line < lines; ++line) {
        const std::string& from = line < asciiLines ? ascii : characters;
        const int length = std::uniform_int_distribution<int>(0, 12)(random);
        for (int c = 0; c < length; ++c) {
            bytes += from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
        }
        if (line + 1 < lines || endsWithLineEnd) {
            bytes += lineEnd;
        }
    }
    return bytes;
}

// A long file filled in by parts shows the same text as the whole file converted at once, and
// unchanged it saves back its own bytes.
TEST_F(FileEditWindow, ALongFileShownByPartsIsTheWholeFile) {
    struct Case {
        std::string label, lineEnd, extra;
        int asciiLines;
        bool endsWithLineEnd;
    };
    const std::vector<Case> cases = {
        {"CR only", "\r", "", 0, true},
        {"LF", "\n", "", 0, true},
        {"CR LF, the last line without an end", "\r\n", "", 0, false},
        {"Latin-1 bytes", "\r\n", "\xe9\xa0\xff", 0, true},
        {"Latin-1 bytes after a first screen of ASCII", "\n", "\xe9\xa0\xff", 5'000, true},
        {"UTF-8", "\n", "\xc3\xa9\xe2\x82\xac", 0, false},
        {"UTF-8 after a first screen of ASCII", "\r\n", "\xc3\xa9\xe2\x82\xac", 5'000, true},
    };
    std::mt19937 random(7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string bytes = randomLongFile(random, c.lineEnd, c.extra, c.asciiLines, c.endsWithLineEnd);
        writeBytes(file, bytes);
        int yields = 0;
        show([&](FileEdit& editor) {
            sp.dialogs.onYield = [&] { ++yields; };
            editor.OLEDragDrop({file});
            sp.dialogs.onYield = nullptr;
            EXPECT_EQ(shownText(text(editor)), EditedText(bytes).shown());
            typeAtEnd(editor, "x");
            text(editor).undo();
            button(editor, "Save_Btn").click();
        });
        EXPECT_GT(yields, 2);
        EXPECT_EQ(readBytes(file), bytes);
    }
}

// A change typed and then taken away by hand (not undone) leaves the text as loaded, which saves
// back as the file's own bytes, whatever characters the widget takes as line ends.
TEST_F(FileEditWindow, TextChangedBackByHandSavesTheFileUnchanged) {
    const std::vector<std::string> pieces = {"a",
                                             "\xc3\xa9",
                                             "\r",
                                             "\n",
                                             "\r\n",
                                             "\xe2\x80\xa9",
                                             "\xe2\x80\xa8",
                                             "\xef\xb7\x90",
                                             "\xef\xb7\x91",
                                             std::string(1, '\0'),
                                             "\xef\xbb\xbf",
                                             "\t"};
    std::mt19937 random(11);
    for (int round = 0; round < 40; ++round) {
        std::string bytes = round % 2 == 0 ? "" : "\xef\xbb\xbf"; // with and without a BOM first
        const int count = std::uniform_int_distribution<int>(0, 30)(random);
        for (int i = 0; i < count; ++i) {
            bytes += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        }
        SCOPED_TRACE(::testing::PrintToString(bytes));
        writeBytes(file, bytes);
        sp.dialogs.files.push_back(file);
        show([&](FileEdit& editor) {
            button(editor, "Edit_btn").click();
            typeAtEnd(editor, "x");
            QTextCursor cursor = text(editor).textCursor();
            cursor.movePosition(QTextCursor::End);
            cursor.deletePreviousChar();
            EXPECT_TRUE(text(editor).document()->isModified());
            EXPECT_EQ(g.UnsavedChanges, textfile::kTrue);
            button(editor, "Save_Btn").click();
        });
        EXPECT_EQ(readBytes(file), bytes);
    }
}

// A long file shows its first lines at once, then fills in parts while the window answers,
// with a bar of how far it got; Cancel leaves no file open and the file as it was.
TEST_F(FileEditWindow, ALongFileShowsAtOnceFillsWithProgressAndCanBeCancelled) {
    std::string longFile = "Events\r\nLong\r\n";
    for (int line = 1; line <= 30'000; ++line) {
        longFile += "A," + std::to_string(line) + "\r\n";
    }
    longFile += "-500,30001";
    writeBytes(file, longFile);
    for (const bool cancel : {false, true}) {
        SCOPED_TRACE(cancel ? "cancelled" : "loaded whole");
        std::vector<int> linesShownAtYield;
        show([&](FileEdit& editor) {
            sp.dialogs.onYield = [&] {
                linesShownAtYield.push_back(text(editor).document()->blockCount());
                EXPECT_TRUE(editor.findChild<QProgressBar*>("LoadProgress")->isVisibleTo(&editor));
                EXPECT_TRUE(text(editor).isReadOnly());
                EXPECT_FALSE(button(editor, "Save_Btn").isEnabled());
                if (cancel && linesShownAtYield.size() == 2) {
                    button(editor, "CancelLoad").click();
                }
            };
            editor.OLEDragDrop({file});
            sp.dialogs.onYield = nullptr;
            EXPECT_FALSE(editor.findChild<QProgressBar*>("LoadProgress")->isVisibleTo(&editor));
            if (cancel) {
                EXPECT_TRUE(text(editor).toPlainText().isEmpty());
                EXPECT_FALSE(text(editor).isEnabled());
                EXPECT_FALSE(button(editor, "Save_Btn").isEnabled());
                EXPECT_TRUE(button(editor, "Edit_btn").isEnabled());
                EXPECT_TRUE(editor.editFileName().empty());
            } else {
                EXPECT_FALSE(text(editor).isReadOnly());
                EXPECT_EQ(text(editor).document()->blockCount(), 30'003);
                EXPECT_FALSE(text(editor).document()->isUndoAvailable());
                typeAtEnd(editor, "0");
                button(editor, "Save_Btn").click();
            }
        });
        ASSERT_GE(linesShownAtYield.size(), 2u);
        EXPECT_GT(linesShownAtYield.front(), 1); // the first screen is there before the rest loads
        EXPECT_LT(linesShownAtYield.front(), 30'003);
        EXPECT_EQ(readBytes(file), longFile + "0"); // saved by the whole load, untouched by the cancelled one
        EXPECT_EQ(g.UnsavedChanges, textfile::kFalse);
    }
    EXPECT_TRUE(sp.dialogs.boxes.empty());
}

} // namespace
} // namespace ws
