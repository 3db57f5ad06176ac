// The video coder's DORU export read back by the workstation's own DORU reader: a notes field
// of several lines adds no utterance.
#include "support/FixtureCases.h"
#include "workstation/core/DoruTranscript.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(VideoCoderDoruExport, NotesLinesAddNoUtteranceForTheWorkstation) {
    const std::string exported =
        (testsupport::fixtureFamily("export") / "doru-notes-lines" / "expected.slt").string();
    ws::DoruTranscript transcript;
    ws::ParseDoruFile(exported, transcript);
    std::string speakers;
    for (std::size_t u = 0; u < transcript.size(); ++u) {
        speakers += std::string(transcript.entry(transcript.firstEntry(u)));
    }
    // The first line "$ Child, Adult" and the one coded row; "second line" of the notes is no
    // utterance of speaker "s".
    EXPECT_EQ(speakers.find('s'), std::string::npos) << speakers;
    EXPECT_NE(speakers.find('C'), std::string::npos) << speakers;
}

} // namespace
