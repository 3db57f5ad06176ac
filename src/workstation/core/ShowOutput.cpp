#include "workstation/core/ShowOutput.h"

#include "platform/CommandLine.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/Paths.h"

#include <algorithm>
#include <cctype>

namespace ws {

namespace {

const std::string kHelperErrorTitle = "Helper Application Error";

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// The spreadsheet switch only means something to the program that knows it; any other
// program would take "/e" for a file name.
bool knowsSpreadsheetSwitch(const std::string& program) {
    std::string name = textfile::FileNameOnly(program);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name.find("excel") != std::string::npos;
}

} // namespace

namespace {

// The setting's own words (the program and its options), the spreadsheet switch where the
// program understands it, and the report as one word of its own.
std::vector<std::string> helperArguments(const std::string& setting, bool spreadsheet,
                                         const std::string& report) {
    std::vector<std::string> argv = platform::splitCommandLine(setting);
    if (argv.empty()) {
        argv.emplace_back(); // no program named: nothing can be started
    }
    if (spreadsheet && knowsSpreadsheetSwitch(argv.front())) {
        argv.push_back("/e");
    }
    argv.push_back(report);
    return argv;
}

} // namespace

HelperCommand helperCommandFor(const Global& g) {
    HelperCommand command;
    command.file = g.OutputFileName;
    if (g.OutputKind == kCsvOutput) {
        command.commandLine = g.Spreadsheet_Editor + " /e  " + quoted(g.OutputFileName);
        command.argv = helperArguments(g.Spreadsheet_Editor, true, g.OutputFileName);
        command.setting = "Spreadsheet_Editor";
    } else if (g.OutputKind == kTextOutput) {
        command.commandLine = g.Text_Editor + " " + quoted(g.OutputFileName);
        command.argv = helperArguments(g.Text_Editor, false, g.OutputFileName);
        command.setting = "Text_Editor";
    }
    return command;
}

HelperCommand textEditorCommand(const Global& g, const std::string& file) {
    return {helperArguments(g.Text_Editor, false, file), g.Text_Editor + " " + file, file, "Text_Editor"};
}

bool startHelper(platform::Platform& p, const HelperCommand& command) {
    platform::Dialogs& dialogs = p.dialogs;
    const platform::QuickFailure tellFailure = [&dialogs, command](int exitCode) {
        dialogs.messageBox(command.argv.front() + " ended with an error (exit code " +
                               std::to_string(exitCode) + ") and may not have opened the file:\r\n" +
                               command.file + "\r\n" + " The program is the " + command.setting +
                               " setting: you may pick another in the analysis settings",
                           kHelperErrorTitle, platform::Buttons::OK, platform::Icon::Exclamation);
    };
    if (command.argv.empty() || command.argv.front().empty() ||
        !p.launcher.start(command.argv, tellFailure)) {
        p.dialogs.messageBox(command.commandLine + " cannot execute" + "\r\n" +
                                 " You may need to pick your helper application in the analysis settings",
                             kHelperErrorTitle, platform::Buttons::OK, platform::Icon::Exclamation);
        return false;
    }
    return true;
}

void ShowOutput(Global& g, platform::Platform& p) {
    if (g.RunCancelled != 0 || g.AbortRun != 0) {
        return;
    }
    const HelperCommand command = helperCommandFor(g);
    if (!command.argv.empty() && textfile::fileExists(g.OutputFileName) && !startHelper(p, command)) {
        return;
    }
    g.AbortRun = textfile::kTrue;
}

} // namespace ws
