// A fuzzed list file through both analyses that take lists: frequency and duration, and
// inter-observer agreement. Its entries may name the three event files kept beside it.
#include "FuzzSupport.h"

#include "support/ScriptedPlatform.h"
#include "textfile/Numeric.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/analyses/FreqDurReport.h"
#include "workstation/analyses/InterObserverAgreement.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void writeEventFiles() {
    fuzz::writeScratch("a.eve", "Events\r\nOne\r\nA,0\r\nD,2\r\nB,5\r\n-500,10\r\n");
    fuzz::writeScratch("b.eve", "Events\r\nTwo\r\nA,1\r\nB,4\r\n$Gap$,6\r\nC,7\r\n-500,12\r\n");
    fuzz::writeScratch("bad.eve", "Events\r\nBad\r\nA,5\r\nQ,3\r\n-500,4\r\n");
}

// The run works in the scratch folder, so the corpus folders and files named on the command line
// (and the flags' paths) are made absolute first: libFuzzer reads and adds to them afterwards.
void makePathsAbsolute(int argc, char** argv) {
    static std::vector<std::string> kept;
    kept.reserve(static_cast<std::size_t>(argc)); // no reallocation: argv points into it
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        std::string flag;
        if (argument.rfind('-', 0) == 0) {
            const auto equals = argument.find('=');
            flag = equals == std::string::npos ? std::string() : argument.substr(0, equals + 1);
            if (flag != "-artifact_prefix=" && flag != "-exact_artifact_path=" && flag != "-dict=") {
                continue;
            }
            argument.erase(0, flag.size());
        }
        if (argument.empty()) {
            continue;
        }
        // A prefix such as "out/crash-" keeps its unfinished last part, a folder its slash.
        kept.push_back(flag + std::filesystem::absolute(argument).string());
        argv[i] = kept.back().data();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    makePathsAbsolute(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        writeEventFiles();
        return ::chdir(fuzz::scratchFolder().c_str()) == 0; // entries name files relative to it
    }();
    if (!ready) {
        fuzz::propertyFailed("the scratch folder cannot be the working folder");
    }
    const std::string list = fuzz::writeScratch("study.lst", fuzz::bytesOf(data, size));
    for (const std::int16_t kind : {1, 2}) {
        testsupport::ScriptedPlatform sp;
        ws::Global& g = fuzz::reusedGlobal();
        fuzz::useFixedCodeSet(g);
        g.Code_File = fuzz::scratchPath("codes.cod");
        g.OutputKind = kind;
        g.InputMode = 4;
        g.DataFileName = list;
        g.OutputFileName = fuzz::scratchPath("report.txt");
        std::remove(g.OutputFileName.c_str());
        ws::QuietStatus status;
        ws::FreqDurReport(g, sp.platform, status);
        std::int16_t kappaMatrixWanted = textfile::kTrue;
        g.DataFileName = list;
        std::remove(g.OutputFileName.c_str());
        ws::InterObserverAgreement(g, sp.platform, status, kappaMatrixWanted);
    }
    return 0;
}
