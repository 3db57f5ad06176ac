#include "collector/CollectorRig.h"

#include "textfile/Files.h"
#include "workstation/core/CodeSetFile.h"

#include <cctype>

namespace collector {

CollectorRig::CollectorRig()
    : session(g, sp.platform, text1,
              CollectorLinks{[this] {
                                 const auto number = [this](const std::string& name, double fallback) {
                                     return settings.contains(name) ? std::stod(settings[name]) : fallback;
                                 };
                                 g.TenthsofSeconds = static_cast<std::int16_t>(number("TenthsofSeconds", 0));
                                 g.SessionDuration = static_cast<float>(number("SessionDuration", 180));
                                 g.gFixedEntry = static_cast<std::int16_t>(number("gFixedEntry", 0));
                                 g.gNumToAuto = static_cast<std::int16_t>(number("gNumToAuto", 1));
                                 ws::CodeSetContents contents;
                                 if (!codeFile.empty()) {
                                     contents = ws::readCodeSetFile(codeFile).contents;
                                 }
                                 ws::useCodeSet(g, std::move(contents));
                             },
                             [this] { ++unloads; }, [this] { ++ends; }},
              "TALVOR") {}

void CollectorRig::useCodes(const std::vector<std::pair<std::string, int>>& codes) {
    std::string bytes = " " + std::to_string(codes.size()) + " \r\n";
    for (const auto& [code, group] : codes) {
        bytes += "\"" + code + "\",\"\"," + std::to_string(group) + "\r\n";
    }
    codeFile = scratch.file("codes.cod");
    textfile::saveFileAtomically(codeFile, bytes);
}

void CollectorRig::newFile(const std::string& name, const std::string& header) {
    sp.dialogs.files.push_back(scratch.file(name));
    sp.dialogs.inputs.push_back(header);
    session.NewFile_Click();
}

void CollectorRig::at(double monotonicSeconds) {
    sp.clock.monotonic = monotonicSeconds;
    session.Timer1_Timer();
}

void CollectorRig::type(const std::string& characters) {
    for (char c : characters) {
        session.Text1_KeyPress(std::string(1, c));
        session.Text1_KeyUp(keyCodeOf(c));
    }
}

void CollectorRig::enter() {
    session.Text1_KeyPress("\r");
    session.Text1_KeyUp(13);
}

std::string CollectorRig::written(const std::string& name) const {
    return textfile::readWholeFile(scratch.file(name));
}

std::vector<std::string> CollectorRig::boxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : sp.dialogs.boxes) {
        texts.push_back(box.title + "|" + box.text);
    }
    return texts;
}

int keyCodeOf(char c) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
        return std::toupper(static_cast<unsigned char>(c));
    }
    return c == '\'' || c == '"' ? 222 : 255;
}

} // namespace collector
