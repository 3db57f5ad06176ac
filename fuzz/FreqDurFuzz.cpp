// The frequency and duration report on one fuzzed event file with the fixed code set; the
// first byte chooses the report's form and form feeds.
#include "FuzzSupport.h"

#include "support/ScriptedPlatform.h"
#include "textfile/Numeric.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/analyses/FreqDurReport.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    testsupport::ScriptedPlatform sp;
    ws::Global& g = fuzz::reusedGlobal();
    fuzz::useFixedCodeSet(g);
    g.Code_File = fuzz::scratchPath("codes.cod");
    g.OutputKind = static_cast<std::int16_t>(data[0] % 3 + 1);
    g.gUseFormFeeds = (data[0] & 4) != 0 ? textfile::kTrue : textfile::kFalse;
    g.InputMode = 1;
    g.DataFileName = fuzz::writeScratch("input.eve", fuzz::bytesOf(data + 1, size - 1));
    g.OutputFileName = fuzz::scratchPath(g.OutputKind == 2 ? "input.eve.csv" : "input.eve.txt");
    std::remove(g.OutputFileName.c_str());
    ws::QuietStatus status;
    ws::FreqDurReport(g, sp.platform, status);
    return 0;
}
