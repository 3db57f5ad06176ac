#include "workstation/core/ContGrid.h"

#include "workstation/core/ProgramTitle.h"

#include "textfile/FieldReader.h"
#include "textfile/Files.h"
#include "textfile/Paths.h"
#include "textfile/TextCase.h"
#include "textfile/TextForms.h"
#include "workstation/core/CodeSetFile.h"

#include <exception>

namespace ws {

std::string contGridFileName(const std::string& codeFile) {
    return textfile::FolderOf(codeFile) + "ContVarGrid.csv";
}

void ReadContGrid(ContGridData& grid, const std::string& codeFile) {
    const std::string fileName = contGridFileName(codeFile);
    if (!textfile::fileExists(fileName)) {
        return;
    }
    textfile::FieldReader reader = textfile::FieldReader::fromFile(fileName);
    for (int row = 1; row <= kContGridRows; ++row) {
        for (auto& cell : grid.cells[static_cast<std::size_t>(row)]) {
            if (reader.atEnd()) {
                return;
            }
            cell = reader.readText();
        }
    }
}

std::optional<std::string> ruleCodeRefusal(const ContGridData& grid, const CodeSet& codeSet) {
    for (int row = 1; row <= kContGridRows; ++row) {
        const auto& rule = grid.cells[static_cast<std::size_t>(row)];
        if (textfile::isBlank(rule[ContGridData::MinValue])) {
            continue;
        }
        const std::string& code = rule[ContGridData::TalvorCode];
        if (FindCode(codeSet, code) == -1) {
            return "Rule " + std::to_string(row) + " of ContVarGrid.csv: the code \"" + code +
                   "\" is not in the code file";
        }
    }
    return std::nullopt;
}

std::optional<std::string> unsavableCell(const ContGridData& grid) {
    for (int row = 1; row <= kContGridRows; ++row) {
        for (const std::string& cell : grid.cells[static_cast<std::size_t>(row)]) {
            if (cell.find('"') != std::string::npos) {
                return "Row " + std::to_string(row) +
                       " of ContVarGrid.csv: a cell cannot hold a double quote";
            }
        }
    }
    return std::nullopt;
}

bool SaveContGrid(const ContGridData& grid, const std::string& codeFile, platform::Dialogs& dialogs) {
    std::string text;
    for (int row = 1; row <= kContGridRows; ++row) {
        textfile::WriteLine line;
        for (const auto& cell : grid.cells[static_cast<std::size_t>(row)]) {
            line.text(cell);
        }
        text += line.str();
    }
    try {
        textfile::saveFileAtomically(contGridFileName(codeFile), text);
        return true;
    } catch (const std::exception&) {
        dialogs.messageBox(
            "Unable to save continous variable grid.\rIf you are not merging continous varible, "
            "ignore this message",
            kProgramTitle, platform::Buttons::OK, platform::Icon::None);
    }
    return false;
}

} // namespace ws
