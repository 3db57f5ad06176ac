#include "workstation/analyses/MultiGroupFreqDur.h"

#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "workstation/analyses/CheckDataFiles.h"
#include "workstation/analyses/EventFilesList.h"
#include "workstation/analyses/MultiGroupSections.h"
#include "workstation/analyses/RunAnalysis.h"
#include "workstation/core/EventFile.h"
#include "workstation/core/ListFile.h"
#include "workstation/core/RunOutput.h"

#include <cmath>
#include <exception>
#include <filesystem>
#include <limits>
#include <optional>

namespace ws {

namespace {

using platform::Buttons;
using platform::Icon;

// How the run goes on after a step.
enum class Step { Next, EndRun };

class MultiGroupRun {
public:
    MultiGroupRun(Global& g, platform::Platform& p, AnalysisStatus& status, const MultilevModel& tree,
                  const ShowGraph& showGraph)
        : g_(g), p_(p), status_(status), tree_(tree), showGraph_(showGraph) {
        const platform::DateTime now = p.clock.now();
        date_ = textfile::reportDate(now.year, now.month, now.day);
    }

    void run() {
        status_.setLabel("Making Code Combinations");
        status_.redraw();
        if (MakeCodeCombinations(g_, tree_, p_.dialogs, combos_)) {
            return;
        }
        counter_.emplace(combos_, g_);
        sections_.emplace(combos_, tree_);
        pooled_.assign(combos_.ComboCounts.size(), 0);
        pooled_[0] = combos_.count();
        status_.setLabel("Processing file:" + textfile::FileNameOnly(g_.DataFileName));
        status_.redraw();
        if (g_.InputMode != kListFileInput) {
            processFile();
            return;
        }
        runList();
    }

private:
    void runList() {
        std::optional<EventFilesRun> opened = beginEventFilesRun(
            g_, p_.dialogs, status_, "(you must pick an event file list for this analysis)");
        if (!opened) {
            return;
        }
        const std::string& listName = opened->listName;
        const int count = opened->count;
        firstFile_ = true;
        const bool walked = opened->list.walkEntries(count, [&](int i, const std::string& entry) {
            if (i > 1) {
                firstFile_ = false;
            }
            status_.setLabel("Processing file:" + textfile::FileNameOnly(listName) + "-" +
                             textfile::FileNameOnly(entry) + "-" + std::to_string(i));
            status_.redraw();
            g_.DataFileName = entry;
            if (processFile() == Step::EndRun) {
                return false;
            }
            status_.setProgress(static_cast<int>(std::nearbyint(static_cast<double>(i) / count * 100.0)));
            return true;
        });
        if (!walked) {
            return;
        }
        if (g_.SkipToPooled != 0) {
            firstFile_ = true;
        }
        g_.DataFileName = "Pooled Output for " + textfile::FileNameOnly(listName);
        writeSection(pooled_, true, textfile::FileNameOnly(listName), "Pooled");
    }

    Step processFile() {
        std::string header;
        if (!ReadEventFile(g_, p_, g_.DataFileName, 1, header)) {
            return Step::EndRun;
        }
        SortEventsByTime(g_);
        CheckSameSecondCodes(g_, p_, g_.DataFileName, tree_.options.Check8);
        g_.SecBySecFileName = SecBySecFileNameOf(g_.DataFileName);
        const std::string sbsFile = g_.SecBySecFileName;
        const SecBySecRequest request{
            std::span<const std::int16_t>(combos_.CodeGroups.data() + 1,
                                          static_cast<std::size_t>(combos_.CodeGroupCount)),
            anyFrequencyOnlyMark(tree_) ? &tree_ : nullptr};

        bool broken = false;
        std::int32_t units = 0;
        // Equal records come a stretch at a time: each stretch is counted once.
        const auto count = [&](std::int32_t, std::int32_t stretch, const SecBySecStates& states,
                               const SecBySecRows& rows) {
            units += stretch;
            if (!broken && !counter_->count(states, rows, combos_.ComboCounts, stretch)) {
                broken = true;
            }
        };
        // The file is only needed when it is kept or drawn; the counts come from memory.
        const bool fileWanted = tree_.options.Check3 != 0 || tree_.options.Check5 != 0;
        const bool whole = fileWanted ? WriteSecBySecStretches(g_, p_, status_, sbsFile, request, count)
                                      : WalkSecBySecStretches(g_, p_, status_, request, count);
        if (!whole) {
            return Step::EndRun;
        }
        if (broken) {
            p_.dialogs.messageBox(kCountBrokenMessage, kProgramTitle, Buttons::OK, Icon::None);
            removeUnkept(sbsFile);
            return Step::EndRun;
        }
        if (tree_.options.Check5 != 0 && showGraph_) {
            g_.SecBySecFileName = sbsFile;
            showGraph_(GraphFile{sbsFile, combos_.CodeGroupCount, units});
        }
        removeUnkept(sbsFile);
        for (int i = 1; i <= combos_.count(); ++i) {
            const auto at = static_cast<std::size_t>(i);
            pooled_[at] = addInt32(pooled_[at], combos_.ComboCounts[at]);
        }
        if (g_.SkipToPooled == 0) {
            writeSection(combos_.ComboCounts, false, textfile::FileNameOnly(g_.DataFileName), header);
        }
        std::fill(combos_.ComboCounts.begin() + 1, combos_.ComboCounts.end(), 0);
        return Step::Next;
    }

    void removeUnkept(const std::string& sbsFile) {
        if (tree_.options.Check3 == 0) {
            std::error_code ignored;
            std::filesystem::remove(sbsFile, ignored);
        }
    }

    static std::int32_t addInt32(std::int32_t a, std::int32_t b) {
        const std::int64_t sum = static_cast<std::int64_t>(a) + b;
        if (sum > std::numeric_limits<std::int32_t>::max()) {
            throw textfile::RunError(textfile::kOverflow);
        }
        return static_cast<std::int32_t>(sum);
    }

    void writeSection(const std::vector<std::int32_t>& counts, bool pooled, const std::string& name,
                      const std::string& header) {
        if (tree_.options.Check6 != 1) {
            return;
        }
        if (g_.OutputKind == kTextOutput) {
            appendToOutput(g_, sections_->text(counts, date_,
                                               (pooled ? "  List File Name: " : "  Event File Name: ") + name,
                                               "  " + header, pooled ? kPooledPageLength : kFilePageLength));
            return;
        }
        // Without zeros each row holds its own combinations, so each row needs its own titles.
        const bool titleRow = firstFile_ || tree_.options.Check4 != 0;
        appendToOutput(g_, sections_->csv(counts, pooled ? name + "-Pooled" : name, titleRow));
    }

    Global& g_;
    platform::Platform& p_;
    AnalysisStatus& status_;
    const MultilevModel& tree_;
    const ShowGraph& showGraph_;
    std::string date_;
    CodeCombinations combos_;
    std::optional<SecBySecCounter> counter_; // one for the run: the combinations stay
    std::optional<MultiGroupSections> sections_;
    std::vector<std::int32_t> pooled_;
    bool firstFile_ = false;
};

} // namespace

void MultiGroupFreqDur(Global& g, platform::Platform& p, AnalysisStatus& status, const MultilevModel& tree,
                       const ShowGraph& showGraph) {
    status.redraw();
    status.setBusy(true);
    status.enablePick(false);
    try {
        RunOutputHold output(g); // the run's sections go out in one append
        MultiGroupRun run(g, p, status, tree, showGraph);
        run.run();
        output.write();
    } catch (const std::exception& error) {
        showRunAborted(g.DataFileName, p.dialogs, &error);
    }
    status.setBusy(false);
    status.enablePick(true);
}

} // namespace ws
