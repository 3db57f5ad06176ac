#include "workstation/core/PrintMenuItems.h"

#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "workstation/core/Global.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
const std::string kPage = testsupport::RecordingPrinter::kNewPage;

struct PrintRig {
    testsupport::ScratchFolder folder;
    testsupport::ScriptedPlatform sp;
    ws::Global g;
    ws::MainWindowLinks links;
    PrintRig() { ws::wirePrinting(g, sp.platform, links); }

    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = folder.file(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    // Runs a menu item on the given pick.
    void run(const std::function<void()>& item, const std::string& pick) {
        sp.dialogs.files.push_back(pick);
        item();
    }
};

TEST(PrintMenuItems, EventFileWithAndWithoutFormFeeds) {
    struct Case {
        std::string label, bytes;
        std::int16_t formFeeds;
        Lines after; // the printed lines after the heading
    };
    for (const Case& c : {
             Case{"empty file, form feeds", "", 1, {kPage}},
             Case{"empty file, no form feeds", "", 0, {""}},
             Case{"lines unchanged, CR LF and LF",
                  "Events,\"x\"\r\n  A , 12\n-500,40\r\n",
                  1,
                  {"Events,\"x\"", "  A , 12", "-500,40", kPage}},
         }) {
        SCOPED_TRACE(c.label);
        PrintRig rig;
        rig.g.gUseFormFeeds = c.formFeeds;
        const std::string path = rig.write("kid.eve", c.bytes);
        rig.run(rig.links.printData, path);

        Lines expected{"File name: " + path, ""};
        expected.insert(expected.end(), c.after.begin(), c.after.end());
        ASSERT_EQ(rig.sp.printer.documents.size(), 1u);
        EXPECT_EQ(rig.sp.printer.documents[0], expected);
        EXPECT_EQ(rig.sp.printer.names, (std::vector<testsupport::DocumentName>{{"kid.eve"}}));
        EXPECT_TRUE(rig.sp.dialogs.boxes.empty());
        const platform::FileDialogRequest& request = rig.sp.dialogs.openRequests.at(0);
        EXPECT_EQ(request.title, "Pick the file to print...");
        EXPECT_EQ(request.filter, "TALVOR Event Files (*.eve)|*.eve|All Files(*.*)|*.*");
        EXPECT_EQ(request.flags, 6);
    }
}

TEST(PrintMenuItems, CancelledPickPrintsNothingSilently) {
    PrintRig rig;
    for (const auto& item : {rig.links.printData, rig.links.printListNames, rig.links.printListData}) {
        rig.run(item, "");
    }
    EXPECT_TRUE(rig.sp.printer.documents.empty());
    EXPECT_TRUE(rig.sp.dialogs.boxes.empty());
}

// A picked file that cannot be read prints nothing and says why; one listed among others is
// passed over (see ListDataPrintsEachFileAsItsOwnDocument).
TEST(PrintMenuItems, UnreadablePickPrintsNothingAndSaysSo) {
    PrintRig rig;
    const std::string missingEvents = rig.folder.file("missing.eve");
    const std::string missingList = rig.folder.file("missing.lst");
    const std::string emptyList = rig.write("empty.lst", "");
    struct Case {
        std::function<void()> item;
        std::string pick, why;
    };
    for (const Case& c : {Case{rig.links.printData, missingEvents, "File not found"},
                          Case{rig.links.printData, rig.folder.path().string(), "Path/File access error"},
                          Case{rig.links.printListNames, missingList, "File not found"},
                          Case{rig.links.printListNames, emptyList, "Input past end of file"},
                          Case{rig.links.printListData, missingList, "File not found"}}) {
        SCOPED_TRACE(c.pick);
        rig.sp.dialogs.boxes.clear();
        rig.run(c.item, c.pick);
        ASSERT_EQ(rig.sp.dialogs.boxes.size(), 1u);
        EXPECT_EQ(rig.sp.dialogs.boxes[0].text, "Could not print " + c.pick + "\r" + c.why);
        EXPECT_EQ(rig.sp.dialogs.boxes[0].title, "ERROR!");
        EXPECT_EQ(rig.sp.dialogs.boxes[0].buttons, platform::Buttons::OK);
    }
    EXPECT_TRUE(rig.sp.printer.documents.empty());
}

TEST(PrintMenuItems, ListNamesPrintHeadingAndCountedEntries) {
    struct Case {
        std::string label, bytes;
        Lines expected; // after the file-name line
    };
    for (const Case& c : {
             Case{"three entries, one line past the count left out",
                  "Event Files\r\n 3 \r\na.eve\r\nb, c.eve\r\n/x/d.eve\r\nextra.eve\r\n",
                  {"Number of Lines: 3 ", "      List Type: Event Files", "a.eve", "b, c.eve", "/x/d.eve",
                   kPage}},
             Case{"shorter than its count",
                  "List Files\r\n 4 \r\none.lst\r\n",
                  {"Number of Lines: 4 ", "      List Type: List Files", "one.lst", kPage}},
         }) {
        SCOPED_TRACE(c.label);
        PrintRig rig;
        const std::string path = rig.write("kids.lst", c.bytes);
        rig.run(rig.links.printListNames, path);
        Lines expected{" List File Name: " + path};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        ASSERT_EQ(rig.sp.printer.documents.size(), 1u);
        EXPECT_EQ(rig.sp.printer.documents[0], expected);
        EXPECT_EQ(rig.sp.printer.names, (std::vector<testsupport::DocumentName>{{"kids.lst"}}));
        EXPECT_EQ(rig.sp.dialogs.openRequests.at(0).title, "Pick the list file to print...");
        EXPECT_EQ(rig.sp.dialogs.openRequests.at(0).filter,
                  "TALVOR List Files (*.lst)|*.lst|All Files(*.*)|*.*");
    }
}

TEST(PrintMenuItems, ListDataPrintsEachFileAsItsOwnDocument) {
    PrintRig rig;
    rig.g.gUseFormFeeds = 0;
    const std::string a = rig.write("a.eve", "Events\r\nA,1\r\n");
    const std::string b = rig.write("b.eve", "Events\r\n");
    const std::string inner = rig.write("inner.lst", "Event Files\r\n 1 \r\na.eve\r\n");
    // A list of lists prints each listed list as text; an entry that cannot be opened is
    // skipped; the list ends before its count.
    const std::string list =
        rig.write("outer.lst", "List Files\r\n 5 \r\n" + a + "\r\n" + rig.folder.file("gone.eve") + "\r\n" +
                                   inner + "\r\n" + b + "\r\n");
    rig.run(rig.links.printListData, list);

    const std::vector<Lines> expected{
        {"File name: " + a, "", "Events", "A,1", ""},
        {"File name: " + inner, "", "Event Files", " 1 ", "a.eve", ""},
        {"File name: " + b, "", "Events", ""},
    };
    EXPECT_EQ(rig.sp.printer.documents, expected);
    EXPECT_EQ(rig.sp.printer.names,
              (std::vector<testsupport::DocumentName>{{"a.eve"}, {"inner.lst"}, {"b.eve"}}));
    EXPECT_EQ(rig.sp.printer.runs, 1);
    EXPECT_TRUE(rig.sp.dialogs.boxes.empty());
}

TEST(PrintMenuItems, ListDataRefusesOtherListTypes) {
    for (const std::string type : {"event files", "Data Files", "\"Event Files \""}) {
        SCOPED_TRACE(type);
        PrintRig rig;
        const std::string a = rig.write("a.eve", "Events\r\n");
        const std::string list = rig.write("odd.lst", type + "\r\n 1 \r\n" + a + "\r\n");
        rig.run(rig.links.printListData, list);
        EXPECT_TRUE(rig.sp.printer.documents.empty());
        ASSERT_EQ(rig.sp.dialogs.boxes.size(), 1u);
        EXPECT_EQ(rig.sp.dialogs.boxes[0].text, "Not a valid list: " + list);
        EXPECT_EQ(rig.sp.dialogs.boxes[0].title, "ERROR!");
        EXPECT_EQ(rig.sp.dialogs.boxes[0].buttons, platform::Buttons::OK);
    }
}

TEST(PrintMenuItems, FailedPrintIsReportedAndEndsTheSeries) {
    PrintRig rig;
    const std::string a = rig.write("a.eve", "Events\r\n");
    const std::string list = rig.write("two.lst", "Event Files\r\n 2 \r\n" + a + "\r\n" + a + "\r\n");
    rig.sp.printer.outcome = {platform::PrintOutcome::Kind::Failed, "The file /x.pdf could not be written."};
    rig.run(rig.links.printListData, list);
    ASSERT_EQ(rig.sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.sp.dialogs.boxes[0].text,
              "Could not print " + a + "\rThe file /x.pdf could not be written.");
    EXPECT_EQ(rig.sp.dialogs.boxes[0].title, "ERROR!");

    // A cancelled printer dialog ends the series without a word.
    rig.sp.dialogs.boxes.clear();
    rig.sp.printer.outcome = {platform::PrintOutcome::Kind::Cancelled, ""};
    rig.run(rig.links.printListData, list);
    EXPECT_TRUE(rig.sp.dialogs.boxes.empty());
    EXPECT_TRUE(rig.sp.printer.documents.empty());
}

} // namespace
