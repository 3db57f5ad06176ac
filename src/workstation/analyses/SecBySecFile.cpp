#include "workstation/analyses/SecBySecFile.h"

#include "textfile/Files.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "workstation/analyses/CodeCombinations.h"
#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/EventFile.h"
#include "workstation/core/EventFileServices.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace ws {
namespace {

constexpr double kRepaintSeconds = 0.05;
constexpr int kHighestGroup = 50;

// Seconds from `from` to `to` on a clock that starts again at midnight.
double elapsed(double from, double to) {
    return to >= from ? to - from : to + 86400.0 - from;
}

std::array<bool, kHighestGroup + 1> frequencyOnlyGroups(const MultilevModel* tree) {
    std::array<bool, kHighestGroup + 1> marked{};
    marked[0] = true;
    if (tree) {
        for (const MultilevNode& node : tree->nodes) {
            const int group = groupNumberOfText(node.text);
            if (isGroupText(node.text) && hasFrequencyOnlyMark(node.text) && group <= kHighestGroup) {
                marked[static_cast<std::size_t>(group)] = true;
            }
        }
    }
    return marked;
}

// Appends the time unit in print form.
void appendTime(std::string& out, std::int32_t t) {
    char digits[16];
    const long long magnitude = t < 0 ? -static_cast<long long>(t) : t;
    char* const endOfDigits = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    out += t < 0 ? '-' : ' ';
    out.append(digits, static_cast<std::size_t>(endOfDigits - digits));
    out += ' ';
}

// The file is kept like any file a person keeps: written beside it and put in place whole
// once the walk has ended (or was stopped), so a kill or a full disk leaves the old file.
class SecBySecOutput {
public:
    explicit SecBySecOutput(const std::string& path) : file_(path) { buffer_.reserve(kFlushBytes + 4096); }
    // The records of `units` units from t on, all holding the same states. The stretch's
    // record is made once; from one unit to the next only its time's digits count up.
    void records(std::int32_t t, std::int32_t units, const SecBySecStates& states) {
        record_.clear();
        appendTime(record_, t);
        std::size_t timeBytes = record_.size();
        for (const std::string* state : states) {
            record_ += ",\"";
            record_ += *state;
            record_ += '"';
        }
        record_ += "\r\n";
        for (std::int64_t u = t; u < static_cast<std::int64_t>(t) + units; ++u) {
            if (u == t) {
                // the record as made
            } else if (u > 0) {
                timeBytes += countUp(timeBytes);
            } else {
                time_.clear();
                appendTime(time_, static_cast<std::int32_t>(u));
                record_.replace(0, timeBytes, time_);
                timeBytes = time_.size();
            }
            buffer_ += record_;
            if (buffer_.size() >= kFlushBytes) {
                flush();
            }
        }
    }
    void commit() {
        flush();
        file_.commit();
    }

private:
    static constexpr std::size_t kFlushBytes = 1 << 20;
    void flush() {
        file_.write(buffer_);
        buffer_.clear();
    }
    // Adds one to the positive time at the front of record_ (sign place, digits, blank:
    // timeBytes bytes); the bytes it grew by.
    std::size_t countUp(std::size_t timeBytes) {
        for (std::size_t at = timeBytes - 2; at >= 1; --at) {
            if (record_[at] != '9') {
                ++record_[at];
                return 0;
            }
            record_[at] = '0';
        }
        record_.insert(record_.begin() + 1, '1'); // 99 + 1: one digit more
        return 1;
    }

    textfile::AtomicFileWriter file_;
    std::string buffer_;
    std::string record_; // the record of the unit being written
    std::string time_;
};

} // namespace

void SortEventsByTime(Global& g) {
    if (g.EventTimes[0] >= 1) {
        SortEvents(g, 1);
    }
}

std::string SecBySecFileNameOf(const std::string& dataFileName) {
    return textfile::companionName(dataFileName, ".SBS");
}

namespace {

// Walks unit by unit, or a stretch of equal records at a time.
enum class Pace { Units, Stretches };

bool walkStates(Global& g, platform::Platform& p, AnalysisStatus& status, const SecBySecRequest& request,
                Pace pace, const SecBySecStretchSink& sink) {
    for (const std::int16_t group : request.groups) {
        if (group < 0 || group > kHighestGroup) {
            throw textfile::RunError(textfile::kSubscriptOutOfRange);
        }
    }
    const auto frequencyOnly = frequencyOnlyGroups(request.treeMarks);
    // The column each code-table row sets: the first listed group of its number.
    std::vector<int> columnOfRow(static_cast<std::size_t>(g.NumCodes) + 1, -1);
    for (int row = 1; row <= g.NumCodes; ++row) {
        const std::int16_t group = g.CodeTable.group(row);
        for (std::size_t c = 0; c < request.groups.size(); ++c) {
            if (request.groups[c] == group) {
                columnOfRow[static_cast<std::size_t>(row)] = static_cast<int>(c);
                break;
            }
        }
    }
    // The columns whose codes hold for their own unit only; most walks have none.
    std::vector<std::size_t> frequencyOnlyColumns;
    for (std::size_t c = 0; c < request.groups.size(); ++c) {
        if (frequencyOnly[static_cast<std::size_t>(request.groups[c])]) {
            frequencyOnlyColumns.push_back(c);
        }
    }
    const CodeRowIndex index(g);
    SecBySecStates states(request.groups.size(), &kNoneValue);
    SecBySecRows rows(request.groups.size(), 0);

    const int endIndex = g.EventTimes[0];
    if (endIndex < 1 || endIndex > kMaxEvents) {
        return true; // no events read: nothing to walk
    }
    const std::int32_t start = g.EventTimes[1];
    const std::int32_t end = g.EventTimes[static_cast<std::size_t>(endIndex)];
    double lastShown = 0;
    bool shown = false;
    int cursor = 1;
    for (std::int64_t t = start; t <= end;) {
        const double now = p.clock.secondsSinceMidnight();
        if (!shown || elapsed(lastShown, now) >= kRepaintSeconds) {
            shown = true;
            lastShown = now;
            const float value =
                end == start ? 0.0f
                             : static_cast<float>(static_cast<double>(t - start) / (end - start) * 100.0);
            status.setProgress(static_cast<int>(std::nearbyint(value)));
            status.redraw();
            p.dialogs.yieldToUi();
        }
        if (g.AbortRun != 0) {
            return false;
        }
        while (cursor <= endIndex && g.EventTimes[static_cast<std::size_t>(cursor)] == t) {
            const std::string& code = g.EventCodes[static_cast<std::size_t>(cursor)];
            const int row = index.rowOf(code);
            if (row >= 1) {
                const int column = columnOfRow[static_cast<std::size_t>(row)];
                if (column >= 0) {
                    states[static_cast<std::size_t>(column)] = &code;
                    rows[static_cast<std::size_t>(column)] = row;
                }
            }
            ++cursor;
        }
        std::int64_t units = 1;
        if (pace == Pace::Stretches) {
            const std::int64_t afterEnd = static_cast<std::int64_t>(end) + 1;
            const std::int64_t next =
                cursor <= endIndex ? std::int64_t{g.EventTimes[static_cast<std::size_t>(cursor)]} : afterEnd;
            units = std::max<std::int64_t>(1, std::min(next, afterEnd) - t);
        }
        for (const std::size_t c : frequencyOnlyColumns) {
            if (states[c] != &kNoneValue) {
                units = 1; // the code holds for its own unit only
            }
        }
        sink(static_cast<std::int32_t>(t), static_cast<std::int32_t>(units), states, rows);
        for (const std::size_t c : frequencyOnlyColumns) {
            states[c] = &kNoneValue;
            rows[c] = 0;
        }
        t += units;
    }
    return true;
}

} // namespace

bool WalkSecBySecStates(Global& g, platform::Platform& p, AnalysisStatus& status,
                        const SecBySecRequest& request, const SecBySecSink& sink) {
    return walkStates(g, p, status, request, Pace::Units,
                      [&](std::int32_t t, std::int32_t, const SecBySecStates& states, const SecBySecRows&) {
                          sink(t, states);
                      });
}

bool WalkSecBySecStretches(Global& g, platform::Platform& p, AnalysisStatus& status,
                           const SecBySecRequest& request, const SecBySecStretchSink& sink) {
    return walkStates(g, p, status, request, Pace::Stretches, sink);
}

bool WriteSecBySecFile(Global& g, platform::Platform& p, AnalysisStatus& status, const std::string& sbsFile,
                       const SecBySecRequest& request, const SecBySecSink& alsoTo) {
    SecBySecOutput output(sbsFile);
    const bool whole = walkStates(
        g, p, status, request, Pace::Units,
        [&](std::int32_t t, std::int32_t units, const SecBySecStates& states, const SecBySecRows&) {
            output.records(t, units, states);
            if (alsoTo) {
                alsoTo(t, states);
            }
        });
    output.commit();
    return whole;
}

bool WriteSecBySecStretches(Global& g, platform::Platform& p, AnalysisStatus& status,
                            const std::string& sbsFile, const SecBySecRequest& request,
                            const SecBySecStretchSink& alsoTo) {
    SecBySecOutput output(sbsFile);
    const bool whole = walkStates(
        g, p, status, request, Pace::Stretches,
        [&](std::int32_t t, std::int32_t units, const SecBySecStates& states, const SecBySecRows& rows) {
            output.records(t, units, states);
            alsoTo(t, units, states, rows);
        });
    output.commit();
    return whole;
}

} // namespace ws
