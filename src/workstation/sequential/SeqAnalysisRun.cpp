#include "workstation/sequential/SeqAnalysisRun.h"

#include "textfile/Files.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "workstation/core/EventFile.h"
#include "workstation/core/ListFile.h"
#include "workstation/core/RunOutput.h"
#include "workstation/sequential/SeqCount.h"
#include "workstation/sequential/SeqCsvRows.h"
#include "workstation/sequential/SeqLevelReport.h"
#include "workstation/sequential/SeqReport.h"
#include "workstation/sequential/SeqResampling.h"
#include "workstation/sequential/SeqStatistics.h"
#include "workstation/sequential/SeqTimeWindow.h"
#include "workstation/sequential/SeqTimeWindowCount.h"

#include <cmath>
#include <optional>

namespace ws {
namespace {

using textfile::FileNameOnly;

enum class Step { Go, End };

bool stopRequested(const Global& g) {
    return g.AbortRun != textfile::kFalse;
}

class Driver {
public:
    Driver(Global& g, platform::Platform& p, platform::Random& random, AnalysisStatus& status,
           SequentialRun& run, LagPairFiles* reuse)
        : g_(g), p_(p), status_(status), run_(run), reuse_(reuse), resampling_{random, status, p.clock} {}

    void run(const std::string& dataFileName, std::int16_t inputMode) {
        fileName_ = dataFileName;
        run_.gPooledTable = SeqTable{};
        run_.gPooledLevelTable.assign(static_cast<std::size_t>(std::max<int>(g_.NumCodes, 0)) + 1,
                                      SeqTable{});
        run_.gResampleCounts = {};
        run_.gPooledResampleCounts = {};
        status_.setBusy(true);
        status_.setLabel("Processing file: " + FileNameOnly(fileName_));
        if (inputMode == kListFileInput) {
            if (runList() == Step::End) {
                return;
            }
        } else if (fileStep() == Step::End) {
            return;
        }
        status_.setBusy(false);
    }

private:
    Step runList() {
        const std::string listPath = fileName_;
        std::optional<ListFileReader> list;
        try {
            list.emplace(listPath);
        } catch (const textfile::RunError&) {
            // A list that cannot be opened is no list of event files.
        }
        if (!list || list->type() != kEventFilesList) {
            p_.dialogs.beep();
            p_.dialogs.messageBox("Not a valid list: " + listPath, "ERROR!", platform::Buttons::OK,
                                  platform::Icon::None);
            return Step::End;
        }
        status_.showProgress(true);
        const int count = list->readCount();
        pooledFiles_ = static_cast<std::int16_t>(count);
        // A list holding fewer entries than its count ends at its last one.
        const bool walked = list->walkEntries(
            count,
            [&](int i, const std::string& entry) {
                status_.setLabel("Processing file: " + FileNameOnly(listPath) + "-" + FileNameOnly(entry) +
                                 "-" + std::to_string(i));
                fileName_ = entry;
                if (fileStep() == Step::End) {
                    return false;
                }
                status_.setProgress(static_cast<int>(std::nearbyint(static_cast<double>(i) / count * 100.0)));
                return true;
            },
            true);
        if (!walked) {
            return Step::End;
        }
        fileName_ = "Pooled Output for " + listPath;
        writeOutput(true);
        return Step::Go;
    }

    Step fileStep() {
        const bool plain = run_.gWithinLevel == 0 && run_.gEventLags != 0;
        const bool kept =
            run_.gEventLags == textfile::kFalse
                ? timeWindowFileKept(run_, fileName_, reuse_ != nullptr ? &reuse_->windowFiles() : nullptr)
                : plain && reuse_ != nullptr && reuse_->holds(fileName_, run_);
        // Time windows counted in memory take the rows of the file's codes from its read.
        const bool indexedWindows = run_.gEventLags == textfile::kFalse && run_.gWithinLevel == 0 &&
                                    run_.gWindowRules[kKillScrapFiles] == 1 && reuse_ != nullptr;
        SlotRows known;
        if (!kept) {
            std::string header;
            bool clean = false;
            if (plain && reuse_ != nullptr) {
                clean = reuse_->read(g_, p_, fileName_, header, run_);
            } else if (indexedWindows) {
                clean = reuse_->readIndexed(g_, p_, fileName_, header);
                known = reuse_->slotRows();
            } else {
                clean = ReadEventFile(g_, p_, fileName_, 1, header);
            }
            if (!clean) {
                return Step::End;
            }
        }
        try {
            count(plain, known);
        } catch (const ScratchFileError& e) {
            // Nothing more of this press: no further file, no pooled output, no pairing.
            p_.dialogs.messageBox("Cannot write " + e.path + "\r\n" + e.reason, "ERROR!",
                                  platform::Buttons::OK, platform::Icon::None);
            g_.AbortRun = textfile::kTrue;
            return Step::End;
        }
        // What a stopped count left is not a result: nothing more of this run is written.
        if (stopRequested(g_)) {
            return Step::End;
        }
        pool();
        if (g_.SkipToPooled == 0) {
            writeOutput(false);
        }
        return Step::Go;
    }

    void count(bool plain, SlotRows known) {
        if (run_.gEventLags == textfile::kFalse) {
            if (run_.gWithinLevel != 0) {
                levelCount_ = SeqCountTimeWindowLevel(run_, g_, p_, status_, fileName_, run_.gWithinLevel);
            } else {
                SeqCountTimeWindow(run_, g_, p_, status_, fileName_,
                                   reuse_ != nullptr ? &reuse_->windowFiles() : nullptr, known);
            }
        } else if (run_.gWithinLevel != 0) {
            levelCount_ = SeqCountWithinLevel(run_, g_, p_.dialogs, run_.gWithinLevel);
        } else if (plain && reuse_ != nullptr && reuse_->holds(fileName_, run_)) {
            p_.dialogs.yieldToUi();
            run_.gSeqTable = stopRequested(g_) ? SeqTable{} : reuse_->table(fileName_, run_, g_);
        } else {
            SeqCountTable(run_, g_, p_.dialogs);
        }
    }

    void pool() {
        if (run_.gWithinLevel != 0) {
            if (run_.gPooledLevelTable.size() <= static_cast<std::size_t>(levelCount_)) {
                run_.gPooledLevelTable.resize(static_cast<std::size_t>(levelCount_) + 1, SeqTable{});
            }
            for (int m = 1; m <= levelCount_; ++m) {
                addInto(run_.gPooledLevelTable[static_cast<std::size_t>(m)],
                        run_.gSeqLevelTable[static_cast<std::size_t>(m)]);
            }
        } else {
            addInto(run_.gPooledTable, run_.gSeqTable);
        }
    }

    static void addInto(SeqTable& sum, const SeqTable& table) {
        for (int i = 0; i <= kNo; ++i) {
            for (int j = 0; j <= kNo; ++j) {
                sum[i][j] += table[i][j];
            }
        }
    }

    // The resampling test runs here, before the output is written, for text and rows alike.
    void writeOutput(bool pooled) {
        std::string text;
        if (g_.OutputKind == kTextOutput) {
            const platform::DateTime now = p_.clock.now();
            const std::string date = textfile::reportDate(now.year, now.month, now.day);
            const std::int16_t pooledFiles = pooled ? pooledFiles_ : 0;
            const bool resample = run_.gResample != 0;
            const bool pooledCounts = pooledFiles > 0; // the text of an empty list's pooled step is per-file
            if (run_.gWithinLevel != 0) {
                const auto& tables = pooled ? run_.gPooledLevelTable : run_.gSeqLevelTable;
                const std::vector<ResampleResult> results =
                    resample ? resampleLevels(run_, tables, levelCount_, pooledCounts, resampling_)
                             : std::vector<ResampleResult>{};
                text = SeqLevelReport(run_, tables, levelCount_, fileName_, date, pooledFiles,
                                      resample ? &results : nullptr);
            } else {
                const SeqTable& table = pooled ? run_.gPooledTable : run_.gSeqTable;
                const ResampleResult result =
                    resample ? resampleTable(run_, table, pooledCounts, resampling_) : ResampleResult{};
                if (std::string* held = heldOutput(g_)) { // a press's hundreds of sections: no copy
                    appendSeqReport(*held, run_, table, fileName_, date, pooledFiles,
                                    resample ? &result : nullptr);
                    return;
                }
                text = SeqReport(run_, table, fileName_, date, pooledFiles, resample ? &result : nullptr);
            }
        } else {
            text = csvOutput(pooled);
        }
        appendToOutput(g_, text);
    }

    std::string csvOutput(bool pooled) {
        std::string text = seqCsvHeaderCells(run_);
        const std::string name = FileNameOnly(fileName_);
        if (run_.gWithinLevel == 0) {
            const SeqTable& table = pooled ? run_.gPooledTable : run_.gSeqTable;
            if (run_.gResample == 0) {
                return text + seqCsvRow(name, table);
            }
            const ResampleFields counts = fieldsOf(resampleTable(run_, table, pooled, resampling_));
            return text + seqCsvRow(name, table, &counts);
        }
        const auto& tables = pooled ? run_.gPooledLevelTable : run_.gSeqLevelTable;
        for (std::int16_t m = 1; m <= levelCount_; ++m) {
            const SeqTable& table = tables.at(static_cast<std::size_t>(m));
            const std::string& code = run_.gLevelCodes.at(static_cast<std::size_t>(m));
            if (run_.gResample == 0) {
                text += seqCsvLevelRow(name, code, table);
                continue;
            }
            const ResampleFields counts = fieldsOf(resampleLevel(run_, tables, m, pooled, resampling_));
            text += seqCsvLevelRow(name, code, table, &counts);
        }
        if (levelCount_ == 0) {
            text += textfile::kLineEnd; // header cells with no row after them still end their line
        }
        return text;
    }

    // Row 1 of the counts the test left, whether it finished or not.
    static ResampleFields fieldsOf(const ResampleResult& result) {
        return {result.counts[1][1], result.counts[1][2], result.counts[1][3]};
    }

    Global& g_;
    platform::Platform& p_;
    AnalysisStatus& status_;
    SequentialRun& run_;
    LagPairFiles* reuse_;
    std::string fileName_; // the data file being counted; "Pooled Output for " the list in the pooled step
    std::int16_t levelCount_ = 0;
    std::int16_t pooledFiles_ = 0;
    ResampleServices resampling_;
};

} // namespace

void SeqAnalysisRun(Global& g, platform::Platform& p, platform::Random& random, AnalysisStatus& status,
                    SequentialRun& run, const std::string& dataFileName, std::int16_t inputMode,
                    LagPairFiles* reuse) {
    Driver(g, p, random, status, run, reuse).run(dataFileName, inputMode);
}

} // namespace ws
