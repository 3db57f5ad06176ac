// A run's hold on its report file: what the run and the reader append comes out in order,
// in one write, also when the run leaves early; a file that cannot be written says so.
#include "workstation/core/RunOutput.h"

#include "support/ScratchFolder.h"
#include "support/TestFiles.h"
#include "textfile/Files.h"
#include "workstation/core/EventFileEntries.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(RunOutput, HeldBytesComeOutInOrderAndNotBefore) {
    testsupport::ScratchFolder scratch;
    ws::AnalysisRun run;
    run.OutputFileName = scratch.file("report.txt");
    textfile::appendToFile(run.OutputFileName, "before\r\n");
    {
        ws::RunOutputHold hold(run);
        ws::appendToOutput(run, "section 1\r\n");
        ws::appendErrorEntry(run, "an entry\r\n");
        {
            ws::RunOutputHold inner(run); // the outer hold stays in charge
            ws::appendToOutput(run, "section 2\r\n");
            inner.write();
        }
        EXPECT_EQ(testsupport::readBytes(run.OutputFileName), "before\r\n");
        hold.write();
        EXPECT_EQ(testsupport::readBytes(run.OutputFileName),
                  "before\r\nsection 1\r\nan entry\r\nsection 2\r\n");
        ws::appendToOutput(run, "section 3\r\n");
    }
    // A run that leaves early, by a return or a failure, still writes what it held.
    try {
        ws::RunOutputHold hold(run);
        ws::appendToOutput(run, "section 4\r\n");
        throw std::runtime_error("the run failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(testsupport::readBytes(run.OutputFileName),
              "before\r\nsection 1\r\nan entry\r\nsection 2\r\nsection 3\r\nsection 4\r\n");
    ws::appendToOutput(run, "unheld\r\n"); // no hold: straight to the file
    EXPECT_EQ(testsupport::readBytes(run.OutputFileName),
              "before\r\nsection 1\r\nan entry\r\nsection 2\r\nsection 3\r\nsection 4\r\nunheld\r\n");
}

TEST(RunOutput, AFileThatCannotBeWrittenSaysSoAtTheWrite) {
    testsupport::ScratchFolder scratch;
    ws::AnalysisRun run;
    run.OutputFileName = scratch.file("no-such-folder/report.txt");
    ws::RunOutputHold hold(run);
    ws::appendToOutput(run, "section\r\n");
    EXPECT_THROW(hold.write(), textfile::FileWriteError);
    // The failed bytes are not written again by a later write.
    run.OutputFileName = scratch.file("report.txt");
    EXPECT_NO_THROW(hold.write());
}

} // namespace
