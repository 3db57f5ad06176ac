// The stand-alone program's start: the workstation's stored settings and code set, read
// and never written, and a code set that is missing.
#include "collector/windows/CollectorPrograms.h"
#include "platform/qt/QtSettingsStore.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <memory>

namespace collector {
namespace {

TEST(StandaloneCollector, CollectsOnTheStoredSettingsAndLeavesTheStoreAsItWas) {
    testsupport::ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    const std::string codes = scratch.file("three.cod");
    textfile::saveFileAtomically(codes, " 3 \r\n\"A\",\"\",1\r\n\"B\",\"\",2\r\n\"C\",\"\",3\r\n");
    {
        platform::qt::QtSettingsStore workstation(QString::fromStdString(scratch.path().string()));
        workstation.set("OSTRAVEL", "Collection Settings", "TenthsofSeconds", "1");
        workstation.set("OSTRAVEL", "Collection Settings", "SessionDuration", "60");
        workstation.set("OSTRAVEL", "StartUp", "Code_File", codes);
        workstation.set("OSTRAVEL", "ODF Settings", "gODFZeroJustify", "0");
        ASSERT_TRUE(workstation.save("OSTRAVEL"));
    }
    auto store =
        std::make_unique<platform::qt::QtSettingsStore>(QString::fromStdString(scratch.path().string()));
    const std::string storeFile = scratch.file("OSTRAVEL.ini");
    const std::string storedBefore = textfile::readWholeFile(storeFile);

    platform::Platform p{sp.dialogs, *store,       sp.launcher, sp.sound,
                         sp.clock,   "/opt/suite", sp.printer,  sp.clipboard};
    ws::Global g;
    int ends = 0;
    auto window = loadStandaloneCollector(g, p, [&ends] { ++ends; });
    CollectorSession& session = window->session();
    EXPECT_EQ(g.NumCodes, 3);
    EXPECT_EQ(g.gODFZeroJustify, 1) << "the import settings are not the collector's to read";

    sp.dialogs.files.push_back(scratch.file("obs"));
    sp.dialogs.inputs.push_back("Stand-alone");
    session.NewFile_Click();
    sp.clock.monotonic = 10;
    session.TimerStart_Click();
    sp.clock.monotonic = 12.34;
    session.Timer1_Timer();
    session.Text1_KeyPress("B");
    session.Text1_KeyPress("\r");
    session.Exit_Click();

    EXPECT_EQ(textfile::readWholeFile(scratch.file("obs.eve")),
              "Events\r\nStand-alone\r\nA,0\r\nB,0\r\nC,0\r\nB,23\r\n-500,23\r\n\r\n");
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(window->isVisible());
    window.reset();
    store.reset(); // a store writes what was left unsaved when it goes
    EXPECT_EQ(textfile::readWholeFile(storeFile), storedBefore);
    EXPECT_TRUE(sp.dialogs.openRequests.empty()) << "the program never asks for a code set";
}

TEST(StandaloneCollector, AMissingCodeSetIsNamedAndTypingStillWorks) {
    testsupport::ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    sp.settings.values[{"OSTRAVEL", "StartUp", "Code_File"}] = scratch.file("gone.cod");
    ws::Global g;
    g.NumCodes = 2; // what an earlier load left is not kept
    auto window = loadStandaloneCollector(g, sp.platform, {});

    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    // It never asks for a code set, so it says where its code set comes from.
    EXPECT_EQ(sp.dialogs.boxes[0].text,
              "File Not Found: " + scratch.file("gone.cod") +
                  "\r\nThe collector uses the code set last chosen in the workstation (ostravel). Choose one "
                  "there (it asks for one at its first start; later in Preferences, \"Helper Files\"), then "
                  "start the collector again.");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "tapsel");
    EXPECT_EQ(g.NumCodes, 0);
    EXPECT_TRUE(sp.settings.writeOrder.empty());
    EXPECT_TRUE(sp.settings.savedAfterWrites.empty());
    // The defaults of a store that holds nothing else: 180 s in whole seconds, Enter ends codes.
    EXPECT_EQ(g.SessionDuration, 180.0f);
    EXPECT_EQ(g.TenthsofSeconds, 0);
    EXPECT_EQ(g.gFixedEntry, 0);

    sp.dialogs.files.push_back(scratch.file("obs.eve"));
    sp.dialogs.inputs.push_back("H");
    window->session().NewFile_Click();
    window->session().TimerStart_Click();
    window->session().Text1_KeyPress("X");
    window->session().Text1_KeyPress("\r");
    EXPECT_EQ(window->Text1->toPlainText().toStdString(), "Events\nH\nX,0\n");
}

} // namespace
} // namespace collector
