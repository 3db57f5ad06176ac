#include "workstation/analyses/FreqDurReport.h"

#include "textfile/Files.h"
#include "textfile/Paths.h"
#include "workstation/analyses/EventFilesList.h"
#include "workstation/analyses/FreqDurCounts.h"
#include "workstation/analyses/FreqDurSections.h"
#include "workstation/core/EventFile.h"
#include "workstation/core/ListFile.h"
#include "workstation/core/RunOutput.h"

#include <cmath>
#include <exception>

namespace ws {
namespace {

using platform::Buttons;
using platform::Icon;

const std::string kPooledHeader = "Pooled";

class FreqDurRun {
public:
    FreqDurRun(Global& g, platform::Platform& p, AnalysisStatus& status)
        : g_(g), p_(p), status_(status), counter_(g), pooledFrequency_(rowSlots(g), 0),
          pooledDuration_(rowSlots(g), 0) {
        const platform::DateTime now = p.clock.now();
        date_ = textfile::reportDate(now.year, now.month, now.day);
    }

    void run() {
        if (g_.InputMode != kListFileInput) {
            processFile(false);
            return;
        }
        runList();
    }

private:
    void runList() {
        std::optional<EventFilesRun> opened = beginEventFilesRun(g_, p_.dialogs, status_);
        if (!opened) {
            return;
        }
        const std::string& listName = opened->listName;
        const int count = opened->count;
        // The progress counts the entry about to be read.
        const auto progress = [count](int i) {
            return static_cast<int>(std::nearbyint(static_cast<double>(i) / count * 100.0));
        };
        if (count >= 1) {
            status_.setProgress(progress(1));
        }
        const bool walked = opened->list.walkEntries(count, [&](int i, const std::string& entry) {
            status_.setLabel("Processing file:" + textfile::FileNameOnly(listName) + "/" +
                             textfile::FileNameOnly(entry) + "-" + std::to_string(i));
            status_.redraw();
            g_.DataFileName = entry;
            if (!processFile(true)) {
                return false; // the reader's lines end the report
            }
            if (i < count) {
                status_.setProgress(progress(i + 1));
            }
            return true;
        });
        if (!walked) {
            return;
        }
        g_.DataFileName = listName;
        writeSection({listName, kPooledHeader, pooledFrequency_, pooledDuration_, pooledTime_}, true);
        status_.showProgress(false);
    }

    // False when the reader refused the file.
    bool processFile(bool inList) {
        std::string header;
        if (!ReadEventFile(g_, p_, g_.DataFileName, 1, header, counter_.index(), rows_)) {
            return false;
        }
        counter_.countFile(g_, rows_, fileCounts_);
        for (int row = 1; row <= g_.NumCodes; ++row) {
            const auto r = static_cast<std::size_t>(row);
            pooledFrequency_[r] = addInt32(pooledFrequency_[r], fileCounts_.frequency[r]);
            pooledDuration_[r] = addInt32(pooledDuration_[r], fileCounts_.duration[r]);
        }
        const std::int32_t endTime = g_.EventTimes[static_cast<std::size_t>(g_.EventTimes[0])];
        pooledTime_ = addInt32(pooledTime_, endTime);
        if (!inList || g_.SkipToPooled != 1) {
            writeSection({g_.DataFileName, header, fileCounts_.frequency, fileCounts_.duration, endTime},
                         false);
        }
        return true;
    }

    void writeSection(const FreqDurFigures& figures, bool pooled) {
        if (g_.OutputKind == kTextOutput) {
            appendToOutput(g_, freqDurTextSection(g_, g_, counter_, figures, date_, pooled));
            return;
        }
        std::string rows;
        if (csvHeadingDue_) {
            rows = freqDurCsvHeading(g_, counter_);
        }
        rows += freqDurCsvRow(g_, g_, counter_, figures);
        appendToOutput(g_, rows);
        // In a list of lists every row carries its own heading row.
        csvHeadingDue_ = g_.ListOfListsActive != 0;
    }

    Global& g_;
    platform::Platform& p_;
    AnalysisStatus& status_;
    std::string date_;
    FreqDurCounter counter_;
    std::vector<int> rows_; // by event: the reader's lookups, handed to the counter
    FreqDurCounts fileCounts_;
    std::vector<std::int32_t> pooledFrequency_; // a list's files pass 32,767 of a code easily
    std::vector<std::int32_t> pooledDuration_;
    std::int32_t pooledTime_ = 0;
    bool csvHeadingDue_ = true;
};

} // namespace

void FreqDurReport(Global& g, platform::Platform& p, AnalysisStatus& status) {
    status.setBusy(true);
    status.enablePick(false);
    status.setLabel("Processing file:" + textfile::FileNameOnly(g.DataFileName));
    status.redraw();
    try {
        RunOutputHold output(g); // the run's sections go out in one append
        FreqDurRun run(g, p, status);
        run.run();
        output.write();
    } catch (const std::exception& error) {
        showRunAborted(g.DataFileName, p.dialogs, &error);
        status.showProgress(false);
    }
    status.setBusy(false);
    status.enablePick(true);
}

} // namespace ws
