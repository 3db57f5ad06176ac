#include "workstation/sequential/SeqLevelReport.h"

#include "textfile/Paths.h"
#include "workstation/sequential/SeqReport.h"

namespace ws {

std::string SeqLevelReport(SequentialRun& run, const std::vector<SeqTable>& tables, std::int16_t levelCount,
                           const std::string& dataFileName, const std::string& date, std::int16_t pooledFiles,
                           ResampleServices* resample) {
    const std::string fileName = textfile::FileNameOnly(dataFileName);
    std::string out;
    for (std::int16_t m = 1; m <= levelCount; ++m) {
        const SeqTable& table = tables.at(static_cast<std::size_t>(m));
        const std::string fileText = fileName + "   Code:" + run.gLevelCodes.at(static_cast<std::size_t>(m));
        float observedQ = 0;
        out += seqSection(run, table, date, fileText, SectionForm::Level, observedQ);
        if (resample != nullptr) {
            // An empty level is skipped by the test and reported as too little to resample.
            const ResampleOutcome outcome =
                ResamplingTest(run, tables, m, observedQ, pooledFiles > 0, *resample);
            out += seqResamplingLines(run, pooledFiles, outcome);
        }
    }
    return out;
}

} // namespace ws
