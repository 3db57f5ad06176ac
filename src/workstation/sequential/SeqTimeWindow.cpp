#include "workstation/sequential/SeqTimeWindow.h"

#include "textfile/FieldReader.h"
#include "textfile/Files.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "workstation/sequential/SeqCount.h"

#include <algorithm>

namespace ws {
namespace {

constexpr const char* kNoLevel = "NONE";

struct Edges {
    bool onset = false;
    bool offset = false;
    bool middle = false;
};

Edges edgesAt(const std::vector<char>& on, std::size_t s) {
    Edges e;
    if (on[s] != 0) {
        e.onset = on[s - 1] == 0;
        e.offset = on[s + 1] == 0;
        e.middle = !e.onset && !e.offset;
    }
    return e;
}

bool rule(const SequentialRun& run, int index) {
    return run.gWindowRules[static_cast<std::size_t>(index)] == 1;
}

// The onset decides a one-unit stretch, then the offset, then the middle.
bool edgeCounts(const Edges& e, bool onset, bool middle, bool offset) {
    if (e.onset) {
        return onset;
    }
    if (e.offset) {
        return offset;
    }
    return e.middle && middle;
}

class GivenWindow {
public:
    explicit GivenWindow(const SequentialRun& run) : run_(run), length_(run.gLagCount) {}

    bool holds(const Edges& e, std::int64_t s) {
        switch (run_.gWindowRules[0]) {
        case kWindowFromOnset:
            if (e.onset) {
                open(s, rule(run_, kWindowIncludesOnset));
            }
            return start_ <= s && s <= end_;
        case kWindowFromOffset:
            if (e.offset) {
                open(s, rule(run_, kWindowIncludesOffset));
            }
            return start_ <= s && s <= end_;
        default:
            return edgeCounts(e, rule(run_, kWindowIncludesOnset), true, rule(run_, kWindowIncludesOffset));
        }
    }

private:
    // 64-bit bounds: a window near the 32-bit limit never wraps.
    void open(std::int64_t s, bool includesEdge) {
        start_ = includesEdge ? s : s + 1;
        end_ = includesEdge ? s + length_ - 1 : s + length_;
    }

    const SequentialRun& run_;
    std::int64_t length_;
    std::int64_t start_ = 0;
    std::int64_t end_ = 0;
};

// One yes/no line: the given and target letters, then the level code as the rest of the
// line, so a code holding a comma stays whole. Missing fields read as empty.
struct YnfLine {
    int given = kNo;
    int target = kNo;
    std::string_view level;
};

YnfLine splitYnfLine(std::string_view line) {
    YnfLine out;
    const std::size_t first = line.find(',');
    out.given = line.substr(0, first) == "Y" ? kYes : kNo;
    if (first == std::string_view::npos) {
        return out;
    }
    const std::string_view rest = line.substr(first + 1);
    const std::size_t second = rest.find(',');
    out.target = rest.substr(0, second) == "Y" ? kYes : kNo;
    if (second != std::string_view::npos) {
        out.level = rest.substr(second + 1);
    }
    return out;
}

std::vector<std::string> linesOf(const std::string& bytes) {
    textfile::FieldReader reader(bytes);
    std::vector<std::string> lines;
    while (!reader.atEnd()) {
        lines.push_back(reader.readLine());
    }
    return lines;
}

void writeYnf(const SequentialRun& run, const std::string& sbsName, int groupCount, int levelColumn) {
    const WindowUnits units = readWindowUnits(run, sbsName, groupCount, levelColumn);
    textfile::saveFileAtomically(ynfNameFor(sbsName), ynfText(run, units));
}

} // namespace

std::string ynfNameFor(const std::string& secBySecName) {
    return secBySecName.substr(0, secBySecName.size() >= 4 ? secBySecName.size() - 4 : 0) + ".YNF";
}

WindowUnitsBuilder::WindowUnitsBuilder(const SequentialRun& run, int levelColumn)
    : run_(run), levelColumn_(levelColumn), level_(kNoLevel) {
    units_.given.push_back(0);
    units_.target.push_back(0);
    if (levelColumn_ != 0) {
        units_.level.emplace_back();
    }
}

void WindowUnitsBuilder::code(int column, std::string code) {
    target_ = target_ || IsTargetCode(run_, code);
    given_ = IsGivenCode(run_, code) || given_;
    if (column == levelColumn_) {
        level_ = std::move(code);
    }
}

void WindowUnitsBuilder::endUnit() {
    units_.given.push_back(given_ ? 1 : 0);
    units_.target.push_back(target_ ? 1 : 0);
    if (levelColumn_ != 0) {
        units_.level.push_back(level_);
    }
    given_ = target_ = false;
    level_ = kNoLevel;
}

WindowUnits WindowUnitsBuilder::finish() {
    units_.given.push_back(0);
    units_.target.push_back(0);
    return std::move(units_);
}

WindowUnits readWindowUnits(const SequentialRun& run, const std::string& sbsName, int groupCount,
                            int levelColumn) {
    textfile::FieldReader reader = textfile::FieldReader::fromFile(sbsName);
    WindowUnitsBuilder units(run, levelColumn);
    while (!reader.atEnd()) {
        reader.readFieldView(); // the unit's number: units count by their place in the file
        for (int k = 1; k <= groupCount && !reader.atEnd(); ++k) {
            units.code(k, reader.readField().text);
        }
        units.endUnit();
    }
    return units.finish();
}

std::string ynfText(const SequentialRun& run, const WindowUnits& units) {
    const std::int16_t type = run.gWindowRules[0];
    if (type < kWindowFromOnset || type > kWindowConcurrent) {
        return {};
    }
    GivenWindow window(run);
    const bool onset = rule(run, kCountTargetOnset);
    const bool duration = rule(run, kCountTargetDuration);
    const bool offset = rule(run, kCountTargetOffset);
    std::string out;
    for (std::int64_t s = 1; s <= units.count(); ++s) {
        const auto at = static_cast<std::size_t>(s);
        out += window.holds(edgesAt(units.given, at), s) ? 'Y' : 'N';
        out += ',';
        out += edgeCounts(edgesAt(units.target, at), onset, duration, offset) ? 'Y' : 'N';
        if (!units.level.empty()) {
            out += ',' + units.level[at];
        }
        out += textfile::kLineEnd;
    }
    return out;
}

void ReverseFileLines(const std::string& fileName) {
    std::vector<std::string> lines = linesOf(textfile::readWholeFile(fileName));
    std::string out;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        out += *line + std::string(textfile::kLineEnd);
    }
    textfile::saveFileAtomically(fileName, out);
}

void WriteYNF(const SequentialRun& run, const std::string& sbsName, std::int16_t groupCount) {
    writeYnf(run, sbsName, groupCount, 0);
}

void WriteYNFLevel(const SequentialRun& run, const std::string& sbsName, std::int16_t groupCount,
                   int levelColumn) {
    writeYnf(run, sbsName, groupCount, levelColumn == 0 ? -1 : levelColumn);
}

void reverseUnits(WindowUnits& units) {
    std::reverse(units.given.begin(), units.given.end());
    std::reverse(units.target.begin(), units.target.end());
    if (!units.level.empty()) {
        // Entry 0 holds no unit: the units alone change places.
        std::reverse(units.level.begin() + 1, units.level.end());
    }
}

void TallyYNF(SequentialRun& run, const std::string& ynfName) {
    tallyYnfLines(run, textfile::readWholeFile(ynfName));
}

void TallyYNFLevel(SequentialRun& run, const std::string& ynfName, std::int16_t levelCount,
                   const std::function<void()>& perLine) {
    tallyYnfLevelLines(run, textfile::readWholeFile(ynfName), levelCount, perLine);
}

void tallyYnfLines(SequentialRun& run, const std::string& ynf) {
    textfile::FieldReader reader(ynf);
    while (!reader.atEnd()) {
        const YnfLine line = splitYnfLine(reader.readLineView());
        ++run.gSeqTable[line.given][line.target];
    }
}

void tallyYnfLevelLines(SequentialRun& run, const std::string& ynf, std::int16_t levelCount,
                        const std::function<void()>& perLine) {
    textfile::FieldReader reader(ynf);
    std::size_t level = 0;
    while (!reader.atEnd()) {
        const YnfLine line = splitYnfLine(reader.readLineView());
        for (int m = 1; m <= levelCount; ++m) {
            if (line.level == run.gLevelCodes.at(static_cast<std::size_t>(m))) {
                level = static_cast<std::size_t>(m);
                break;
            }
        }
        ++run.gSeqLevelTable.at(level)[line.given][line.target];
        perLine();
    }
}

} // namespace ws
