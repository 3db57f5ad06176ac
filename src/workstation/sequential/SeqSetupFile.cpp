#include "workstation/sequential/SeqSetupFile.h"

#include "textfile/FieldReader.h"
#include "textfile/Numeric.h"
#include "textfile/TextForms.h"

namespace ws {
namespace {

void addLine(std::string& bytes, const std::string& line) {
    bytes += line;
    bytes += textfile::kLineEnd;
}

void addCodes(std::string& bytes, const std::vector<std::string>& codes) {
    bytes += textfile::printNumber(static_cast<double>(codes.size()));
    bytes += textfile::kLineEnd;
    for (const auto& code : codes) {
        addLine(bytes, code);
    }
}

std::vector<std::string> readCodes(textfile::FieldReader& file) {
    const std::int32_t count = file.readInt32();
    std::vector<std::string> codes;
    for (std::int32_t k = 0; k < count; ++k) {
        codes.push_back(file.readLine()); // throws once the file ends short of its count
    }
    return codes;
}

std::int16_t readCheckState(textfile::FieldReader& file) {
    return file.readNumber() != 0 ? std::int16_t{1} : std::int16_t{0};
}

} // namespace

std::string seqSetupBytes(const SeqSetup& setup) {
    std::string bytes;
    addLine(bytes, kSeqSetupType);
    addCodes(bytes, setup.givens);
    addCodes(bytes, setup.targets);
    for (const std::int16_t state : {setup.merge, setup.backward, setup.givensAsGroup}) {
        addLine(bytes, textfile::printNumber(state));
    }
    addLine(bytes, setup.eventLags ? "True" : "False");
    addLine(bytes, setup.timeWindow ? "True" : "False");
    addLine(bytes, setup.countText);
    return bytes;
}

std::optional<SeqSetup> parseSeqSetup(std::string bytes) {
    textfile::FieldReader file(std::move(bytes));
    if (file.readText() != kSeqSetupType) {
        return std::nullopt;
    }
    SeqSetup setup;
    setup.givens = readCodes(file);
    setup.targets = readCodes(file);
    setup.merge = readCheckState(file);
    setup.backward = readCheckState(file);
    setup.givensAsGroup = readCheckState(file);
    setup.eventLags = file.readText() == "True";
    setup.timeWindow = file.readText() == "True";
    setup.countText = file.readText();
    return setup;
}

} // namespace ws
