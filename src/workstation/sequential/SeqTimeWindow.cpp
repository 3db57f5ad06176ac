#include "workstation/sequential/SeqTimeWindow.h"

#include "textfile/FieldReader.h"
#include "textfile/Files.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "workstation/sequential/SeqCount.h"

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

bool isYes(std::string_view field) {
    return field == "Y";
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

std::string secBySecNameFor(const std::string& dataFileName) {
    return textfile::companionName(dataFileName, ".SBS");
}

std::string ynfNameFor(const std::string& secBySecName) {
    return secBySecName.substr(0, secBySecName.size() >= 4 ? secBySecName.size() - 4 : 0) + ".YNF";
}

WindowUnits readWindowUnits(const SequentialRun& run, const std::string& sbsName, int groupCount,
                            int levelColumn) {
    textfile::FieldReader reader = textfile::FieldReader::fromFile(sbsName);
    WindowUnits units;
    units.given.push_back(0);
    units.target.push_back(0);
    if (levelColumn != 0) {
        units.level.emplace_back();
    }
    std::string code;
    while (!reader.atEnd()) {
        reader.readFieldView(); // the unit's number: units count by their place in the file
        bool given = false;
        bool target = false;
        std::string level = kNoLevel;
        for (int k = 1; k <= groupCount && !reader.atEnd(); ++k) {
            code = reader.readField().text;
            target = target || IsTargetCode(run, code);
            given = IsGivenCode(run, code) || given;
            if (k == levelColumn) {
                level = code;
            }
        }
        units.given.push_back(given ? 1 : 0);
        units.target.push_back(target ? 1 : 0);
        if (levelColumn != 0) {
            units.level.push_back(level);
        }
    }
    units.given.push_back(0);
    units.target.push_back(0);
    return units;
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

void TallyYNF(SequentialRun& run, const std::string& ynfName) {
    textfile::FieldReader reader = textfile::FieldReader::fromFile(ynfName);
    while (!reader.atEnd()) {
        const int g = isYes(reader.readFieldView().text) ? kYes : kNo;
        const int t = isYes(reader.readFieldView().text) ? kYes : kNo;
        ++run.gSeqTable[g][t];
    }
}

void TallyYNFLevel(SequentialRun& run, const std::string& ynfName, std::int16_t levelCount,
                   const std::function<void()>& perLine) {
    textfile::FieldReader reader = textfile::FieldReader::fromFile(ynfName);
    std::size_t level = 0;
    while (!reader.atEnd()) {
        const int g = isYes(reader.readFieldView().text) ? kYes : kNo;
        const int t = isYes(reader.readFieldView().text) ? kYes : kNo;
        const std::string code(reader.readFieldView().text);
        for (int m = 1; m <= levelCount; ++m) {
            if (code == run.gLevelCodes.at(static_cast<std::size_t>(m))) {
                level = static_cast<std::size_t>(m);
                break;
            }
        }
        ++run.gSeqLevelTable.at(level)[g][t];
        perLine();
    }
}

} // namespace ws
