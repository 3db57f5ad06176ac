#include "workstation/core/CodeSetFile.h"

#include "platform/SavedFile.h"
#include "textfile/FieldReader.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"

#include <utility>
#include <vector>

namespace ws {
namespace {

// Code_File holding just this character means "no file yet: ask for one".
const std::string kAskForFile(1, '\x1b');

constexpr int kGroupNameLines = 49; // groups 0 to 48; GroupNames(49) is not kept in the file
constexpr int kFieldsPerCode = 3;
constexpr std::size_t kMaxGroups = 50; // room in the callers' lists, entries 1 to 50

// Every open and save dialog of the code set asks for overwrite prompts and hides the
// read-only box; only opening also needs the file to exist.
constexpr int kOpenFlags = platform::kFileMustExist | platform::kOverwritePrompt | platform::kHideReadOnly;
constexpr int kSaveFlags = kOpenFlags & ~platform::kFileMustExist;

const std::string kLoadErrorTitle = "File Load Error";
const std::string kSaveErrorTitle = "File Save Error";

// A file the reader refuses, with the reason given to the person.
struct Refusal {
    std::string reason;
};

std::int16_t readCount(textfile::FieldReader& file) {
    const std::string line = file.atEnd() ? std::string() : file.readLine();
    const std::string count = textfile::FieldReader(line + "\r\n").readText();
    if (count.empty() || !textfile::isNumeric(count)) {
        throw Refusal{"its first line does not give the number of codes."};
    }
    std::int16_t numCodes = 0;
    try {
        numCodes = textfile::toInt16(textfile::leadingNumber(count));
    } catch (const textfile::RunError&) {
        throw Refusal{"the number of codes on its first line is out of range."};
    }
    if (numCodes < 0) {
        throw Refusal{"the number of codes on its first line is negative."};
    }
    return numCodes;
}

// Each code stands on a line of its own, so a count larger than the code lines shows as a
// line with fewer than three fields (a group name) or as the end of the file, instead of
// silently pulling group names into the table.
void readCodeRow(textfile::FieldReader& file, CodeTableData& table, int row, std::int16_t numCodes) {
    const auto tooFewLines = [numCodes] {
        return Refusal{"it holds fewer code lines than the" + textfile::joinedNumber(numCodes) +
                       " its first line announces."};
    };
    if (file.atEnd()) {
        throw tooFewLines();
    }
    textfile::FieldReader line(file.readLine() + "\r\n");
    for (int field = 1; field <= kFieldsPerCode; ++field) {
        if (line.atEnd()) {
            throw tooFewLines();
        }
        table(field, row) = line.readValue();
    }
}

CodeSetContents parseCodeSet(const std::string& path) {
    textfile::FieldReader file = textfile::FieldReader::fromFile(path);
    CodeSetContents set;
    set.numCodes = readCount(file);
    set.table.resize(set.numCodes == 0 ? 1 : set.numCodes);
    for (int row = 1; row <= set.numCodes; ++row) {
        readCodeRow(file, set.table, row, set.numCodes);
    }
    // A file that ends early keeps the names the groups after it had before.
    for (int group = 0; group < kGroupNameLines && !file.atEnd(); ++group) {
        set.groupNames.push_back(file.readText());
    }
    return set;
}

void showLoadError(platform::Dialogs& dialogs, const std::string& path, const std::string& reason) {
    dialogs.messageBox("The code file " + path + " could not be read: " + reason +
                           " The code set in use was kept.",
                       kLoadErrorTitle, platform::Buttons::OK, platform::Icon::Exclamation);
}

// The chosen path, or empty when the person gave none.
std::string askForCodeFile(platform::Dialogs& dialogs) {
    platform::FileDialogRequest request;
    request.title = "Open the Code file...";
    request.filter = "TALVOR/Vintrosa Code files (*.cod)|*.cod|All Files (*.*)|*.*";
    request.flags = kOpenFlags;
    return dialogs.openFile(request);
}

} // namespace

std::int16_t OpenCodeFile(Global& g, platform::Platform& p, WhenRefused whenRefused) {
    if (g.Code_File == kAskForFile) {
        g.Code_File.clear();
    }
    const std::string named = g.Code_File;
    if (named.empty() || !textfile::fileExists(named)) {
        const std::string chosen = askForCodeFile(p.dialogs);
        return !chosen.empty() && takeCodeFile(g, p.dialogs, chosen) ? textfile::kTrue : textfile::kFalse;
    }
    if (takeCodeFile(g, p.dialogs, named)) {
        return textfile::kTrue;
    }
    g.Code_File = g.fileInUse;
    if (whenRefused == WhenRefused::KeepInUse) {
        return textfile::kFalse;
    }
    const std::string chosen = askForCodeFile(p.dialogs);
    return !chosen.empty() && takeCodeFile(g, p.dialogs, chosen) ? textfile::kTrue : textfile::kFalse;
}

bool takeCodeFile(Global& g, platform::Dialogs& dialogs, const std::string& path) {
    // Read into a separate set first: a file refused half way must not cost the person
    // the code set they had.
    CodeSetReading reading = readCodeSetFile(path);
    if (!reading.read) {
        showLoadError(dialogs, path, reading.failure);
        return false;
    }
    g.Code_File = path;
    g.fileInUse = path;
    useCodeSet(g, std::move(reading.contents));
    return true;
}

CodeSetReading readCodeSetFile(const std::string& path) {
    CodeSetReading reading;
    try {
        reading.contents = parseCodeSet(path);
        reading.read = true;
    } catch (const Refusal& refusal) {
        reading.failure = refusal.reason;
    } catch (const textfile::RunError& error) {
        reading.failure = error.description() + ".";
    }
    return reading;
}

void useCodeSet(CodeSet& set, CodeSetContents&& contents) {
    set.NumCodes = contents.numCodes;
    set.CodeTable = std::move(contents.table);
    for (std::size_t group = 0; group < contents.groupNames.size(); ++group) {
        set.GroupNames[group] = contents.groupNames[group];
    }
}

std::int16_t SaveCodeFile(Global& g, platform::Platform& p) {
    const std::string nameBefore = g.Code_File;
    // The escape marker names no file; writing under it would create a file of that name.
    if (g.Code_File.empty() || g.Code_File == kAskForFile) {
        platform::FileDialogRequest request;
        request.title = "Name the Code file...";
        request.filter = "TALVOR/Vintrosa code files (*.cod)|*.cod|All Files (*.*)|*.*";
        request.defaultExt = ".cod";
        request.flags = kSaveFlags;
        const std::string chosen = p.dialogs.saveFile(request);
        if (chosen.empty()) {
            return textfile::kFalse;
        }
        g.Code_File = chosen;
    }

    try {
        platform::saveKeptFile(p.dialogs, g.Code_File, codeSetBytes(g));
    } catch (const textfile::RunError& error) {
        p.dialogs.messageBox("The code file " + g.Code_File + " could not be saved: " + error.description() +
                                 ". Any earlier copy of the file was left as it was.",
                             kSaveErrorTitle, platform::Buttons::OK, platform::Icon::Exclamation);
        // A name given only for this save names no file: the caller's "no name" path
        // restores the name it had.
        g.Code_File = nameBefore;
        return textfile::kFalse;
    }
    return textfile::kTrue;
}

std::string codeSetBytes(const CodeSet& g) {
    std::string bytes = textfile::printNumber(g.NumCodes) + std::string(textfile::kLineEnd);
    for (int row = 1; row <= g.NumCodes; ++row) {
        textfile::WriteLine line;
        for (int field = 1; field <= kFieldsPerCode; ++field) {
            line.value(g.CodeTable(field, row));
        }
        bytes += line.str();
    }
    for (int group = 0; group < kGroupNameLines; ++group) {
        bytes += textfile::WriteLine().text(g.GroupNames[group]).str();
    }
    return bytes;
}

std::int16_t FindCode(const CodeSet& set, const std::string& code) {
    for (int row = 1; row <= set.NumCodes; ++row) {
        if (set.CodeTable.codeIs(row, code)) {
            return static_cast<std::int16_t>(row);
        }
    }
    return -1;
}

void ListCodeGroups(const CodeSet& set, std::int16_t& count, std::array<std::int16_t, 51>& groups) {
    count = 0;
    for (int row = 1; row <= set.NumCodes; ++row) {
        const double group = set.CodeTable(3, row).asNumber();
        bool listed = false;
        for (int k = 1; k <= count && !listed; ++k) {
            listed = group == groups[k];
        }
        if (listed) {
            continue;
        }
        if (static_cast<std::size_t>(count) >= kMaxGroups) {
            throw textfile::RunError(textfile::kSubscriptOutOfRange);
        }
        ++count;
        groups[count] = textfile::toInt16(group);
    }
    for (int a = 1; a < count; ++a) {
        for (int b = a + 1; b <= count; ++b) {
            if (groups[a] > groups[b]) {
                textfile::SwapValues(groups[a], groups[b]);
            }
        }
    }
}

} // namespace ws
