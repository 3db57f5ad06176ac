#pragma once
// Bringing outside rows into gData: a DORU transcript as TRANSCRIPT rows, a transcript data
// file as a new EVENTS file whose code columns come from its bracketed codes, the rows of a
// comma-separated file, and the body rows of another data file.

#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/Globals.h"

#include <string>
#include <string_view>
#include <vector>

namespace vc {

// The time of a DORU line: the rest of a line beginning with "-", trimmed; or the text of a
// brace comment holding ":", whose braces and text then leave the line; a brace comment
// without ":" gives "" and stays; any other line gives Empty.
textfile::Value DoruTimeOf(std::string& line);
// The code part of an utterance, from its first "[" to the end; the line keeps what stands
// before. "" and the line whole when it holds no "[".
std::string DoruCodesOf(std::string& line);
// A TRANSCRIPT row of a data file into its time, utterance and codes: the codes field cut at
// each "[" (codes[0] the first code, "]" dropped, text before the first "[" and codes past
// the 50th dropped). A line short of its commas leaves what it lacks empty.
void SplitTranscriptCodes(std::string_view line, std::string& time, std::string& text,
                          std::vector<std::string>& codes);
std::int16_t CountCommas(std::string_view text);

// The rows a DORU transcript's bytes give, appended after gRowCount.
void appendDoruRows(std::string_view bytes, DataTable& data);
// appendDoruRows() on bytes the table then keeps, its texts viewed in them.
void appendDoruFile(std::string bytes, DataTable& data);
// The rows of a CSV file's bytes appended after gRowCount, as many fields per row as the
// first line has; every line a row. Throws RunError (the rows read by then stay, counted):
// 9 for a non-empty field past column 50, 62 for a file with no line.
void appendCsvRows(std::string_view bytes, DataTable& data);
// appendCsvRows() on bytes the table then keeps, its texts viewed in them.
void appendCsvFile(std::string bytes, DataTable& data);
// The body rows of a data file's bytes appended after gRowCount, split as the open data's
// type reads them; the file's header is skipped and its type not checked. Throws RunError as
// appendCsvRows does.
void appendDataFileRows(std::string_view bytes, DataTable& data);
// appendDataFileRows() on bytes the table then keeps, its texts viewed in them.
void appendDataFile(std::string bytes, DataTable& data);

// "Import a DORU File...": refused while a data file is named; true when the rows were read.
// The data takes the transcript's name with ".qvd", which its first save asks before replacing.
bool ImportDoru(Globals& g, CoderLinks& links);
// Transcript into events: refused while a data file is named; true when the EVENTS rows
// stand in gData under the transcript's name with "-events.qvd". A file that is no
// transcript, or that fails to read, leaves the name and type as they were.
bool TranscriptToEvents(Globals& g, CoderLinks& links);
// The coding window's imports into the open data; a failure says "Error Loading Data: ".
void ImportCsv(Globals& g, CoderLinks& links);
void MergeDataFile(Globals& g, CoderLinks& links);

// After a DORU import or a transcript's conversion: the coding window laid out and dressed
// for the new data, which counts as open, with autosave armed as for a new file.
void openImportedData(Globals& g, CoderLinks& links);

} // namespace vc
