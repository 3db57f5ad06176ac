#include "FuzzSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace fuzz {

const std::string& scratchFolder() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "suite-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        return pattern;
    }();
    return folder;
}

std::string scratchPath(const std::string& name) {
    return scratchFolder() + "/" + name;
}

std::string writeScratch(const std::string& name, std::string_view bytes) {
    // Plain writes: a flush to disk for every input would cost more than the input's run.
    const std::string path = scratchPath(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::perror(path.c_str());
        std::abort();
    }
    return path;
}

std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

std::vector<std::string_view> splitParts(std::string_view input, std::size_t parts) {
    std::vector<std::string_view> pieces;
    while (pieces.size() + 1 < parts) {
        const std::size_t cut = input.find('\0');
        if (cut == std::string_view::npos) {
            break;
        }
        pieces.push_back(input.substr(0, cut));
        input.remove_prefix(cut + 1);
    }
    pieces.push_back(input);
    pieces.resize(parts);
    return pieces;
}

ws::Global& reusedGlobal(int which) {
    static std::map<int, ws::Global> globals;
    ws::Global& g = globals[which];
    static_cast<ws::WorkstationSettings&>(g) = ws::WorkstationSettings{};
    static_cast<ws::CodeSet&>(g) = ws::CodeSet{};
    static_cast<ws::AnalysisRun&>(g) = ws::AnalysisRun{};
    g.VersionText.clear();
    g.UnsavedChanges = 0;
    g.ContGrid = ws::ContGridData{};
    return g;
}

void emptySlots(ws::EventSlots& slots) {
    for (auto* codes : {&slots.EventCodes, &slots.EventCodes2}) {
        for (std::string& code : *codes) {
            code.clear();
        }
    }
    for (auto* times : {&slots.EventTimes, &slots.EventTimes2}) {
        std::fill(times->begin(), times->end(), 0);
    }
    // Taken once: a whole set of slots built per input would cost more than the input's run.
    static const auto wholeSlots = ws::EventSlots{}.slotFilledTo;
    slots.slotFilledTo = wholeSlots;
}

void useFixedCodeSet(ws::CodeSet& set) {
    const std::pair<const char*, int> codes[] = {{"A", 1}, {"B", 1},     {"C", 1}, {"D", 2},
                                                 {"E", 2}, {"$Gap$", 0}, {"Z", 0}};
    set.NumCodes = static_cast<std::int16_t>(std::size(codes));
    set.CodeTable.resize(set.NumCodes);
    int row = 1;
    for (const auto& [code, group] : codes) {
        set.CodeTable(1, row) = textfile::Value::ofText(code);
        set.CodeTable(2, row) = textfile::Value::ofText(std::string("Code ") + code);
        set.CodeTable(3, row) = textfile::Value::ofNumber(group);
        ++row;
    }
}

void propertyFailed(const char* what) {
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

} // namespace fuzz
