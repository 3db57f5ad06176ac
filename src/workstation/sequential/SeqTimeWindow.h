#pragma once
// Time-window counting through two scratch files beside the data file: the second-by-second
// file (one line per time unit with the current code of every listed group) and the yes/no
// file (one line per unit: is it in a given's window, does a target count there). The rules
// of gWindowRules decide both fields; the tallies add the lines into the run's tables.

#include "workstation/sequential/SequentialRun.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ws {

// Switches of gWindowRules, after element 0 (the window type).
inline constexpr int kCountTargetOnset = 1;
inline constexpr int kCountTargetDuration = 2;
inline constexpr int kCountTargetOffset = 3;
inline constexpr int kWindowIncludesOnset = 4;
inline constexpr int kWindowIncludesOffset = 5;
inline constexpr int kKillScrapFiles = 6;

// The yes/no file beside a second-by-second file (see SecBySecFileNameOf).
std::string ynfNameFor(const std::string& secBySecName);

// Units 1..n of a second-by-second file; entries 0 and n + 1 are never on, so every unit
// has neighbours.
struct WindowUnits {
    std::vector<char> given;
    std::vector<char> target;
    std::vector<std::string> level; // the level group's code per unit, when asked for
    std::int64_t count() const { return static_cast<std::int64_t>(given.size()) - 2; }
};

// Units taken one at a time, from a file's lines or straight from memory. levelColumn
// (1-based) picks the level field; 0 asks for none, -1 gives every unit "NONE".
class WindowUnitsBuilder {
public:
    WindowUnitsBuilder(const SequentialRun& run, int levelColumn);
    // One code of the unit being built, in its column (1-based).
    void code(int column, std::string code);
    void endUnit();
    WindowUnits finish();

private:
    const SequentialRun& run_;
    int levelColumn_;
    WindowUnits units_;
    bool given_ = false;
    bool target_ = false;
    std::string level_;
};

// Reads the lines of a second-by-second file with groupCount code fields each. levelColumn
// (1-based) picks the level field; 0 asks for none, -1 gives every unit "NONE". An empty
// file gives no unit.
WindowUnits readWindowUnits(const SequentialRun& run, const std::string& sbsName, int groupCount,
                            int levelColumn = 0);

// The yes/no lines of the units under the run's window rules: "Y,N" and the like, with
// ",<level>" after each when the units carry levels. A window type outside 1 to 3 gives none.
std::string ynfText(const SequentialRun& run, const WindowUnits& units);

// Rewrites the file with its lines in reverse order, each ended with CR LF.
void ReverseFileLines(const std::string& fileName);
// Reads sbsName and writes its yes/no file (named by ynfNameFor), plain or with levels.
void WriteYNF(const SequentialRun& run, const std::string& sbsName, std::int16_t groupCount);
// levelColumn: the level group's place among the listed groups (1-based), 0 when not listed.
void WriteYNFLevel(const SequentialRun& run, const std::string& sbsName, std::int16_t groupCount,
                   int levelColumn);
// The tallies of yes/no lines held in memory.
void tallyYnfLines(SequentialRun& run, const std::string& ynf);
void tallyYnfLevelLines(SequentialRun& run, const std::string& ynf, std::int16_t levelCount,
                        const std::function<void()>& perLine);
// Units in the reverse order of time, for a backward count.
void reverseUnits(WindowUnits& units);

// Adds every line of a plain yes/no file to gSeqTable.
void TallyYNF(SequentialRun& run, const std::string& ynfName);
// Adds every line of a level yes/no file to gSeqLevelTable at the level of its code, or of
// the last unit that had one (level 0 before any). `perLine` runs after each line.
void TallyYNFLevel(SequentialRun& run, const std::string& ynfName, std::int16_t levelCount,
                   const std::function<void()>& perLine);

} // namespace ws
