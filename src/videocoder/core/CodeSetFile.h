#pragma once
// Code-set files (.cod) as the video coder reads and writes them: the count, one line per
// code (code, description, group number in write form), then the 49 group descriptions.
// The table goes to gCodes, the descriptions to the code-set editor's group grid.

#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/Globals.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vc {

// Reads a code-set file's bytes. Codes go into `codes` as they are read (texts for quoted
// fields, numbers for bare ones) and gCodeCount always counts the rows it holds, also when
// a RunError stops the read part way (a count that is no whole number from 1 up: 13 or 9;
// fewer fields than the count asks for: 62). Lines of three fields right after the counted
// codes are codes too. The group descriptions that follow go to `groups` (group 0 first)
// while the file has more to read, at most 49. Returns the codes read.
int readCodeFile(const std::string& bytes, CodeSet& codes, std::vector<std::string>& groups);
// The file's bytes. Empty and Null cells write nothing between their commas.
std::string codeFileText(const CodeSet& codes, const std::vector<std::string>& groups);

// Reads gCodeFileName (asking "Open the Code file..." when it is empty, the code-27 text or
// missing; an empty name falls back to the coding window's Code File field). True when a
// code set was read. A file that cannot be read shows the damaged-file box and leaves
// gCodeFileName empty, so no later save writes over it unasked; one holding more codes than
// its count line says is read whole, and a box says so.
bool OpenCodeFile(Globals& g, CoderLinks& links);
// Closing the editor lets the code set go; the coding window's Code File field still names
// the data's set. Reads that set again when none is open and the field names an existing file,
// so the grid adjusted next takes the edits the close saved. True when a set was read.
bool reopenFieldCodeSet(Globals& g, CoderLinks& links);
// Writes gCodeFileName whole, asking "Name the Code file..." when it is empty. True when
// written; false when cancelled or when the write failed ("VTRS Error", old file kept).
bool SaveCodeFile(Globals& g, CoderLinks& links);

// The code whose code or description equals the text trimmed of blanks (same case), or -1.
std::int16_t FindCode(const CodeSet& codes, const std::string& text);
// EVENTS only: every cell that names a code becomes that code (its description when
// gEditInCell is 3); then the grid redraws.
void ValidateCodes(Globals& g, CoderLinks& links);

// gData back to one empty row of 50 columns, gRowCount 1.
void ResetEventArray(DataTable& data);
// gCodes back to one empty code, gCodeCount 1.
void ResetCodeTable(CodeSet& codes);

// Whether the codes or group descriptions differ from the file as last read or saved.
bool codeSetChanged(Globals& g, CoderLinks& links);
enum class CodeEditorUnload { Unloaded, Cancelled, Failed };
// The code-set editor unloads: saves the code set when it was changed, then clears gCodeOpen,
// the file name, the table and the descriptions. When the save did not happen (its name
// dialog cancelled, or the write failed) the editor stays loaded with its codes and the
// result says which. Nothing happens when not loaded.
CodeEditorUnload unloadCodeEditor(Globals& g, CoderLinks& links);
// The editor unloads without saving: its codes and descriptions go.
void discardCodeEditor(Globals& g, CoderLinks& links);

} // namespace vc
