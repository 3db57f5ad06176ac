// The file tools' readers on fuzzed files: the input holds two files cut at a NUL byte. Both
// are merged as one group, the first is recoded in both modes, and the first is loaded into
// the text editor's round trip, which must give its bytes back unchanged.
#include "FuzzSupport.h"

#include "support/ScriptedPlatform.h"
#include "workstation/tools/EditedText.h"
#include "workstation/tools/FileRecode.h"
#include "workstation/tools/MergerCode.h"

#include <cmath>
#include <cstdio>

namespace {

void mergeBoth(const std::string& first, const std::string& second, platform::Dialogs& dialogs) {
    ws::MergerCode merge;
    if (!merge.ReadMergeSource(first, dialogs) || !merge.ReadMergeSource(second, dialogs)) {
        return;
    }
    merge.MergeTimes[0] = merge.MergeCount;
    merge.SortMergedEvents();
    for (int i = 2; i <= merge.MergeCount; ++i) {
        const double before = merge.MergeTimes[static_cast<std::size_t>(i - 1)];
        const double after = merge.MergeTimes[static_cast<std::size_t>(i)];
        if (!std::isnan(before) && !std::isnan(after) && before > after) {
            fuzz::propertyFailed("merged events out of time order");
        }
    }
    (void)merge.mergedFileBytes(first, "12/10/2026 9:30:00 AM");
}

void recodeBothWays(const std::string& file) {
    for (const ws::RecodeChoice& choice :
         {ws::RecodeChoice{ws::RecodeMode::Groups, {"A", "B"}, {"C", "D", "E"}},
          ws::RecodeChoice{ws::RecodeMode::Groups, {"A", "B", "C"}, {"D"}},
          ws::RecodeChoice{ws::RecodeMode::Individuals, {"A", "-500"}, {"-500", "Z"}}}) {
        testsupport::ScriptedPlatform sp;
        ws::Global& g = fuzz::reusedGlobal();
        fuzz::useFixedCodeSet(g);
        g.DataFileName = file;
        g.InputMode = ws::kSingleFileInput;
        g.OutputFileName = fuzz::scratchPath("report.txt");
        std::remove(g.OutputFileName.c_str());
        ws::FileRecode(g, sp.platform, choice, nullptr);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitParts(fuzz::bytesOf(data, size), 2);
    const std::string first = fuzz::writeScratch("first.eve", parts[0]);
    const std::string second = fuzz::writeScratch("second.eve", parts[1]);
    testsupport::ScriptedDialogs dialogs;
    mergeBoth(first, second, dialogs);
    recodeBothWays(first);

    const ws::EditedText text{std::string(parts[0])};
    if (text.bytesFor(text.shown()) != parts[0]) {
        fuzz::propertyFailed("an unchanged text does not save back its own bytes");
    }
    std::string lines;
    for (std::size_t from = 0; from < parts[0].size();) {
        lines += text.nextLines(from, 2);
    }
    if (lines != parts[0]) {
        fuzz::propertyFailed("the file taken by lines is not the file");
    }
    (void)text.bytesFor(text.shown() + "\nX");
    (void)ws::CurrentLine(text.shown());
    return 0;
}
