#pragma once
// Hands the report of the last run to the person's text editor or spreadsheet program.

#include "platform/Platform.h"
#include "workstation/core/Global.h"

#include <string>
#include <vector>

namespace ws {

// What ShowOutput would start for the current run state: the argument vector (the helper
// setting split into program and options, then the report) and the command line as the
// messages show it. Empty when the report kind opens no helper; a setting that names no
// program gives an empty program, which cannot be started.
struct HelperCommand {
    std::vector<std::string> argv;
    std::string commandLine;
    std::string file;    // the report it opens
    std::string setting; // the setting that names the program
};
HelperCommand helperCommandFor(const Global& g);
// Text_Editor on `file`, the command line being the setting, a blank and the file as given.
HelperCommand textEditorCommand(const Global& g, const std::string& file);
// Starts the command without waiting; a program that cannot be started is reported in the
// helper error box, and false returned. A program that ends with an error within a moment
// of starting is told in a box that names the file and the setting to change.
bool startHelper(platform::Platform& p, const HelperCommand& command);

// Starts the helper program on OutputFileName (text report: Text_Editor; comma-separated
// report: Spreadsheet_Editor) and sets AbortRun, so a second call waits for the next run.
// Does nothing after a cancelled or aborted run, for a named report file (kind 3) or
// when the report does not exist. A program that cannot be started is reported and
// leaves AbortRun as it was.
void ShowOutput(Global& g, platform::Platform& p);

} // namespace ws
