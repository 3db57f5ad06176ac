#include "workstation/sequential/SeqAnalysisRun.h"

#include "textfile/Files.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "workstation/core/EventFile.h"
#include "workstation/core/ListFile.h"
#include "workstation/sequential/SeqCount.h"
#include "workstation/sequential/SeqCsvRows.h"
#include "workstation/sequential/SeqLevelReport.h"
#include "workstation/sequential/SeqReport.h"
#include "workstation/sequential/SeqResampling.h"
#include "workstation/sequential/SeqStatistics.h"
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

    void run() {
        run_.gPooledTable = SeqTable{};
        run_.gPooledLevelTable.assign(static_cast<std::size_t>(std::max<int>(g_.NumCodes, 0)) + 1,
                                      SeqTable{});
        run_.gResampleCounts = {};
        run_.gPooledResampleCounts = {};
        status_.setBusy(true);
        status_.setLabel("Processing file: " + FileNameOnly(g_.DataFileName));
        if (g_.InputMode == kListFileInput) {
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
        const std::string listPath = g_.DataFileName;
        std::optional<ListFileReader> list;
        try {
            list.emplace(listPath);
        } catch (const textfile::RunError&) {
            // A list that cannot be opened is no list of event files.
        }
        if (!list || list->type() != kEventFilesList) {
            p_.dialogs.beep();
            p_.dialogs.messageBox("Not a valid list: " + g_.DataFileName, "ERROR!", platform::Buttons::OK,
                                  platform::Icon::None);
            return Step::End;
        }
        g_.InputMode = kSingleFileInput;
        status_.showProgress(true);
        const int count = list->readCount();
        pooledFiles_ = static_cast<std::int16_t>(count);
        for (int i = 1; i <= count; ++i) {
            std::string entry;
            try {
                entry = list->readEntry();
            } catch (const textfile::RunError&) {
                break; // the list holds fewer entries than its count: it ends at its last one
            }
            status_.setLabel("Processing file: " + FileNameOnly(listPath) + "-" + FileNameOnly(entry) + "-" +
                             std::to_string(i));
            g_.DataFileName = entry;
            if (fileStep() == Step::End) {
                return Step::End;
            }
            status_.setProgress(static_cast<int>(std::nearbyint(static_cast<double>(i) / count * 100.0)));
        }
        g_.DataFileName = "Pooled Output for " + listPath;
        writeOutput(true);
        return Step::Go;
    }

    Step fileStep() {
        const bool plain = run_.gWithinLevel == 0 && run_.gEventLags != 0;
        const bool kept =
            run_.gEventLags == textfile::kFalse
                ? timeWindowFileKept(run_, g_, reuse_ != nullptr ? &reuse_->windowFiles() : nullptr)
                : plain && reuse_ != nullptr && reuse_->holds(g_.DataFileName, run_);
        if (!kept) {
            std::string header;
            const bool clean = plain && reuse_ != nullptr
                                   ? reuse_->read(g_, p_, g_.DataFileName, header, run_)
                                   : ReadEventFile(g_, p_, g_.DataFileName, 1, header);
            if (!clean) {
                return Step::End;
            }
        }
        try {
            count(plain);
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

    void count(bool plain) {
        if (run_.gEventLags == textfile::kFalse) {
            if (run_.gWithinLevel != 0) {
                levelCount_ = SeqCountTimeWindowLevel(run_, g_, p_, status_, run_.gWithinLevel);
            } else {
                SeqCountTimeWindow(run_, g_, p_, status_,
                                   reuse_ != nullptr ? &reuse_->windowFiles() : nullptr);
            }
        } else if (run_.gWithinLevel != 0) {
            levelCount_ = SeqCountWithinLevel(run_, g_, p_.dialogs, run_.gWithinLevel);
        } else if (plain && reuse_ != nullptr && reuse_->holds(g_.DataFileName, run_)) {
            p_.dialogs.yieldToUi();
            run_.gSeqTable = stopRequested(g_) ? SeqTable{} : reuse_->table(g_.DataFileName, run_, g_);
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

    void writeOutput(bool pooled) {
        std::string text;
        if (g_.OutputKind == kTextOutput) {
            const platform::DateTime now = p_.clock.now();
            const std::string date = textfile::reportDate(now.year, now.month, now.day);
            const std::int16_t pooledFiles = pooled ? pooledFiles_ : 0;
            ResampleServices* resample = run_.gResample != 0 ? &resampling_ : nullptr;
            if (run_.gWithinLevel != 0) {
                text = SeqLevelReport(run_, pooled ? run_.gPooledLevelTable : run_.gSeqLevelTable,
                                      levelCount_, g_.DataFileName, date, pooledFiles, resample);
            } else {
                text = SeqReport(run_, pooled ? run_.gPooledTable : run_.gSeqTable, g_.DataFileName, date,
                                 pooledFiles, resample);
            }
        } else {
            text = csvOutput(pooled);
        }
        textfile::appendToFile(g_.OutputFileName, text);
    }

    std::string csvOutput(bool pooled) {
        std::string text = seqCsvHeaderCells(run_);
        const std::string name = FileNameOnly(g_.DataFileName);
        if (run_.gWithinLevel == 0) {
            const SeqTable& table = pooled ? run_.gPooledTable : run_.gSeqTable;
            if (run_.gResample == 0) {
                return text + seqCsvRow(name, table);
            }
            ResamplingTest(run_, table, observedQ(table), pooled, resampling_);
            const ResampleFields counts = resampleFields(pooled);
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
            ResamplingTest(run_, tables, m, observedQ(table), pooled, resampling_);
            const ResampleFields counts = resampleFields(pooled);
            text += seqCsvLevelRow(name, code, table, &counts);
        }
        if (levelCount_ == 0) {
            text += textfile::kLineEnd; // header cells with no row after them still end their line
        }
        return text;
    }

    static float observedQ(const SeqTable& table) {
        return seqStatistics(table, KappaExpectation::Unrounded).Q;
    }

    // Row 1 of the counts the last test left, whether it finished or not.
    ResampleFields resampleFields(bool pooled) const {
        ResampleFields fields{};
        for (int column = 1; column <= 3; ++column) {
            fields[static_cast<std::size_t>(column - 1)] =
                pooled ? run_.gPooledResampleCounts[1][column] : run_.gResampleCounts[1][column];
        }
        return fields;
    }

    Global& g_;
    platform::Platform& p_;
    AnalysisStatus& status_;
    SequentialRun& run_;
    LagPairFiles* reuse_;
    std::int16_t levelCount_ = 0;
    std::int16_t pooledFiles_ = 0;
    ResampleServices resampling_;
};

} // namespace

void SeqAnalysisRun(Global& g, platform::Platform& p, platform::Random& random, AnalysisStatus& status,
                    SequentialRun& run, LagPairFiles* reuse) {
    Driver(g, p, random, status, run, reuse).run();
}

} // namespace ws
