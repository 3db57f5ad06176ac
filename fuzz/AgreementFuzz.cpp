// Inter-observer agreement with the Kappa matrix on a fuzzed pair: one option byte (window,
// report form), then a code-set file, a NUL byte, observer 1's file, a NUL byte, observer
// 2's file. An empty code-set part uses the fixed code set.
#include "FuzzSupport.h"

#include "support/ScriptedPlatform.h"
#include "textfile/Numeric.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/analyses/InterObserverAgreement.h"
#include "workstation/core/CodeSetFile.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const auto parts = fuzz::splitParts(fuzz::bytesOf(data + 1, size - 1), 3);
    testsupport::ScriptedPlatform sp;
    ws::Global& g = fuzz::reusedGlobal();
    if (parts[0].empty()) {
        fuzz::useFixedCodeSet(g);
        g.Code_File = fuzz::scratchPath("codes.cod");
    } else {
        g.Code_File = fuzz::writeScratch("codes.cod", parts[0]);
        if (ws::OpenCodeFile(g, sp.platform) != textfile::kTrue) {
            return 0;
        }
    }
    g.gIOAWindow = static_cast<std::int16_t>(data[0] % 8);
    g.OutputKind = static_cast<std::int16_t>((data[0] >> 3) % 3 + 1);
    g.InputMode = 1;
    g.DataFileName = fuzz::writeScratch("one.eve", parts[1]) + '\r' + fuzz::writeScratch("two.eve", parts[2]);
    g.OutputFileName = fuzz::scratchPath("report.txt");
    std::remove(g.OutputFileName.c_str());
    ws::QuietStatus status;
    std::int16_t kappaMatrixWanted = textfile::kTrue;
    ws::InterObserverAgreement(g, sp.platform, status, kappaMatrixWanted);
    return 0;
}
