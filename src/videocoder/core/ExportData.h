#pragma once
// Exports of the open data for other programs: EVENTS rows as a comma-separated file for a
// spreadsheet (opened in the helper program when asked), TRANSCRIPT rows as a DORU
// transcript. Both carry the coding window's thirteen header fields. The file is built
// whole and written in one step: a failure leaves an older file as it was.

#include "platform/Launcher.h"
#include "platform/SettingsStore.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/CodingWindow.h"
#include "videocoder/core/Globals.h"

#include <array>
#include <string>
#include <vector>

namespace vc {

using HeaderFields = std::array<std::string, kHeaderFields>;

// Mode 1: the CSV header line, the thirteen fields in double quotes between commas, no line
// end. Mode 2: the DORU header block: the first line, a "+ " line per field (a notes field
// of several lines gives a "+ " line for each further line that is not blank), then "- " and
// the start time without a line end. Any other mode: "".
std::string BuildExportHeader(int mode, const HeaderFields& header, const VideoSettings& s);
// The DORU form of a comma-separated code list: 'a,b' gives '[a][b]'; a list holding "["
// comes back unchanged and a blank one as "".
std::string BracketCodes(const std::string& codes);

// The name the export proposes: the data file's name without its folder, ".qvd" (in any
// case) replaced by ".csv" or ".slt", or that appended.
std::string defaultExportName(const std::string& fileName, bool events);
// The CSV file: the grid's titles, one line per row (cells quoted, or times as numbers),
// the header line last when asked for. Throws RunError for a time that cannot be read.
std::string csvExportText(const DataTable& data, const GridLayout& grid, const HeaderFields& header,
                          const VideoSettings& s);
// A time as the CSV writes it when times are converted: hundredths of seconds for a text
// holding ".", frames for a timecode (":" alone), the number itself otherwise (empty: 0).
// Throws RunError 13 for a text that is none of these.
float csvTimeNumber(const std::string& time, const VideoSettings& s);
// The DORU file of rows as they stand (the export sorts them by time first).
std::string doruExportText(const DataTable& data, const HeaderFields& header, const VideoSettings& s);
// The helper program's setting split into its words, then the exported file as one word.
std::vector<std::string> exportHelperArguments(const std::string& helperApp, const std::string& file);

struct ExportServices {
    platform::SettingsStore& settings;
    platform::Launcher& launcher;
};

// Reads the settings anew, asks for the export file ("Name the export file..."), writes it
// and says so (or starts the helper program on a CSV). Cancel ends silently; a file that
// cannot be written, or a helper that cannot be started, says so in "Error Exporting".
void ExportData(Globals& g, CoderLinks& links, const ExportServices& services);

} // namespace vc
