#include "workstation/sequential/SeqTimeWindowCount.h"

#include "textfile/Files.h"
#include "textfile/RunError.h"
#include "workstation/analyses/SecBySecFile.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/sequential/SeqCount.h"
#include "workstation/sequential/SeqTimeWindow.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <span>

namespace ws {
namespace {

constexpr double kYieldSeconds = 0.05;

struct ListedGroups {
    std::int16_t count = 0;
    std::array<std::int16_t, 51> groups{};
    std::span<const std::int16_t> columns() const {
        return {groups.data() + 1, static_cast<std::size_t>(count)};
    }
    // 1-based place of a group among the columns; 0 when it is not listed.
    int columnOf(std::int16_t group) const {
        for (int k = 1; k <= count; ++k) {
            if (groups[static_cast<std::size_t>(k)] == group) {
                return k;
            }
        }
        return 0;
    }
};

// The window system gets in at most every 50 ms while the level tally runs.
class Pacer {
public:
    Pacer(platform::Platform& p) : p_(p) {}
    void operator()() {
        const double now = p_.clock.secondsSinceMidnight();
        if (!yielded_ || now - last_ >= kYieldSeconds || now < last_) {
            yielded_ = true;
            last_ = now;
            p_.dialogs.yieldToUi();
        }
    }

private:
    platform::Platform& p_;
    bool yielded_ = false;
    double last_ = 0;
};

// The units straight from the walk, as the second-by-second file would give them.
// Nothing when a stop request ended the walk.
std::optional<WindowUnits> unitsInMemory(const SequentialRun& run, Global& g, platform::Platform& p,
                                         AnalysisStatus& status, const ListedGroups& listed,
                                         int levelColumn) {
    WindowUnitsBuilder units(run, levelColumn);
    const bool whole = WalkSecBySecStates(g, p, status, SecBySecRequest{listed.columns()},
                                          [&units](std::int32_t, const SecBySecStates& states) {
                                              for (std::size_t c = 0; c < states.size(); ++c) {
                                                  units.code(static_cast<int>(c) + 1, *states[c]);
                                              }
                                              units.endUnit();
                                          });
    return whole ? std::optional<WindowUnits>(units.finish()) : std::nullopt;
}

template <class Step> void onScratchFile(const std::string& path, Step&& step) {
    errno = 0;
    try {
        step();
    } catch (const textfile::RunError& e) {
        // The system's own words for the cause when it gave one.
        const int cause = errno;
        throw ScratchFileError{path, cause != 0 ? std::string(std::strerror(cause)) : e.description()};
    }
}

// levelGroup 0: the plain count. Gives the yes/no lines to tally.
std::string yesNoLines(SequentialRun& run, Global& g, platform::Platform& p, AnalysisStatus& status,
                       const std::string& dataFileName, std::int16_t levelGroup) {
    ListedGroups listed;
    ListCodeGroups(g, listed.count, listed.groups);
    g.SecBySecFileName = SecBySecFileNameOf(dataFileName);
    const std::string ynfName = ynfNameFor(g.SecBySecFileName);
    int levelColumn = 0;
    if (levelGroup != 0) {
        levelColumn = listed.columnOf(levelGroup);
        levelColumn = levelColumn == 0 ? -1 : levelColumn;
    }
    if (run.gWindowRules[kKillScrapFiles] == 1) {
        std::optional<WindowUnits> units = unitsInMemory(run, g, p, status, listed, levelColumn);
        if (!units) {
            return {};
        }
        if (run.gForward == 0) {
            reverseUnits(*units);
        }
        return ynfText(run, *units);
    }
    const std::string& sbsName = g.SecBySecFileName;
    bool whole = false;
    onScratchFile(sbsName, [&] {
        whole = WriteSecBySecFile(g, p, status, sbsName, SecBySecRequest{listed.columns()});
        if (whole && run.gForward == 0) {
            ReverseFileLines(sbsName);
        }
    });
    if (!whole) {
        // A stopped walk is no count: the driver writes nothing more, and no yes/no file
        // is made from the units written before the stop.
        return {};
    }
    std::string lines;
    onScratchFile(ynfName, [&] {
        if (levelGroup == 0) {
            WriteYNF(run, sbsName, listed.count);
        } else {
            WriteYNFLevel(run, sbsName, listed.count, levelColumn < 0 ? 0 : levelColumn);
        }
        lines = textfile::readWholeFile(ynfName);
    });
    return lines;
}

} // namespace

bool timeWindowFileKept(const SequentialRun& run, const std::string& dataFileName,
                        const WindowIntervalFiles* kept) {
    return run.gWithinLevel == 0 && run.gWindowRules[kKillScrapFiles] == 1 && kept != nullptr &&
           kept->find(dataFileName) != nullptr;
}

void SeqCountTimeWindow(SequentialRun& run, Global& g, platform::Platform& p, AnalysisStatus& status,
                        const std::string& dataFileName, WindowIntervalFiles* kept, SlotRows known) {
    run.gSeqTable = SeqTable{};
    if (run.gWindowRules[kKillScrapFiles] == 1) {
        // Nothing is written, so the units need not be walked one by one: the stretches
        // where codes are on give the same counts.
        p.dialogs.yieldToUi();
        if (g.AbortRun != textfile::kFalse) {
            return;
        }
        g.SecBySecFileName = SecBySecFileNameOf(dataFileName);
        const CodeIntervals* file = kept != nullptr ? kept->find(dataFileName) : nullptr;
        CodeIntervals fresh;
        if (file == nullptr) {
            ListedGroups listed;
            ListCodeGroups(g, listed.count, listed.groups);
            if (kept != nullptr) {
                file = &kept->keep(dataFileName, g, listed.columns(), known);
            } else {
                fresh = codeIntervalsOf(g, listed.columns(), known);
                file = &fresh;
            }
        }
        run.gSeqTable = kept != nullptr ? kept->table(run, g, *file) : windowTableOf(run, g, *file);
        return;
    }
    tallyYnfLines(run, yesNoLines(run, g, p, status, dataFileName, 0));
    completeTotals(run.gSeqTable);
}

std::int16_t SeqCountTimeWindowLevel(SequentialRun& run, Global& g, platform::Platform& p,
                                     AnalysisStatus& status, const std::string& dataFileName,
                                     std::int16_t levelGroup) {
    const std::int16_t levelCount = collectLevelCodes(run, g, levelGroup);
    Pacer pacer(p);
    tallyYnfLevelLines(run, yesNoLines(run, g, p, status, dataFileName, levelGroup), levelCount,
                       [&pacer] { pacer(); });
    for (int m = 1; m <= levelCount; ++m) {
        completeTotals(run.gSeqLevelTable[static_cast<std::size_t>(m)]);
    }
    return levelCount;
}

} // namespace ws
