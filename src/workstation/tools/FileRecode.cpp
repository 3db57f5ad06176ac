#include "workstation/tools/FileRecode.h"

#include "textfile/Files.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "workstation/core/EventFile.h"
#include "workstation/core/ListFile.h"
#include "workstation/core/ProgramTitle.h"

namespace ws {
namespace {

using platform::Buttons;
using platform::Icon;

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

void notice(platform::Platform& p, const std::string& text) {
    p.dialogs.messageBox(text, kProgramTitle, Buttons::OK, Icon::None);
}

// False when the choice leaves nothing to do; the person is told why.
bool choiceIsUsable(platform::Platform& p, const RecodeChoice& choice) {
    if (choice.to.empty()) {
        notice(p, "No 'To' codes selected, nothing to do...");
        return false;
    }
    if (choice.from.empty()) {
        notice(p, "No 'From' codes selected, nothing to do...");
        return false;
    }
    if (choice.mode == RecodeMode::Individuals && choice.from.size() != choice.to.size()) {
        notice(p, std::string("The number of 'From' codes and 'To' codes do not match.") + "\r" +
                      "When individual is selected, pairs are needed. " + "\r");
        return false;
    }
    return true;
}

void writeFailed(platform::Platform& p, int number, const std::string& output, int line) {
    notice(p, std::string(" There was an error writing your files!") + "\r" +
                  "  Possibly disk is full or has too many" + "\r" + "  file names ..." + "\r" + "\r" +
                  "  ERR Number:" + textfile::joinedNumber(number) + "\r" + "  File:       " + output + "\r" +
                  "  Line:      " + textfile::joinedNumber(line));
}

// False when the run must end here.
bool recodeOneFile(Global& g, platform::Platform& p, const RecodeChoice& choice) {
    std::string header;
    if (!ReadEventFile(g, p, g.DataFileName, 1, header)) {
        p.dialogs.messageBox("Recoding stopped at " + g.DataFileName + ", which could not be read." + "\r" +
                                 "Its errors are in " + g.OutputFileName,
                             "Sorry", Buttons::OK, Icon::Exclamation);
        return false;
    }
    const std::int32_t endTime = g.EventTimes[static_cast<std::size_t>(g.EventTimes[0])];
    if (!recodeSlot(g, choice)) {
        p.dialogs.messageBox("Recoding " + g.DataFileName + " would pass " + std::to_string(kMaxEvents) +
                                 " events; nothing was written for it.",
                             "Sorry", Buttons::OK, Icon::Exclamation);
        return false;
    }
    const std::string output = g.DataFileName + "r.eve";
    try {
        textfile::saveFileAtomically(output, recodedFileBytes(g, header, endTime));
    } catch (const textfile::RunError& e) {
        writeFailed(p, e.number(), output, g.EventTimes[0]);
        return false;
    }
    return true;
}

void recodeList(Global& g, platform::Platform& p, const RecodeChoice& choice,
                const std::function<void(const std::string&)>& showProgress) {
    const std::string listName = g.DataFileName;
    try {
        ListFileReader list(listName);
        if (list.type() != kEventFilesList) {
            p.dialogs.beep();
            p.dialogs.messageBox("Not a valid list: " + listName, "ERROR!", Buttons::OK, Icon::None);
            return;
        }
        g.InputMode = kSingleFileInput;
        for (int n = list.readCount(); n > 0; --n) {
            const std::string entry = list.readEntry();
            if (showProgress) {
                showProgress("Processing-" + entry);
            }
            g.DataFileName = entry;
            if (!recodeOneFile(g, p, choice)) {
                return;
            }
        }
    } catch (const textfile::RunError& e) {
        p.dialogs.messageBox(e.description() + " - " + listName, "ERROR!", Buttons::OK, Icon::Exclamation);
    }
}

} // namespace

void FileRecode(Global& g, platform::Platform& p, const RecodeChoice& choice,
                const std::function<void(const std::string&)>& showProgress) {
    if (!endsWith(g.DataFileName, "eve") && !endsWith(g.DataFileName, "lst")) {
        p.dialogs.messageBox(
            "Any files that are not TALVOR event files are recoded into TALVOR event file format.", "Warning",
            Buttons::OK, Icon::Information);
    }
    if (!choiceIsUsable(p, choice)) {
        return;
    }
    if (g.InputMode == kListFileInput) {
        recodeList(g, p, choice, showProgress);
    } else {
        recodeOneFile(g, p, choice);
    }
}

} // namespace ws
