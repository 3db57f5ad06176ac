#include "workstation/sequential/SeqLevelReport.h"

#include "textfile/Paths.h"
#include "workstation/sequential/SeqReport.h"

namespace ws {

std::string SeqLevelReport(const SequentialRun& run, const std::vector<SeqTable>& tables,
                           std::int16_t levelCount, const std::string& dataFileName, const std::string& date,
                           std::int16_t pooledFiles, const std::vector<ResampleResult>* resampled) {
    const std::string fileName = textfile::FileNameOnly(dataFileName);
    std::string out;
    for (std::int16_t m = 1; m <= levelCount; ++m) {
        const SeqTable& table = tables.at(static_cast<std::size_t>(m));
        const std::string fileText = fileName + "   Code:" + run.gLevelCodes.at(static_cast<std::size_t>(m));
        appendSeqSection(out, run, table, date, fileText, SectionForm::Level);
        if (resampled != nullptr) {
            // An empty level was skipped by the test and is reported as too little to resample.
            out += seqResamplingLines(run, pooledFiles, resampled->at(static_cast<std::size_t>(m)));
        }
    }
    return out;
}

} // namespace ws
