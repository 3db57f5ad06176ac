#include "videocoder/core/CodeSetFile.h"

#include "platform/SavedFile.h"
#include "textfile/FieldReader.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "videocoder/core/FileDialogs.h"
#include "videocoder/core/TextCase.h"

namespace vc {
namespace {

const std::string kCodeFilter = "Vintrosa Code files (*.cod)|*.cod|All Files (*.*)|*.*";
const std::string kCodeSaveFilter = "Vintrosa code files (*.cod)|*.cod|All Files (*.*)|*.*";

// The codes 1..gCodeCount that the table holds.
int codesHeld(const CodeSet& codes) {
    return std::min(codes.gCodeCount, codes.gCodes.rows());
}

void showDamagedCodeFile(platform::Dialogs& dialogs, const std::string& description) {
    dialogs.messageBox("Error reading code file...\r\n" + description +
                           "\r\nCode file is possibly damaged or corrupt",
                       kProgramTitle, platform::Buttons::OK, platform::Icon::None);
}

} // namespace

namespace {

// Whether the line starting at `at` holds the three fields of a code (a group line holds one).
bool isCodeLine(std::string_view bytes, std::size_t at) {
    const std::size_t end = bytes.find_first_of("\r\n", at);
    textfile::FieldReader line(std::string(bytes.substr(at, end == std::string_view::npos ? end : end - at)));
    int fields = 0;
    while (!line.atEnd() && fields <= kCodeFields) {
        line.readField();
        ++fields;
    }
    return fields == kCodeFields;
}

void readCode(textfile::FieldReader& in, CodeSet& codes) {
    codes.gCodes.addRow();
    ++codes.gCodeCount;
    for (int field = 1; field <= kCodeFields; ++field) {
        codes.gCodes.at(field, codes.gCodeCount) = in.readValue();
    }
}

} // namespace

int readCodeFile(const std::string& bytes, CodeSet& codes, std::vector<std::string>& groups) {
    textfile::FieldReader in(bytes);
    const std::int32_t count = textfile::toInt32(in.readNumber());
    if (count < 1) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    codes.gCodes.reset(kCodeFields, 0);
    codes.gCodeCount = 0;
    for (int code = 1; code <= count; ++code) {
        readCode(in, codes);
    }
    // Code lines past the count are codes still, never group names.
    while (!in.atEnd() && isCodeLine(bytes, in.position())) {
        readCode(in, codes);
    }
    groups.clear();
    while (groups.size() < kCodeGroups && !in.atEnd()) {
        groups.push_back(in.readText());
    }
    return codes.gCodeCount;
}

std::string codeFileText(const CodeSet& codes, const std::vector<std::string>& groups) {
    std::string text = textfile::printNumber(codes.gCodeCount);
    text += textfile::kLineEnd;
    for (int code = 1; code <= codes.gCodeCount; ++code) {
        textfile::WriteLine line;
        for (int field = 1; field <= kCodeFields; ++field) {
            const textfile::Value& cell = codes.gCodes.at(field, code);
            line.value(cell.kind == textfile::Value::Kind::Null ? textfile::Value::empty() : cell);
        }
        text += line.str();
    }
    for (const std::string& description : groups) {
        text += textfile::WriteLine().text(description).str();
    }
    return text;
}

namespace {

// The file's text as SaveCodeFile writes it, with the editor's 49 group descriptions (read
// without loading the editor: one not loaded holds none).
std::string codeSetText(const Globals& g, const CoderLinks& links) {
    std::vector<std::string> groups;
    for (int group = 0; group < kCodeGroups; ++group) {
        groups.push_back(links.codeFrmGroups.peek(group));
    }
    return codeFileText(g.codeSet, groups);
}

} // namespace

bool OpenCodeFile(Globals& g, CoderLinks& links) {
    CodeSet& c = g.codeSet;
    if (c.gCodeFileName == kAskForCodeFile) {
        c.gCodeFileName.clear();
    } else if (c.gCodeFileName.empty()) {
        links.dataFrm.ensureLoaded(g);
        c.gCodeFileName = links.dataFrm.Text1[kCodeFileField];
    }
    if (c.gCodeFileName.empty() || !textfile::fileExists(c.gCodeFileName)) {
        const std::string chosen =
            links.dialogs.openFile({"Open the Code file...", kCodeFilter, "", "", kFileDialogFlags});
        if (chosen.empty()) {
            return false;
        }
        c.gCodeFileName = chosen;
    }
    try {
        std::vector<std::string> groups;
        const std::string bytes = textfile::readWholeFile(c.gCodeFileName);
        const int held = readCodeFile(bytes, c, groups);
        const std::int32_t counted = textfile::FieldReader(bytes).readInt32();
        for (std::size_t group = 0; group < groups.size(); ++group) {
            links.codeFrmGroups.at(g, static_cast<int>(group)) = groups[group];
        }
        c.baseline = codeSetText(g, links);
        if (held != counted) {
            links.dialogs.messageBox(c.gCodeFileName + "\r\nThe count on line 1 says " +
                                         std::to_string(counted) + ", but the file holds " +
                                         std::to_string(held) +
                                         " codes.\r\nAll of them are open. The file is written only once "
                                         "the codes are changed.",
                                     "Warning...", platform::Buttons::OK, platform::Icon::Exclamation);
        }
        return true;
    } catch (const textfile::RunError& e) {
        c.gCodeFileName.clear();
        c.baseline.clear();
        showDamagedCodeFile(links.dialogs, e.description());
        return false;
    }
}

namespace {

enum class Saved { Written, Cancelled, Failed };

Saved saveCodeFile(Globals& g, CoderLinks& links) {
    CodeSet& c = g.codeSet;
    const std::string previousName = c.gCodeFileName;
    if (c.gCodeFileName.empty()) {
        const std::string chosen =
            links.dialogs.saveFile({"Name the Code file...", kCodeSaveFilter, "", ".cod", kSaveDialogFlags});
        if (chosen.empty()) {
            return Saved::Cancelled;
        }
        c.gCodeFileName = chosen;
    }
    try {
        links.codeFrmGroups.touch(g);
        std::string text = codeSetText(g, links);
        platform::saveKeptFile(links.dialogs, c.gCodeFileName, text);
        c.baseline = std::move(text);
        return Saved::Written;
    } catch (const textfile::RunError& e) {
        showSaveFailure(links.dialogs, "Error Saving Code File: ", e, c.gCodeFileName);
        c.gCodeFileName = previousName;
        return Saved::Failed;
    }
}

} // namespace

bool SaveCodeFile(Globals& g, CoderLinks& links) {
    return saveCodeFile(g, links) == Saved::Written;
}

std::int16_t FindCode(const CodeSet& codes, const std::string& text) {
    const std::string wanted = trimBlanks(text);
    if (wanted.empty()) {
        return -1;
    }
    const int held = std::min(codesHeld(codes), 32767);
    for (int code = 1; code <= held; ++code) {
        if (codes.gCodes.at(1, code).asText() == wanted || codes.gCodes.at(2, code).asText() == wanted) {
            return static_cast<std::int16_t>(code);
        }
    }
    return -1;
}

void ValidateCodes(Globals& g, CoderLinks& links) {
    if (g.data.gDataType != "EVENTS") {
        return;
    }
    DataTable& d = g.data;
    const int field = g.settings.gEditInCell == 3 ? 2 : 1;
    const int rows = textfile::toInt32(d.gRowCount.asNumber());
    const int columns = textfile::toInt32(d.gColCount.asNumber());
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= columns; ++column) {
            CellTable::CellRef cell = d.gData.at(column, row);
            const std::int16_t code = FindCode(g.codeSet, cell.asText());
            if (code > 0) {
                cell = g.codeSet.gCodes.at(field, code);
            }
        }
    }
    links.dataFrm.port().refresh();
}

void ResetEventArray(DataTable& data) {
    data.gRowCount = textfile::Value::ofNumber(1);
    data.gData.reset(kDataColumns, 1);
}

void ResetCodeTable(CodeSet& codes) {
    codes.gCodeCount = 1;
    codes.gCodes.reset(kCodeFields, 1);
}

bool codeSetChanged(Globals& g, CoderLinks& links) {
    return g.codeSet.baseline.empty() || codeSetText(g, links) != g.codeSet.baseline;
}

void discardCodeEditor(Globals& g, CoderLinks& links) {
    links.codeFrmGroups.unload(g);
    g.codeSet.gCodeFileName.clear();
    g.codeSet.baseline.clear();
    ResetCodeTable(g.codeSet);
}

bool reopenFieldCodeSet(Globals& g, CoderLinks& links) {
    if (g.open.gCodeOpen != kFalse || !g.codeSet.gCodeFileName.empty()) {
        return false;
    }
    links.dataFrm.ensureLoaded(g);
    const std::string& field = links.dataFrm.Text1[kCodeFileField];
    if (trimBlanks(field).empty() || !textfile::fileExists(field)) {
        return false;
    }
    return OpenCodeFile(g, links);
}

CodeEditorUnload unloadCodeEditor(Globals& g, CoderLinks& links) {
    if (!links.codeFrmGroups.loaded()) {
        return CodeEditorUnload::Unloaded;
    }
    if (codeSetChanged(g, links)) {
        switch (saveCodeFile(g, links)) {
        case Saved::Cancelled:
            return CodeEditorUnload::Cancelled;
        case Saved::Failed:
            return CodeEditorUnload::Failed;
        case Saved::Written:
            break;
        }
    }
    discardCodeEditor(g, links);
    return CodeEditorUnload::Unloaded;
}

} // namespace vc
