#pragma once
// Merging groups of event files: each group's inputs read, their events sorted by time,
// and one event file written for the group.

#include "platform/Platform.h"

#include <functional>
#include <string>
#include <vector>

namespace ws {

inline constexpr int kMaxMergeGroups = 50;
inline constexpr int kMaxMergeFiles = 100;
inline constexpr int kMaxMergeEvents = 10000;

struct MergeGroup {
    std::string output;
    std::vector<std::string> inputs;
};

// What a run shows while it works.
struct MergeProgress {
    std::function<void(const std::string&)> label; // Label2
    std::function<void(int)> percent;              // ProgressBar1
};

// The working arrays of one group: events from index 1, times as doubles so that any time a
// file holds keeps its value.
class MergerCode {
public:
    MergerCode();

    std::vector<std::string> MergeCodes;
    std::vector<double> MergeTimes; // element 0: the count to sort and write
    int MergeCount = 0;
    double MergeEndTime = 0;

    // Gathers the events of one input. False, after a "Sorry" box naming the file, when it
    // is no native event file, ends without its "-500" record, or would pass the group's limit.
    bool ReadMergeSource(const std::string& fileName, platform::Dialogs& dialogs);
    // Exchange sort of 1..MergeTimes(0) by time: equal times are never exchanged with
    // each other directly, yet the result is not a stable order.
    void SortMergedEvents();
    // The merged file's bytes; line 2 names the first input and the moment of merging.
    std::string mergedFileBytes(const std::string& firstInput, const std::string& mergedAt) const;
};

// Runs every group in order, counting the groups written. A group that fails stops the run
// after its box and returns false; the groups written before it stay.
bool MergeGroups(const std::vector<MergeGroup>& groups, platform::Platform& p, const MergeProgress& progress,
                 int& groupsWritten);

} // namespace ws
